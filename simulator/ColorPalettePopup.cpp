#include "simulator/ColorPalettePopup.h"

#include <algorithm>
#include <optional>

#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog5100Palette.h"
#include "simulator/ColorPickerButton.h"

namespace {

// COLORREF is 0x00BBGGRR.
constexpr std::array<ui::ColorRef, ColorPalette::kSize> kInitialColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
    0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF,
    0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
constexpr std::array<int32_t, ColorPalette::kSize> kInitialRanks = {
    1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2,
};

bool isEntry(int32_t entry) {
    return entry >= 0 && entry < ColorPalette::kSize;
}

}  // namespace

// --- The shared palette

ColorPalette& ColorPalette::shared() {
    static ColorPalette palette;
    return palette;
}

ColorPalette::ColorPalette() {
    reset();
}

void ColorPalette::reset() {
    colors_ = kInitialColors;
    ranks_ = kInitialRanks;
}

ui::ColorRef ColorPalette::color(int32_t entry) const {
    return isEntry(entry) ? colors_[static_cast<size_t>(entry)] : 0;
}

int32_t ColorPalette::rank(int32_t entry) const {
    return isEntry(entry) ? ranks_[static_cast<size_t>(entry)] : 0;
}

int32_t ColorPalette::find(ui::ColorRef color) const {
    auto it = std::find(colors_.begin(), colors_.end(), color);
    return it == colors_.end() ? -1 : static_cast<int32_t>(it - colors_.begin());
}

int32_t ColorPalette::leastRecentlyUsed() const {
    auto it = std::find(ranks_.begin(), ranks_.end(), kSize);
    return static_cast<int32_t>(it - ranks_.begin());
}

void ColorPalette::use(int32_t entry) {
    if (!isEntry(entry)) return;
    const int32_t was = ranks_[static_cast<size_t>(entry)];
    for (int32_t& r : ranks_) {
        if (r < was) ++r;
    }
    ranks_[static_cast<size_t>(entry)] = 1;
}

int32_t ColorPalette::take(ui::ColorRef color) {
    int32_t entry = find(color);
    if (entry >= 0) return entry;
    entry = leastRecentlyUsed();
    colors_[static_cast<size_t>(entry)] = color;
    return entry;
}

// --- The popup

ColorPalettePopup::ColorPalettePopup(ColorPickerButton& owner)
    : ui::Dialog(dialog5100::make()), owner_(owner) {
    for (int32_t id = dialog5100::kFirstSwatch; id <= dialog5100::kLastSwatch; ++id) {
        const int32_t entry = id - dialog5100::kFirstSwatch;
        mapClicked(id, [this, entry]() { onSwatchClicked(entry); });
        mapDrawItem(id, [this](const ui::DrawItem& item) { drawSwatch(item); });
    }
    mapClicked(dialog5100::kOther, &ColorPalettePopup::onOtherClicked);
}

ColorPalettePopup::~ColorPalettePopup() = default;

ui::Point ColorPalettePopup::placement(const ui::Rect& button, ui::Size popup, ui::Size screen) {
    ui::Point at{button.left, button.bottom};
    if (at.y + popup.cy > screen.cy) at.y = button.top - popup.cy;
    if (at.x + popup.cx > screen.cx) at.x = screen.cx - popup.cx;
    return at;
}

bool ColorPalettePopup::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    const ui::Point at =
        placement(owner_.windowRect(), windowRect().size(), backend().screenSize());
    setWindowPos(ui::WindowHandle(), at, ui::Size(),
                 ui::kSwpNoSize | ui::kSwpNoZOrder | ui::kSwpNoActivate);
    backend().setCapture(handle());
    return true;
}

void ColorPalettePopup::OnMouseButton(uint32_t message, ui::Point point) {
    const ui::Point onScreen = backend().clientToScreen(handle(), point);
    if (message == ui::kWmLButtonDown && !windowRect().contains(onScreen)) {
        picked_ = -1;
        close();
        return;
    }
    pressChildAt(point);
}

void ColorPalettePopup::pressChildAt(ui::Point point) {
    // Pressing the popup itself again would come straight back here.
    const ui::WindowHandle child = backend().childWindowFromPoint(handle(), point);
    if (!child || child == handle()) return;
    const ui::Point inChild =
        backend().screenToClient(child, backend().clientToScreen(handle(), point));
    backend().sendMessage(child, ui::kWmLButtonDown, 0, ui::pointParam(inChild));
}

void ColorPalettePopup::drawSwatch(const ui::DrawItem& item) {
    const ColorPalette& palette = ColorPalette::shared();
    item.canvas->fillRect(item.rect, palette.color(item.controlId - dialog5100::kFirstSwatch));
    item.canvas->frameRect(item.rect, backend().getSysColor(ui::kColor3DShadow));
}

void ColorPalettePopup::onSwatchClicked(int32_t entry) {
    pick(entry);
    close();
}

void ColorPalettePopup::onOtherClicked() {
    backend().releaseCapture();
    const std::optional<ui::ColorRef> chosen =
        backend().chooseColor(handle(), owner_.color(), ui::kCcRgbInit | ui::kCcFullOpen);
    if (!chosen) {
        backend().setCapture(handle());
        return;
    }
    pick(ColorPalette::shared().take(*chosen));
    close();
}

void ColorPalettePopup::pick(int32_t entry) {
    picked_ = entry;
    ColorPalette::shared().use(entry);
}

void ColorPalettePopup::close() {
    if (picked_ >= 0) owner_.takeColor(ColorPalette::shared().color(picked_));
    backend().releaseCapture();
    destroyWindow();
}
