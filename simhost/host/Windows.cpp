#include "simhost/host/Windows.h"

#include <algorithm>

#include "simhost/host/Window.h"

namespace simhost {

Windows::Windows() = default;

Windows::~Windows() = default;

void Windows::add(visio::ComRef<Window> window) {
    windows_.push_back(std::move(window));
}

int16_t Windows::Count() {
    return isDeleted() ? 0 : static_cast<int16_t>(windows_.size());
}

visio::ComRef<visio::IVWindow> Windows::Item(int16_t index) {
    if (isDeleted() || index < 1 || index > static_cast<int16_t>(windows_.size())) return {};
    return windows_[static_cast<size_t>(index - 1)];
}

void Windows::close(Window& window) {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [&](const visio::ComRef<Window>& w) { return w.get() == &window; });
    if (it == windows_.end()) return;
    visio::ComRef<Window> keep = *it;
    windows_.erase(it);
    if (active_ == &window) active_ = windows_.empty() ? nullptr : windows_.back().get();
    keep->detach();
}

std::vector<Window*> Windows::showing(const Document& document) const {
    std::vector<Window*> found;
    for (const auto& w : windows_)
        if (w->document() == &document) found.push_back(w.get());
    return found;
}

std::vector<Window*> Windows::showing(const Page& page) const {
    std::vector<Window*> found;
    for (const auto& w : windows_)
        if (w->page() == &page) found.push_back(w.get());
    return found;
}

void Windows::forget(const Shape& shape) {
    for (const auto& w : windows_) w->forget(shape);
}

void Windows::closeAll() {
    auto windows = std::move(windows_);
    windows_.clear();
    active_ = nullptr;
    for (auto& w : windows) w->detach();
}

}  // namespace simhost
