// The headless backend's windows: who they are, how they nest and stack, and where they
// are on the screen.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "simhost/ui/HeadlessWindow.h"

namespace simhost::headless {

class WindowTree {
public:
    // Gives the window a new handle and puts it on top of its siblings' stack (top-level
    // windows) or after its siblings (children, as a dialog's controls follow in order).
    HeadlessWindow& add(std::unique_ptr<HeadlessWindow> window);
    // Takes the window out; its children must be gone already.
    void remove(ui::WindowHandle handle);

    HeadlessWindow* find(ui::WindowHandle handle);
    const HeadlessWindow* find(ui::WindowHandle handle) const;
    bool contains(ui::WindowHandle handle) const { return find(handle) != nullptr; }

    // Top-level windows, the topmost first.
    const std::vector<ui::WindowHandle>& topLevel() const { return topLevel_; }
    std::vector<ui::WindowHandle> ownedBy(ui::WindowHandle owner) const;
    // The window itself when top-level, else its top-level ancestor.
    ui::WindowHandle topLevelOf(ui::WindowHandle handle) const;
    // The nearest window from this one up that has an object behind it (a dialog).
    HeadlessWindow* dialogOf(ui::WindowHandle handle);

    // To the top of its siblings' stack (topmost windows stay above the rest) or the
    // bottom; or right after another sibling.
    void raise(ui::WindowHandle handle);
    void lower(ui::WindowHandle handle);
    void placeAfter(ui::WindowHandle handle, ui::WindowHandle sibling);

    ui::Point clientOrigin(const HeadlessWindow& window) const;
    ui::Rect screenRect(const HeadlessWindow& window) const;
    ui::Rect clientRect(const HeadlessWindow& window) const;
    // The child at a point of the parent's client area; the parent when none is there,
    // null outside the client area.
    ui::WindowHandle childAt(const HeadlessWindow& parent, ui::Point point) const;
    // The window the mouse is over at a screen point (WindowFromPoint): the deepest shown
    // and enabled window there; null where no window is, or where the top-level window
    // there is disabled.
    ui::WindowHandle windowAt(ui::Point screenPoint) const;

    ui::WindowHandle findTopLevel(const std::string& className, const std::string& title) const;
    ui::WindowHandle findChild(ui::WindowHandle parent, const std::string& className,
                               const std::string& title) const;
    ui::WindowHandle findItem(ui::WindowHandle parent, int32_t id) const;

private:
    std::vector<ui::WindowHandle>* siblingsOf(const HeadlessWindow& window);
    void restack(std::vector<ui::WindowHandle>& siblings, ui::WindowHandle handle, size_t at);

    std::map<uintptr_t, std::unique_ptr<HeadlessWindow>> windows_;
    std::vector<ui::WindowHandle> topLevel_;
    // Even numbers from here on, clear of the special insert-after values.
    uintptr_t nextHandle_ = 0x10000;
};

}  // namespace simhost::headless
