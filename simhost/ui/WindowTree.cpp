#include "simhost/ui/WindowTree.h"

#include <algorithm>

namespace simhost::headless {
namespace {

bool matches(const HeadlessWindow& w, const std::string& className, const std::string& title) {
    return (className.empty() || w.className == className) && (title.empty() || w.text == title);
}

}  // namespace

HeadlessWindow& WindowTree::add(std::unique_ptr<HeadlessWindow> window) {
    window->handle = ui::WindowHandle(nextHandle_);
    nextHandle_ += 2;
    HeadlessWindow& added = *window;
    windows_[added.handle.value()] = std::move(window);
    if (added.isChild()) {
        if (HeadlessWindow* parent = find(added.parent)) parent->children.push_back(added.handle);
    } else {
        topLevel_.push_back(added.handle);
        raise(added.handle);
    }
    return added;
}

void WindowTree::remove(ui::WindowHandle handle) {
    HeadlessWindow* window = find(handle);
    if (!window) return;
    if (std::vector<ui::WindowHandle>* siblings = siblingsOf(*window)) {
        siblings->erase(std::remove(siblings->begin(), siblings->end(), handle), siblings->end());
    }
    windows_.erase(handle.value());
}

HeadlessWindow* WindowTree::find(ui::WindowHandle handle) {
    auto it = windows_.find(handle.value());
    return it == windows_.end() ? nullptr : it->second.get();
}

const HeadlessWindow* WindowTree::find(ui::WindowHandle handle) const {
    auto it = windows_.find(handle.value());
    return it == windows_.end() ? nullptr : it->second.get();
}

std::vector<ui::WindowHandle> WindowTree::ownedBy(ui::WindowHandle owner) const {
    std::vector<ui::WindowHandle> owned;
    for (ui::WindowHandle h : topLevel_) {
        const HeadlessWindow* w = find(h);
        if (w && w->owner == owner) owned.push_back(h);
    }
    return owned;
}

ui::WindowHandle WindowTree::topLevelOf(ui::WindowHandle handle) const {
    const HeadlessWindow* w = find(handle);
    while (w && w->isChild()) w = find(w->parent);
    return w ? w->handle : ui::WindowHandle();
}

HeadlessWindow* WindowTree::dialogOf(ui::WindowHandle handle) {
    HeadlessWindow* w = find(handle);
    while (w && !w->events) w = w->isChild() ? find(w->parent) : nullptr;
    return w;
}

// --- Stacking

std::vector<ui::WindowHandle>* WindowTree::siblingsOf(const HeadlessWindow& window) {
    if (!window.isChild()) return &topLevel_;
    HeadlessWindow* parent = find(window.parent);
    return parent ? &parent->children : nullptr;
}

void WindowTree::restack(std::vector<ui::WindowHandle>& siblings, ui::WindowHandle handle,
                         size_t at) {
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(std::min(at, siblings.size())),
                    handle);
}

void WindowTree::raise(ui::WindowHandle handle) {
    HeadlessWindow* window = find(handle);
    std::vector<ui::WindowHandle>* siblings = window ? siblingsOf(*window) : nullptr;
    if (!siblings) return;
    size_t at = 0;
    if (!window->topmost) {
        // Below the topmost windows.
        while (at < siblings->size() && (*siblings)[at] != handle) {
            const HeadlessWindow* other = find((*siblings)[at]);
            if (!other || !other->topmost) break;
            ++at;
        }
    }
    restack(*siblings, handle, at);
}

void WindowTree::lower(ui::WindowHandle handle) {
    HeadlessWindow* window = find(handle);
    std::vector<ui::WindowHandle>* siblings = window ? siblingsOf(*window) : nullptr;
    if (siblings) restack(*siblings, handle, siblings->size());
}

void WindowTree::placeAfter(ui::WindowHandle handle, ui::WindowHandle sibling) {
    HeadlessWindow* window = find(handle);
    std::vector<ui::WindowHandle>* siblings = window ? siblingsOf(*window) : nullptr;
    if (!siblings || handle == sibling) return;
    auto it = std::find(siblings->begin(), siblings->end(), sibling);
    if (it == siblings->end()) return;
    siblings->erase(std::remove(siblings->begin(), siblings->end(), handle), siblings->end());
    it = std::find(siblings->begin(), siblings->end(), sibling);
    siblings->insert(it + 1, handle);
}

// --- Geometry

ui::Point WindowTree::clientOrigin(const HeadlessWindow& window) const {
    ui::Point origin{window.rect.left + window.frame.left, window.rect.top + window.frame.top};
    if (const HeadlessWindow* parent = window.isChild() ? find(window.parent) : nullptr) {
        ui::Point parentOrigin = clientOrigin(*parent);
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

ui::Rect WindowTree::screenRect(const HeadlessWindow& window) const {
    if (!window.isChild()) return window.rect;
    const HeadlessWindow* parent = find(window.parent);
    if (!parent) return window.rect;
    ui::Point origin = clientOrigin(*parent);
    return window.rect.offsetBy(origin.x, origin.y);
}

ui::Rect WindowTree::clientRect(const HeadlessWindow& window) const {
    int32_t width = window.rect.width() - window.frame.left - window.frame.right;
    int32_t height = window.rect.height() - window.frame.top - window.frame.bottom;
    return {0, 0, std::max(0, width), std::max(0, height)};
}

ui::WindowHandle WindowTree::childAt(const HeadlessWindow& parent, ui::Point point) const {
    if (!clientRect(parent).contains(point)) return {};
    for (ui::WindowHandle h : parent.children) {
        const HeadlessWindow* child = find(h);
        if (child && child->rect.contains(point)) return h;
    }
    return parent.handle;
}

ui::WindowHandle WindowTree::windowAt(ui::Point screenPoint) const {
    const HeadlessWindow* found = nullptr;
    for (ui::WindowHandle h : topLevel_) {
        const HeadlessWindow* w = find(h);
        if (w && w->visible && !w->destroying && w->rect.contains(screenPoint)) {
            found = w;
            break;
        }
    }
    if (!found || !found->enabled) return {};
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (ui::WindowHandle h : found->children) {
            const HeadlessWindow* child = find(h);
            if (child && child->visible && child->enabled &&
                screenRect(*child).contains(screenPoint)) {
                found = child;
                deeper = true;
                break;
            }
        }
    }
    return found->handle;
}

// --- Searching

ui::WindowHandle WindowTree::findTopLevel(const std::string& className,
                                          const std::string& title) const {
    for (ui::WindowHandle h : topLevel_) {
        const HeadlessWindow* w = find(h);
        if (w && !w->destroying && matches(*w, className, title)) return h;
    }
    return {};
}

ui::WindowHandle WindowTree::findChild(ui::WindowHandle parent, const std::string& className,
                                       const std::string& title) const {
    if (!parent) return findTopLevel(className, title);
    const HeadlessWindow* p = find(parent);
    if (!p) return {};
    for (ui::WindowHandle h : p->children) {
        const HeadlessWindow* w = find(h);
        if (w && !w->destroying && matches(*w, className, title)) return h;
    }
    return {};
}

ui::WindowHandle WindowTree::findItem(ui::WindowHandle parent, int32_t id) const {
    const HeadlessWindow* p = find(parent);
    if (!p) return {};
    for (ui::WindowHandle h : p->children) {
        const HeadlessWindow* w = find(h);
        if (w && w->id == id) return h;
    }
    return {};
}

}  // namespace simhost::headless
