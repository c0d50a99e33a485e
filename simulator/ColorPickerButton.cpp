#include "simulator/ColorPickerButton.h"

#include "platform/ui/WinApiConstants.h"

namespace {

// The width of the three-dimensional edge.
constexpr int32_t kEdgeWidth = 2;

ui::Rect insideEdge(const ui::Rect& rect) {
    return {rect.left + kEdgeWidth, rect.top + kEdgeWidth, rect.right - kEdgeWidth,
            rect.bottom - kEdgeWidth};
}

}  // namespace

ColorPickerButton::ColorPickerButton() = default;

ColorPickerButton::~ColorPickerButton() = default;

bool ColorPickerButton::attach(ui::PropertyPage& page, int32_t id) {
    page_ = &page;
    return subclassDlgItem(id, page);
}

void ColorPickerButton::setColor(ui::ColorRef color) {
    color_ = color;
    invalidate();
}

void ColorPickerButton::takeColor(ui::ColorRef color) {
    setColor(color);
    // A popup may outlive the page's window (the sheet closed under it); without the
    // controls there is nothing to take, and the fields must keep their values.
    if (page_ && page_->isWindow()) page_->updateData(true);
}

void ColorPickerButton::DrawItem(const ui::DrawItem& item) {
    ui::Canvas& canvas = *item.canvas;
    canvas.fillRect(item.rect, color_);
    const bool pressed = (item.state & ui::kOdsSelected) != 0;
    canvas.drawEdge(item.rect, pressed ? ui::kEdgeSunken : ui::kEdgeRaised, ui::kBfRect);
    if (item.state & ui::kOdsDisabled) {
        // No colour while it cannot be chosen.
        const ui::Rect inside = insideEdge(item.rect);
        canvas.fillRect(inside, backend().getSysColor(ui::kColor3DFace));
        canvas.frameRect(inside, backend().getSysColor(ui::kColorGrayText));
    }
}

bool ColorPickerButton::OnClicked() {
    if (!popup_ || !popup_->isWindow()) {
        popup_ = std::make_unique<ColorPalettePopup>(*this);
        popup_->create();
    }
    popup_->show(ui::kSwShow);
    if (page_) page_->SetModified();
    return true;
}
