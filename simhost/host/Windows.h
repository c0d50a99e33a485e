// The application's windows and which of them is active.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Document;
class Page;
class Shape;
class Window;

class Windows : public HostObject<visio::IVWindows> {
public:
    Windows();
    ~Windows() override;

    // IVWindows
    QAV_VISIO_DECLARE_OVERRIDES(Windows)

    const std::vector<visio::ComRef<Window>>& list() const { return windows_; }
    void add(visio::ComRef<Window> window);
    // Closes the window; when it was the active one, the last remaining window becomes
    // active (without an event).
    void close(Window& window);
    Window* active() const { return active_; }
    void setActive(Window* window) { active_ = window; }
    // Every window that shows a page of the document, or the page.
    std::vector<Window*> showing(const Document& document) const;
    std::vector<Window*> showing(const Page& page) const;
    // A shape goes: every selection lets go of it.
    void forget(const Shape& shape);
    // Closes every window (the application shuts down).
    void closeAll();

private:
    std::vector<visio::ComRef<Window>> windows_;
    Window* active_ = nullptr;
};

}  // namespace simhost
