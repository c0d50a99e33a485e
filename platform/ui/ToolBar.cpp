#include "platform/ui/ToolBar.h"

#include "platform/ui/Dialog.h"

namespace ui {

bool ToolBar::create(Dialog& parent, int32_t id, uint32_t style) {
    return createIn(parent, ControlTemplate(id, ControlKind::Toolbar, "", UnitRect(), style));
}

void ToolBar::loadToolBar(const ToolbarResource& resource) {
    std::vector<ToolbarButton> buttons;
    int32_t image = 0;
    for (int32_t command : resource.commands) {
        ToolbarButton button;
        button.command = command;
        button.image = command == 0 ? -1 : image++;
        buttons.push_back(button);
    }
    backend().addToolbarButtons(handle(), resource.bitmapId, resource.imageSize, buttons);
}

void ToolBar::makeRoomInParent() {
    Dialog* dialog = parentDialog();
    if (!dialog || !dialog->handle()) return;
    Backend& windows = backend();
    const int32_t height = windowRect().height();
    for (WindowHandle child : windows.getChildWindows(dialog->handle())) {
        if (child == handle()) continue;
        const Rect screen = windows.getWindowRect(child);
        const Point topLeft = windows.screenToClient(dialog->handle(), screen.topLeft());
        windows.setWindowPos(child, WindowHandle(), {topLeft.x, topLeft.y + height}, Size(),
                             kSwpNoSize | kSwpNoZOrder | kSwpNoActivate);
    }
    const Rect frame = dialog->windowRect();
    dialog->setWindowPos(WindowHandle(), Point(), {frame.width(), frame.height() + height},
                         kSwpNoMove | kSwpNoZOrder | kSwpNoActivate);
}

uint8_t ToolBar::buttonState(int32_t command) const {
    return backend().getToolbarButtonState(handle(), command);
}

void ToolBar::setButtonState(int32_t command, uint8_t state) {
    backend().setToolbarButtonState(handle(), command, state);
}

int32_t ToolBar::buttonCount() const {
    return backend().getToolbarButtonCount(handle());
}

int32_t ToolBar::commandAt(int32_t index) const {
    return backend().getToolbarButton(handle(), index).command;
}

Rect ToolBar::itemRect(int32_t index) const {
    return backend().getToolbarItemRect(handle(), index);
}

int32_t ToolBar::commandAtPoint(Point point) const {
    const int32_t count = buttonCount();
    for (int32_t i = 0; i < count; ++i) {
        if (itemRect(i).contains(point)) return commandAt(i);
    }
    return 0;
}

}  // namespace ui
