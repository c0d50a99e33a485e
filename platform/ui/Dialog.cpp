#include "platform/ui/Dialog.h"

#include <utility>

#include "platform/ui/Control.h"

namespace ui {

Dialog::Dialog(DialogTemplate dialogTemplate, WindowHandle parent)
    : template_(std::move(dialogTemplate)), parent_(parent) {}

Dialog::~Dialog() {
    if (window_ && backend_) {
        // Too late for the deriving class's clean-up: its part of the object is gone.
        inDestructor_ = true;
        backend_->destroyWindow(window_);
    }
    releaseControls();
}

Backend& Dialog::backend() const {
    return backend_ ? *backend_ : Backend::current();
}

// --- Life of the window

bool Dialog::create() {
    return create(parent_);
}

bool Dialog::create(WindowHandle parent) {
    if (isWindow()) return false;
    parent_ = parent;
    backend_ = &Backend::current();
    prepareTemplate(template_);
    return static_cast<bool>(backend_->createDialog(template_, parent_, *this));
}

intptr_t Dialog::doModal() {
    modal_ = true;
    if (!create(parent_)) {
        modal_ = false;
        return kIdCancel;
    }
    // The dialog may delete itself when its window goes: keep what is needed after.
    Backend* backend = backend_;
    WindowHandle window = window_;
    intptr_t result = backend->runModalLoop(window);
    backend->destroyWindow(window);
    return result;
}

void Dialog::endDialog(intptr_t result) {
    if (modal_) {
        backend().endModalLoop(window_, result);
    } else {
        backend().showWindow(window_, kSwHide);
    }
}

bool Dialog::destroyWindow() {
    if (!window_) return false;
    Backend* backend = backend_;
    return backend->destroyWindow(window_);
}

bool Dialog::isWindow() const {
    return window_ && backend().isWindow(window_);
}

// --- Hooks

bool Dialog::OnInitDialog() {
    updateData(false);
    return true;
}

void Dialog::OnOK() {
    if (!updateData(true)) return;
    if (modal_) {
        endDialog(kIdOk);
    } else {
        destroyWindow();
    }
}

void Dialog::OnCancel() {
    if (modal_) {
        endDialog(kIdCancel);
    } else {
        destroyWindow();
    }
}

void Dialog::OnClose() {
    wmCommand(kIdCancel, kBnClicked);
}

void Dialog::OnDestroy() {}

void Dialog::PostNcDestroy() {}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnMouseButton(uint32_t, Point) {}

const RuntimeClass* Dialog::GetRuntimeClass() const {
    return nullptr;
}

void Dialog::prepareTemplate(DialogTemplate&) {}

// As in MFC, the controls' notifications are not handled while their values move:
// setting an edit's text must not run the handler of a user's edit halfway through.
bool Dialog::updateData(bool saveAndValidate) {
    const bool wasLocked = notificationsLocked_;
    notificationsLocked_ = true;
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    notificationsLocked_ = wasLocked;
    return true;
}

// --- Controls by id

WindowHandle Dialog::item(int32_t id) const {
    if (!window_) return {};
    return backend().getDlgItem(window_, id);
}

void Dialog::enableItem(int32_t id, bool enable) {
    backend().enableWindow(item(id), enable);
}

bool Dialog::isItemEnabled(int32_t id) const {
    return backend().isWindowEnabled(item(id));
}

void Dialog::showItem(int32_t id, bool show) {
    backend().showWindow(item(id), show ? kSwShowNa : kSwHide);
}

bool Dialog::isItemVisible(int32_t id) const {
    return backend().isWindowVisible(item(id));
}

void Dialog::setItemText(int32_t id, const std::string& text) {
    backend().setWindowText(item(id), text);
}

std::string Dialog::itemText(int32_t id) const {
    return backend().getWindowText(item(id));
}

void Dialog::setCheck(int32_t id, int32_t state) {
    backend().setCheck(item(id), state);
}

int32_t Dialog::checkState(int32_t id) const {
    return backend().getCheck(item(id));
}

void Dialog::checkRadioButton(int32_t firstId, int32_t lastId, int32_t checkId) {
    for (int32_t id = firstId; id <= lastId; ++id) {
        setCheck(id, id == checkId ? kBstChecked : kBstUnchecked);
    }
}

Rect Dialog::itemRect(int32_t id) const {
    WindowHandle control = item(id);
    if (!control) return {};
    Rect screen = backend().getWindowRect(control);
    Point topLeft = backend().screenToClient(window_, screen.topLeft());
    return Rect::fromPointSize(topLeft, screen.size());
}

void Dialog::moveItem(int32_t id, const Rect& rect) {
    backend().setWindowPos(item(id), WindowHandle(), rect.topLeft(), rect.size(),
                           kSwpNoZOrder | kSwpNoActivate);
}

// --- This window

void Dialog::show(int32_t command) {
    backend().showWindow(window_, command);
}

void Dialog::enable(bool enable) {
    backend().enableWindow(window_, enable);
}

void Dialog::setText(const std::string& text) {
    backend().setWindowText(window_, text);
}

std::string Dialog::text() const {
    return backend().getWindowText(window_);
}

Rect Dialog::windowRect() const {
    return backend().getWindowRect(window_);
}

Rect Dialog::clientRect() const {
    return backend().getClientRect(window_);
}

Rect Dialog::mapDialogRect(const UnitRect& units) const {
    return backend().mapDialogRect(window_, units);
}

void Dialog::setWindowPos(WindowHandle insertAfter, Point position, Size size, uint32_t flags) {
    backend().setWindowPos(window_, insertAfter, position, size, flags);
}

void Dialog::moveWindow(const Rect& rect) {
    setWindowPos(WindowHandle(), rect.topLeft(), rect.size(), kSwpNoZOrder | kSwpNoActivate);
}

void Dialog::setTopmost(bool topmost) {
    setWindowPos(topmost ? kInsertTopmost : kInsertNoTopmost, Point(), Size(),
                 kSwpNoMove | kSwpNoSize);
}

void Dialog::bringToFront() {
    backend().bringWindowToTop(window_);
}

void Dialog::activate() {
    backend().setActiveWindow(window_);
}

int32_t Dialog::messageBox(const std::string& text, const std::string& caption, uint32_t type) {
    return backend().messageBox(window_, text, caption, type);
}

// --- Message map

void Dialog::mapCommand(int32_t id, int32_t notification, MessageMap::CommandHandler handler) {
    messageMap_.addCommand(id, notification, std::move(handler));
}

void Dialog::mapClicked(int32_t id, MessageMap::CommandHandler handler) {
    mapCommand(id, kBnClicked, std::move(handler));
}

void Dialog::mapNotify(int32_t id, int32_t code, MessageMap::NotifyHandler handler) {
    messageMap_.addNotify(id, code, std::move(handler));
}

void Dialog::mapScroll(int32_t id, MessageMap::ScrollHandler handler) {
    messageMap_.addScroll(id, std::move(handler));
}

void Dialog::mapDrawItem(int32_t id, MessageMap::DrawHandler handler) {
    messageMap_.addDrawItem(id, std::move(handler));
}

// --- Controls taken over by objects

void Dialog::attachControl(Control& control) {
    Control*& slot = controls_[control.controlId()];
    // One object per control: the one that held it lets go.
    if (slot && slot != &control) slot->release();
    slot = &control;
}

void Dialog::detachControl(Control& control) {
    auto it = controls_.find(control.controlId());
    if (it != controls_.end() && it->second == &control) controls_.erase(it);
}

void Dialog::releaseControls() {
    std::map<int32_t, Control*> controls;
    controls.swap(controls_);
    for (auto& entry : controls) entry.second->release();
}

Control* Dialog::controlOf(int32_t id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

// --- Window messages

void Dialog::wmCreate(WindowHandle window) {
    window_ = window;
}

bool Dialog::wmInitDialog() {
    return OnInitDialog();
}

void Dialog::wmCommand(int32_t id, int32_t notification) {
    if (notificationsLocked_) return;
    if (Control* control = controlOf(id)) {
        if (control->OnChildNotify(notification)) return;
    }
    if (messageMap_.dispatchCommand(id, notification)) return;
    if (notification != kBnClicked) return;
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    }
}

void Dialog::wmNotify(int32_t id, int32_t code, intptr_t parameter) {
    if (notificationsLocked_) return;
    messageMap_.dispatchNotify(id, code, parameter);
}

void Dialog::wmHScroll(int32_t id, int32_t code) {
    messageMap_.dispatchScroll(id, code);
}

void Dialog::wmDrawItem(const DrawItem& item) {
    if (Control* control = controlOf(item.controlId)) {
        if (control->OnReflectedDrawItem(item)) return;
    }
    messageMap_.dispatchDrawItem(item);
}

void Dialog::wmMouseButton(uint32_t message, Point point) {
    OnMouseButton(message, point);
}

void Dialog::wmControlMouseMove(int32_t controlId, Point point) {
    if (Control* control = controlOf(controlId)) control->OnMouseMove(point);
}

void Dialog::wmClose() {
    OnClose();
}

void Dialog::wmDestroy() {
    OnDestroy();
}

void Dialog::wmNcDestroy() {
    releaseControls();
    window_ = WindowHandle();
    // The next window may live in another backend; this one may go before the object.
    backend_ = nullptr;
    modal_ = false;
    // Last: a self-deleting dialog is gone after this.
    if (!inDestructor_) PostNcDestroy();
}

}  // namespace ui
