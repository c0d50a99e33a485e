// A dialog window built from a template, in the manner of MFC's CDialog: modal or
// modeless, an initialisation hook, handlers by control id, virtual OK and Cancel
// handlers (Enter and Escape run them), data exchange between controls and fields, and
// a clean-up hook after the window is gone, where a self-deleting window deletes itself.
// A control taken over by an object (Control) has its clicks and painting reflected to
// that object before the dialog's handlers see them.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/ui/Backend.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/WindowEvents.h"

namespace ui {

class Control;
class RuntimeClass;

class Dialog : private WindowEvents {
public:
    explicit Dialog(DialogTemplate dialogTemplate, WindowHandle parent = WindowHandle());
    // Destroys a window that still exists, without running PostNcDestroy; the objects
    // that took over its controls let go of them.
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // --- Life of the window

    // Creates the window modeless; the parent given here replaces the constructor's.
    // False when it exists already or cannot be created.
    bool create();
    bool create(WindowHandle parent);
    // Creates the window, runs it modally and destroys it; answers what endDialog was
    // given, or kIdCancel when the window cannot be created.
    intptr_t doModal();
    // Ends a modal run with the result; hides a modeless window.
    void endDialog(intptr_t result);
    // Destroys the window. PostNcDestroy runs before this returns, so a self-deleting
    // dialog is gone afterwards: nothing of it may be used then.
    bool destroyWindow();
    // The window still exists.
    bool isWindow() const;
    bool isModal() const { return modal_; }
    WindowHandle handle() const { return window_; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    // The backend the window lives in (the current one before it is created).
    Backend& backend() const;

    // --- Hooks, in the manner of MFC's virtual handlers

    // After the controls exist, before the window is shown; answers whether the system
    // should set the focus. The base moves the fields into the controls.
    virtual bool OnInitDialog();
    // IDOK (Enter): the base moves the controls into the fields and ends the dialog
    // with kIdOk (modal) or destroys it (modeless).
    virtual void OnOK();
    // IDCANCEL (Escape): the base ends the dialog with kIdCancel or destroys it.
    virtual void OnCancel();
    // WM_CLOSE (the close box): the base runs IDCANCEL as a dialog does.
    virtual void OnClose();
    // WM_DESTROY: the window and its children still exist.
    virtual void OnDestroy();
    // WM_NCDESTROY: the window is gone; a self-deleting dialog deletes itself here.
    virtual void PostNcDestroy();
    virtual void DoDataExchange(DataExchange& dx);
    // A mouse button pressed or released over the window or, while it has the capture,
    // anywhere; the point is in its client coordinates.
    virtual void OnMouseButton(uint32_t message, Point point);
    // The run-time class record of classes that carry one; null otherwise.
    virtual const RuntimeClass* GetRuntimeClass() const;

    // Runs DoDataExchange in the direction given (true: controls into fields); the
    // controls' notifications meanwhile are not handled.
    bool updateData(bool saveAndValidate = true);

    // --- Controls by id

    WindowHandle item(int32_t id) const;
    void enableItem(int32_t id, bool enable);
    bool isItemEnabled(int32_t id) const;
    void showItem(int32_t id, bool show);
    bool isItemVisible(int32_t id) const;
    void setItemText(int32_t id, const std::string& text);
    std::string itemText(int32_t id) const;
    void setCheck(int32_t id, int32_t state);
    int32_t checkState(int32_t id) const;
    // Checks checkId and clears every other button with an id from firstId to lastId.
    void checkRadioButton(int32_t firstId, int32_t lastId, int32_t checkId);
    // The control's rectangle in this dialog's client coordinates, in pixels.
    Rect itemRect(int32_t id) const;
    void moveItem(int32_t id, const Rect& rect);

    // --- This window

    void show(int32_t command);
    void enable(bool enable);
    void setText(const std::string& text);
    std::string text() const;
    // In screen coordinates.
    Rect windowRect() const;
    Rect clientRect() const;
    // Dialog units of this dialog's font to pixels.
    Rect mapDialogRect(const UnitRect& units) const;
    void setWindowPos(WindowHandle insertAfter, Point position, Size size, uint32_t flags);
    // Moves and sizes without changing the order or activating: a child in its parent's
    // client coordinates, a top-level window on the screen.
    void moveWindow(const Rect& rect);
    // Above all non-topmost windows (or back among them), neither moved nor sized.
    void setTopmost(bool topmost);
    void bringToFront();
    void activate();
    // A message box owned by this window.
    int32_t messageBox(const std::string& text, const std::string& caption, uint32_t type);

protected:
    // --- The message map: register handlers in the constructor

    void mapCommand(int32_t id, int32_t notification, MessageMap::CommandHandler handler);
    // A click on a button or a notifying picture (BN_CLICKED, STN_CLICKED).
    void mapClicked(int32_t id, MessageMap::CommandHandler handler);
    template <class T>
    void mapClicked(int32_t id, void (T::*handler)()) {
        T* self = static_cast<T*>(this);
        mapClicked(id, [self, handler]() { (self->*handler)(); });
    }
    void mapNotify(int32_t id, int32_t code, MessageMap::NotifyHandler handler);
    // WM_HSCROLL from a trackbar.
    void mapScroll(int32_t id, MessageMap::ScrollHandler handler);
    // WM_DRAWITEM for an owner-drawn control.
    void mapDrawItem(int32_t id, MessageMap::DrawHandler handler);

    // Lets a class adjust its template just before the window is created.
    virtual void prepareTemplate(DialogTemplate& dialogTemplate);
    DialogTemplate& mutableTemplate() { return template_; }

private:
    friend class Control;
    void attachControl(Control& control);
    void detachControl(Control& control);
    void releaseControls();
    Control* controlOf(int32_t id) const;

    void wmCreate(WindowHandle window) override;
    bool wmInitDialog() override;
    void wmCommand(int32_t id, int32_t notification) override;
    void wmNotify(int32_t id, int32_t code, intptr_t parameter) override;
    void wmHScroll(int32_t id, int32_t code) override;
    void wmDrawItem(const DrawItem& item) override;
    void wmMouseButton(uint32_t message, Point point) override;
    void wmControlMouseMove(int32_t controlId, Point point) override;
    void wmClose() override;
    void wmDestroy() override;
    void wmNcDestroy() override;

    DialogTemplate template_;
    WindowHandle parent_;
    WindowHandle window_;
    Backend* backend_ = nullptr;
    MessageMap messageMap_;
    // The controls taken over by objects, by control id.
    std::map<int32_t, Control*> controls_;
    bool modal_ = false;
    // While updateData runs.
    bool notificationsLocked_ = false;
    bool inDestructor_ = false;
};

}  // namespace ui
