#include "simhost/ui/MessageBoxLayout.h"

#include <algorithm>

#include "platform/ui/WinApiConstants.h"
#include "simhost/ui/TextMetrics.h"

namespace simhost::headless {

std::vector<int32_t> MessageBoxLayout::buttonIds(uint32_t type) {
    switch (type & ui::kMbButtonsMask) {
        case ui::kMbOkCancel:
            return {ui::kIdOk, ui::kIdCancel};
        case ui::kMbYesNoCancel:
            return {ui::kIdYes, ui::kIdNo, ui::kIdCancel};
        case ui::kMbYesNo:
            return {ui::kIdYes, ui::kIdNo};
        default:
            return {ui::kIdOk};
    }
}

const char* MessageBoxLayout::buttonText(int32_t id) {
    switch (id) {
        case ui::kIdOk:
            return "OK";
        case ui::kIdCancel:
            return "Cancel";
        case ui::kIdYes:
            return "Yes";
        case ui::kIdNo:
            return "No";
        default:
            return "";
    }
}

int32_t MessageBoxLayout::defaultButton(uint32_t type) {
    std::vector<int32_t> ids = buttonIds(type);
    size_t index = 0;
    if ((type & ui::kMbDefButtonMask) == ui::kMbDefButton2) index = 1;
    if ((type & ui::kMbDefButtonMask) == ui::kMbDefButton3) index = 2;
    return index < ids.size() ? ids[index] : ids.front();
}

int32_t MessageBoxLayout::escapeAnswer(uint32_t type) {
    std::vector<int32_t> ids = buttonIds(type);
    if (std::find(ids.begin(), ids.end(), ui::kIdCancel) != ids.end()) return ui::kIdCancel;
    if (ids.size() == 1 && ids.front() == ui::kIdOk) return ui::kIdOk;
    return 0;
}

MessageBoxLayout MessageBoxLayout::compute(const std::string& text, uint32_t type) {
    MessageBoxLayout layout;
    layout.hasIcon = (type & ui::kMbIconMask) != 0;
    const int32_t iconPart = layout.hasIcon ? kIconSize + kMargin : 0;
    const int32_t textWidth = TextMetrics::width(text);
    const int32_t textHeight = TextMetrics::lineCount(text) * TextMetrics::kLineHeight;
    const int32_t contentHeight = std::max(textHeight, layout.hasIcon ? kIconSize : 0);

    std::vector<int32_t> ids = buttonIds(type);
    const int32_t count = static_cast<int32_t>(ids.size());
    const int32_t rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int32_t width =
        std::max(kMargin + iconPart + textWidth + kMargin, rowWidth + 2 * kMargin);
    const int32_t buttonsTop = kMargin + contentHeight + kMargin;
    layout.clientSize = {width, buttonsTop + kButtonHeight + kMargin};

    if (layout.hasIcon)
        layout.iconRect = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    layout.textRect = {kMargin + iconPart, kMargin, kMargin + iconPart + textWidth,
                       kMargin + textHeight};
    int32_t x = (width - rowWidth) / 2;
    for (int32_t id : ids) {
        layout.buttons.push_back(
            {id, buttonText(id), {x, buttonsTop, x + kButtonWidth, buttonsTop + kButtonHeight}});
        x += kButtonWidth + kButtonGap;
    }
    return layout;
}

}  // namespace simhost::headless
