#include "core/CommandBarsAccess.h"

CommandBarsAccess::CommandBarsAccess(const visio::VApplication& application,
                                     const visio::VUIObject& uiObject)
    : application_(application), uiObject_(uiObject) {}

bool CommandBarsAccess::isSet() const {
    return !uiObject_.isEmpty();
}

CommandBarsAccess CommandBarsAccess::fromApplication() const {
    return CommandBarsAccess(application_, uiObject_.Clone());
}

void CommandBarsAccess::reset() const {
    uiObject_.UpdateUI();
}

void CommandBarsAccess::release() {
    uiObject_.release();
}
