#include "platform/ui/Button.h"

#include "platform/ui/WinApiConstants.h"

namespace ui {

void Button::DrawItem(const ui::DrawItem&) {}

bool Button::OnClicked() {
    return false;
}

bool Button::OnChildNotify(int32_t notification) {
    return notification == kBnClicked && OnClicked();
}

bool Button::OnReflectedDrawItem(const ui::DrawItem& item) {
    DrawItem(item);
    return true;
}

}  // namespace ui
