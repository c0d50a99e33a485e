#include "simhost/ui/ControlContents.h"

#include <algorithm>
#include <cstddef>

namespace simhost::headless {
namespace {

bool isIndexOf(int32_t index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) < size;
}

// Where an insertion at index lands: clamped to the ends.
std::ptrdiff_t insertionPoint(int32_t index, size_t size) {
    return static_cast<std::ptrdiff_t>(std::min(static_cast<size_t>(std::max(0, index)), size));
}

}  // namespace

void ControlContents::selectEntry(HeadlessWindow& list, int32_t index) {
    list.selection = isIndexOf(index, list.entries.size()) ? index : -1;
}

void ControlContents::selectTab(HeadlessWindow& tabs, int32_t index) {
    if (isIndexOf(index, tabs.entries.size())) tabs.selection = index;
}

void ControlContents::setTrackbarRange(HeadlessWindow& trackbar, int32_t minimum, int32_t maximum) {
    trackbar.trackbarMinimum = minimum;
    trackbar.trackbarMaximum = std::max(minimum, maximum);
    setTrackbarPosition(trackbar, trackbar.trackbarPosition);
}

void ControlContents::setTrackbarPosition(HeadlessWindow& trackbar, int32_t position) {
    trackbar.trackbarPosition =
        std::clamp(position, trackbar.trackbarMinimum, trackbar.trackbarMaximum);
}

void ControlContents::insertColumn(HeadlessWindow& list, int32_t column, const std::string& text,
                                   int32_t width) {
    list.columns.insert(list.columns.begin() + insertionPoint(column, list.columns.size()),
                        {text, width});
}

int32_t ControlContents::insertRow(HeadlessWindow& list, int32_t row, const std::string& text) {
    const std::ptrdiff_t at = insertionPoint(row, list.rows.size());
    std::vector<std::string> cells(std::max<size_t>(1, list.columns.size()));
    cells[0] = text;
    list.rows.insert(list.rows.begin() + at, cells);
    return static_cast<int32_t>(at);
}

void ControlContents::setCell(HeadlessWindow& list, int32_t row, int32_t column,
                              const std::string& text) {
    if (!isIndexOf(row, list.rows.size()) || column < 0) return;
    std::vector<std::string>& cells = list.rows[static_cast<size_t>(row)];
    const size_t at = static_cast<size_t>(column);
    if (at >= cells.size()) cells.resize(at + 1);
    cells[at] = text;
}

std::string ControlContents::cell(const HeadlessWindow& list, int32_t row, int32_t column) {
    if (!isIndexOf(row, list.rows.size())) return {};
    const std::vector<std::string>& cells = list.rows[static_cast<size_t>(row)];
    return isIndexOf(column, cells.size()) ? cells[static_cast<size_t>(column)] : std::string();
}

void ControlContents::addToolbarButtons(HeadlessWindow& toolbar, int32_t bitmapId,
                                        ui::Size imageSize,
                                        const std::vector<ui::ToolbarButton>& buttons) {
    toolbar.toolbarBitmap = bitmapId;
    toolbar.toolbarImageSize = imageSize;
    toolbar.toolbarButtons.insert(toolbar.toolbarButtons.end(), buttons.begin(), buttons.end());
    toolbar.rect.bottom = toolbar.rect.top + imageSize.cy + 7 + 4;
}

void ControlContents::setToolbarButtonState(HeadlessWindow& toolbar, int32_t command,
                                            uint8_t state) {
    for (ui::ToolbarButton& b : toolbar.toolbarButtons) {
        if (b.command == command) b.state = state;
    }
}

uint8_t ControlContents::toolbarButtonState(const HeadlessWindow& toolbar, int32_t command) {
    for (const ui::ToolbarButton& b : toolbar.toolbarButtons) {
        if (b.command == command) return b.state;
    }
    return 0;
}

ui::ToolbarButton ControlContents::toolbarButton(const HeadlessWindow& toolbar, int32_t index) {
    if (!isIndexOf(index, toolbar.toolbarButtons.size())) return ui::ToolbarButton{0, 0, 0};
    return toolbar.toolbarButtons[static_cast<size_t>(index)];
}

ui::Rect ControlContents::toolbarItemRect(const HeadlessWindow& toolbar, int32_t index) {
    if (!isIndexOf(index, toolbar.toolbarButtons.size())) return {};
    const ui::Size button{toolbar.toolbarImageSize.cx + 7, toolbar.toolbarImageSize.cy + 7};
    return ui::Rect::fromPointSize({index * button.cx, 2}, button);
}

void ControlContents::setStatusParts(HeadlessWindow& statusBar, const std::vector<int32_t>& edges) {
    statusBar.statusParts.resize(edges.size());
    for (size_t i = 0; i < edges.size(); ++i) statusBar.statusParts[i].rightEdge = edges[i];
}

void ControlContents::setStatusText(HeadlessWindow& statusBar, int32_t part,
                                    const std::string& text, uint32_t style) {
    if (statusBar.statusParts.empty()) statusBar.statusParts.resize(1);
    if (!isIndexOf(part, statusBar.statusParts.size())) return;
    statusBar.statusParts[static_cast<size_t>(part)].text = text;
    statusBar.statusParts[static_cast<size_t>(part)].style = style;
}

std::string ControlContents::statusText(const HeadlessWindow& statusBar, int32_t part) {
    if (!isIndexOf(part, statusBar.statusParts.size())) return {};
    return statusBar.statusParts[static_cast<size_t>(part)].text;
}

}  // namespace simhost::headless
