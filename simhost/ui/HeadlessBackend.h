// The window backend of the stand-in host: every window lives in memory, nothing is
// drawn, and tests and the runner play the user through HeadlessUser. Message boxes,
// the colour dialog, the folder browser and modal dialogs take their answers from
// queues (a message box with none queued answers its default button); every message
// box, help call, WM_CLOSE, colour and folder request is recorded.
//
// The message box is a real window of the backend ("#32770", captioned, with its text,
// icon and button children laid out by MessageBoxLayout), activated through the
// thread's CBT hooks before it is answered, so a hook can read and move its buttons.
//
// A few things differ from Windows where nothing of the add-on depends on them: WM_CLOSE
// to a window without a dialog behind it hides it; the active window that is destroyed
// leaves no window active, except that a message box gives the activation back to the
// window that had it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "simhost/ui/AnswerQueue.h"
#include "simhost/ui/DialogBuilder.h"
#include "simhost/ui/DialogMessenger.h"
#include "simhost/ui/HookChain.h"
#include "simhost/ui/Records.h"
#include "simhost/ui/WindowTree.h"

namespace simhost::headless {

class HeadlessBackend : public ui::Backend {
public:
    HeadlessBackend();
    // Destroys the windows still open and withdraws itself when installed.
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // --- ui::Backend

    ui::WindowHandle createDialog(const ui::DialogTemplate& dialog, ui::WindowHandle parent,
                                  ui::WindowEvents& events) override;
    intptr_t runModalLoop(ui::WindowHandle dialog) override;
    void endModalLoop(ui::WindowHandle dialog, intptr_t result) override;
    bool destroyWindow(ui::WindowHandle window) override;
    bool isWindow(ui::WindowHandle window) override;
    ui::WindowHandle createControl(ui::WindowHandle dialog,
                                   const ui::ControlTemplate& control) override;

    ui::WindowHandle getDlgItem(ui::WindowHandle dialog, int32_t id) override;
    int32_t getDlgCtrlId(ui::WindowHandle window) override;
    ui::WindowHandle getParent(ui::WindowHandle window) override;
    std::vector<ui::WindowHandle> getChildWindows(ui::WindowHandle window) override;
    std::string getClassName(ui::WindowHandle window) override;
    ui::WindowHandle findWindow(const std::string& className, const std::string& title) override;
    ui::WindowHandle findChildWindow(ui::WindowHandle parent, const std::string& className,
                                     const std::string& title) override;

    void enableWindow(ui::WindowHandle window, bool enable) override;
    bool isWindowEnabled(ui::WindowHandle window) override;
    void showWindow(ui::WindowHandle window, int32_t command) override;
    bool isWindowVisible(ui::WindowHandle window) override;
    void setWindowText(ui::WindowHandle window, const std::string& text) override;
    std::string getWindowText(ui::WindowHandle window) override;

    ui::Rect getWindowRect(ui::WindowHandle window) override;
    ui::Rect getClientRect(ui::WindowHandle window) override;
    ui::Point clientToScreen(ui::WindowHandle window, ui::Point point) override;
    ui::Point screenToClient(ui::WindowHandle window, ui::Point point) override;
    void setWindowPos(ui::WindowHandle window, ui::WindowHandle insertAfter, ui::Point position,
                      ui::Size size, uint32_t flags) override;
    ui::Rect mapDialogRect(ui::WindowHandle dialog, const ui::UnitRect& units) override;
    ui::Size screenSize() override { return screen_; }

    void bringWindowToTop(ui::WindowHandle window) override;
    void setActiveWindow(ui::WindowHandle window) override;
    ui::WindowHandle getActiveWindow() override { return active_; }
    void invalidate(ui::WindowHandle window) override;
    void setCapture(ui::WindowHandle window) override;
    void releaseCapture() override { capture_ = ui::WindowHandle(); }
    ui::WindowHandle getCapture() override { return capture_; }
    ui::WindowHandle childWindowFromPoint(ui::WindowHandle parent, ui::Point point) override;

