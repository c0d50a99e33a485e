#include "core/ToolbarButton.h"

#include "core/CommandBarObject.h"
#include "helpers/AddonConstants.h"
#include "platform/visio/VToolbar.h"
#include "platform/visio/VToolbarItems.h"

namespace {

// A button runs this add-on through its add-on name; style 2 shows the face.
constexpr int16_t kButtonStyle = 2;
// The three display values of a button are bound to these item properties: the control
// type (1: a button), the priority (the second value), and the visibility (1: shown).
constexpr int16_t kFirstDisplayValue = 1;
constexpr bool kThirdDisplayValue = true;

}  // namespace

ButtonLook switchButtonLook(const std::string& tooltip, const std::string& tag,
                            const std::string& caption, int iconNumber, bool running,
                            bool enabled) {
    ButtonLook look;
    look.tooltip = tooltip;
    look.tag = tag;
    look.hasCaption = true;
    look.caption = caption;
    look.secondDisplayValue = 3;
    look.iconNumber = iconNumber;
    look.enabled = running || enabled;
    look.hasState = true;
    look.state = running ? -1 : 0;
    return look;
}

std::string buttonFace(int iconNumber) {
    return buttonFacePrefix + std::to_string(iconNumber);
}

visio::VToolbarItem getButtonControl(const CommandBarObject* bar) {
    if (!bar) return visio::VToolbarItem();
    return bar->toolbar().ToolbarItems().Add();
}

void setUpButton(const visio::VToolbarItem& item, const ButtonLook& look) {
    if (item.isEmpty()) return;
    item.SetTooltipText(look.tooltip);
    item.SetAddOnName(addonName);
    item.SetAddOnArgs(look.tag);
    item.SetStyle(kButtonStyle);
    if (look.hasCaption) item.SetCaption(look.caption);
    item.SetCntrlType(kFirstDisplayValue);
    item.SetPriority(look.secondDisplayValue);
    item.SetIconFileName(buttonFace(look.iconNumber));
    item.SetVisible(kThirdDisplayValue);
    item.SetEnabled(look.enabled);
    if (look.hasState) item.SetState(look.state);
}
