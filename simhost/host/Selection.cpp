#include "simhost/host/Selection.h"

#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Window.h"

namespace simhost {

Selection::Selection(visio::ComRef<Window> window) : window_(std::move(window)) {}

Selection::Selection(Page* page, std::vector<visio::ComRef<Shape>> shapes) : page_(page) {
    for (auto& s : shapes) own_.add(s);
}

bool Selection::usable() const {
    if (isDeleted()) return false;
    if (window_) return !window_->isDeleted();
    return page_ && !page_->isDeleted();
}

// A window forgets the shapes deleted from its selection, which counts as a change; an
// answer holds on to them, and the deletions on its page tell.
Selection::ListedAt Selection::now() const {
    if (window_) return {window_->selection().changeCount(), mode_, 0};
    return {own_.changeCount(), mode_, page_->removalCount()};
}

const std::vector<visio::ComRef<Shape>>& Selection::shapes() const {
    if (!usable()) {
        listed_.clear();
        isListed_ = false;
        return listed_;
    }
    if (isListed_ && listedAt_ == now()) return listed_;
    listed_ = window_ ? window_->selection().reported(mode_) : own_.reported(mode_);
    listedAt_ = now();
    isListed_ = true;
    return listed_;
}

int32_t Selection::Count() {
    return static_cast<int32_t>(shapes().size());
}

visio::ComRef<visio::IVShape> Selection::Item(int32_t index) {
    const auto& list = shapes();
    if (index < 1 || index > static_cast<int32_t>(list.size())) return {};
    return list[static_cast<size_t>(index - 1)];
}

void Selection::GetIDs(std::vector<int32_t>* shapeIDs) {
    if (!shapeIDs) return;
    shapeIDs->clear();
    for (const auto& shape : shapes()) shapeIDs->push_back(shape->id());
}

int32_t Selection::IterationMode() {
    return usable() ? mode_ : 0;
}

void Selection::SetIterationMode(int32_t mode) {
    if (usable()) mode_ = mode;
}

void Selection::Select(const visio::ComRef<visio::IVShape>& shape, int16_t action) {
    auto* target = dynamic_cast<Shape*>(shape.get());
    if (!usable() || !target || target->isDeleted()) return;
    if (window_) {
        window_->select(*target, action);
    } else if (target->page() == page_.get()) {
        own_.apply(*target, action);
    }
}

void Selection::DeselectAll() {
    if (!usable()) return;
    if (window_) {
        window_->DeselectAll();
    } else {
        own_.clear();
    }
}

void Selection::AddToGroup() {
    if (usable() && window_) window_->addToGroup();
}

visio::ComRef<visio::IVPage> Selection::ContainingPage() {
    if (!usable()) return {};
    if (window_) return window_->Page();
    return page_;
}

Selection::~Selection() = default;

}  // namespace simhost