    intptr_t sendMessage(ui::WindowHandle window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;

    void setCheck(ui::WindowHandle button, int32_t state) override;
    int32_t getCheck(ui::WindowHandle button) override;
    int32_t addListEntry(ui::WindowHandle list, const std::string& text) override;
    void setListSelection(ui::WindowHandle list, int32_t index) override;
    int32_t getListSelection(ui::WindowHandle list) override;
    void setTabSelection(ui::WindowHandle tabs, int32_t index) override;
    int32_t getTabSelection(ui::WindowHandle tabs) override;
    void setTrackbarRange(ui::WindowHandle trackbar, int32_t minimum, int32_t maximum) override;
    void setTrackbarPosition(ui::WindowHandle trackbar, int32_t position, bool redraw) override;
    int32_t getTrackbarPosition(ui::WindowHandle trackbar) override;
    void setTrackbarTicFrequency(ui::WindowHandle trackbar, int32_t frequency) override;
    void clearTrackbarTics(ui::WindowHandle trackbar, bool redraw) override;
    void setTrackbarTipSide(ui::WindowHandle trackbar, int32_t side) override;

    void setListViewExtendedStyle(ui::WindowHandle list, uint32_t style) override;
    void insertListViewColumn(ui::WindowHandle list, int32_t column, const std::string& text,
                              int32_t width) override;
    int32_t insertListViewItem(ui::WindowHandle list, int32_t row,
                               const std::string& text) override;
    void setListViewItemText(ui::WindowHandle list, int32_t row, int32_t column,
                             const std::string& text) override;
    std::string getListViewItemText(ui::WindowHandle list, int32_t row, int32_t column) override;
    void deleteAllListViewItems(ui::WindowHandle list) override;
    int32_t getListViewItemCount(ui::WindowHandle list) override;

    void addToolbarButtons(ui::WindowHandle toolbar, int32_t bitmapId, ui::Size imageSize,
                           const std::vector<ui::ToolbarButton>& buttons) override;
    void setToolbarButtonState(ui::WindowHandle toolbar, int32_t command, uint8_t state) override;
    uint8_t getToolbarButtonState(ui::WindowHandle toolbar, int32_t command) override;
    int32_t getToolbarButtonCount(ui::WindowHandle toolbar) override;
    ui::ToolbarButton getToolbarButton(ui::WindowHandle toolbar, int32_t index) override;
    ui::Rect getToolbarItemRect(ui::WindowHandle toolbar, int32_t index) override;
    void setStatusBarParts(ui::WindowHandle statusBar, const std::vector<int32_t>& edges) override;
    void setStatusBarText(ui::WindowHandle statusBar, int32_t part, const std::string& text,
                          uint32_t style) override;
    std::string getStatusBarText(ui::WindowHandle statusBar, int32_t part) override;
    void setStatusBarMinHeight(ui::WindowHandle statusBar, int32_t height) override;

    int32_t messageBox(ui::WindowHandle owner, const std::string& text, const std::string& caption,
                       uint32_t type) override;
    std::optional<ui::ColorRef> chooseColor(ui::WindowHandle owner, ui::ColorRef initial,
                                            uint32_t flags) override;
    std::optional<std::string> browseForFolder(ui::WindowHandle owner, const std::string& title,
                                               uint32_t flags) override;
    ui::WindowHandle htmlHelp(ui::WindowHandle caller, const std::string& path, uint32_t command,
                              uintptr_t data) override;
    // Windows' standard colour scheme.
    ui::ColorRef getSysColor(int32_t index) override;
    int32_t textWidth(ui::WindowHandle window, const std::string& text) override;

    ui::HookHandle installCbtHook(ui::HookProcedure procedure) override;
    bool removeHook(ui::HookHandle hook) override;
    intptr_t callNextHook(ui::HookHandle hook, int32_t code, uintptr_t wParam,
                          intptr_t lParam) override;

    // --- Looking at the windows

    const HeadlessWindow* window(ui::WindowHandle handle) const { return tree_.find(handle); }
    // Top-level windows, the topmost first.
    std::vector<ui::WindowHandle> topLevelWindows() const { return tree_.topLevel(); }
    ui::WindowHandle topLevelOf(ui::WindowHandle handle) const { return tree_.topLevelOf(handle); }
    ui::WindowHandle activeWindow() const { return active_; }
    // The first dialog (top-level or a sheet's page) with the caption; null when none.
    ui::WindowHandle findDialog(const std::string& caption) const;
    size_t installedHookCount() const { return hooks_.size(); }

    // --- Setting the scene

    // A window of someone else (Visio's main window, a command bar), shown.
    ui::WindowHandle createWindow(ui::WindowHandle parent, const std::string& className,
                                  const std::string& title, const ui::Rect& rect = ui::Rect());
    void setScreenSize(ui::Size size) { screen_ = size; }

    // --- Queued answers

    void answerMessageBox(int32_t buttonId);
    // The n-th button from the left, from 1.
    void answerMessageBoxByNumber(int32_t number);
    // Escape: Cancel, or OK on a box with only OK; skipped on a Yes/No box, which then
    // takes the next queued answer or its default button.
    void answerMessageBoxByEscape();
    // Runs while the box is up; answers the id of the button to press, or 0 to go on
    // with the next queued answer.
    void answerMessageBoxWith(std::function<int32_t(ui::WindowHandle box)> action);
    size_t pendingMessageBoxAnswers() const { return answers_.pendingMessageBoxAnswers(); }
    // nullopt cancels.
    void answerColor(std::optional<ui::ColorRef> color) { answers_.pushColor(color); }
    // Out of line: where this move is inlined into a caller that passes std::nullopt, gcc 12
    // with -O3 and the sanitizers wrongly warns that the absent string may be read
    // uninitialised.
    void answerFolder(std::optional<std::string> folder);
    // Runs while the next modal dialog is up; a dialog still running afterwards gets
    // Escape, then is ended with kIdCancel.
    void answerModalDialog(AnswerQueue::ModalAction action);
    void clearAnswers() { answers_.clear(); }

    // --- Records

    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    const std::vector<HelpCall>& helpCalls() const { return helpCalls_; }
    const std::vector<CloseMessage>& closeMessages() const { return closeMessages_; }
    const std::vector<ColorRequest>& colorRequests() const { return colorRequests_; }
    const std::vector<FolderRequest>& folderRequests() const { return folderRequests_; }
    void clearRecords();

    // --- What HeadlessUser uses to act

    // A click on a control (BM_CLICK): toggles a check box, checks a radio button and
    // clears its group, then tells the dialog. False when the control is missing,
    // hidden or disabled.
    bool clickControl(ui::WindowHandle control);
    // Messages to the dialog behind the window (or its nearest dialog ancestor).
    void sendCommand(ui::WindowHandle dialog, int32_t id, int32_t notification);
    void sendNotify(ui::WindowHandle dialog, int32_t id, int32_t code, intptr_t parameter);
    void sendScroll(ui::WindowHandle control, int32_t code);
    // A mouse button at a screen point: to the window with the capture, else to the
    // window there. A button takes it itself; any other window's dialog gets it.
    void sendMouseButton(uint32_t message, ui::Point screenPoint);
    // The mouse moves to a screen point: the control there (or the window with the
    // capture) receives WM_MOUSEMOVE, which its dialog hands to the object that took it
    // over.
    void sendMouseMove(ui::Point screenPoint);

private:
    // Windows' buttons: pressed, a button shows pushed and captures the mouse; released,
    // it lets go and, when the mouse is still over it, is clicked. The point is in the
    // button's client coordinates.
    void buttonMouse(ui::WindowHandle button, uint32_t message, ui::Point point);
    void setPushed(HeadlessWindow& button, bool pushed);
    bool activate(ui::WindowHandle window);
    void destroyTree(ui::WindowHandle window);
    void close(ui::WindowHandle window);
    HeadlessWindow* control(ui::WindowHandle handle, ui::ControlKind kind);

    friend class HeadlessMessageBox;

    WindowTree tree_;
    DialogBuilder builder_{tree_};
    DialogMessenger messenger_{tree_};
    HookChain hooks_;
    AnswerQueue answers_;
    ui::Size screen_{1920, 1080};
    ui::WindowHandle active_;
    ui::WindowHandle capture_;
    std::map<uintptr_t, intptr_t> modalResults_;

    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<HelpCall> helpCalls_;
    std::vector<CloseMessage> closeMessages_;
    std::vector<ColorRequest> colorRequests_;
    std::vector<FolderRequest> folderRequests_;
};

}  // namespace simhost::headless
