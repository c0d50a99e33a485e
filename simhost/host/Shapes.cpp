#include "simhost/host/Shapes.h"

#include <algorithm>
#include <cctype>

#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

Shapes::Shapes(Page* page, Shape* group) : page_(page), group_(group) {}

Shapes::~Shapes() = default;

bool Shapes::counts() const {
    return !isDeleted() && page_ && page_->application();
}

int32_t Shapes::Count() {
    return isDeleted() ? 0 : static_cast<int32_t>(items_.size());
}

visio::ComRef<visio::IVShape> Shapes::Item(int32_t index) {
    if (!counts()) return {};
    ++page_->application()->counters().shapeLookupsByIndex;
    if (index < 1 || index > static_cast<int32_t>(items_.size())) return {};
    return items_[static_cast<size_t>(index - 1)];
}

visio::ComRef<visio::IVShape> Shapes::ItemFromID(int32_t id) {
    if (!counts()) return {};
    ++page_->application()->counters().shapeLookupsById;
    Shape* shape = page_->findShape(id);
    if (!shape || (group_ && (shape == group_ || !shape->isInside(*group_)))) return {};
    return visio::ComRef<visio::IVShape>(shape);
}

visio::ComRef<visio::IVShape> Shapes::ItemU(const std::string& nameU) {
    if (!counts()) return {};
    // Visio matches names without regard to case, and only among this collection's own
    // shapes.
    for (const auto& shape : items_)
        if (!shape->localName().empty() && sameName(shape->localName(), nameU)) return shape;
    return {};
}

visio::ComRef<visio::IVPage> Shapes::ContainingPage() {
    if (isDeleted() || !page_) return {};
    return visio::ComRef<visio::IVPage>(page_);
}

visio::ComRef<visio::IVShape> Shapes::ContainingShape() {
    if (isDeleted()) return {};
    if (group_) return visio::ComRef<visio::IVShape>(group_);
    return page_ ? visio::ComRef<visio::IVShape>(page_->pageSheet()) : nullptr;
}

int16_t Shapes::indexOf(const Shape& shape) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == &shape) return static_cast<int16_t>(i + 1);
    return 0;
}

void Shapes::append(visio::ComRef<Shape> shape) {
    items_.push_back(std::move(shape));
}

visio::ComRef<Shape> Shapes::remove(const Shape& shape) {
    auto it = std::find_if(items_.begin(), items_.end(),
                           [&](const visio::ComRef<Shape>& s) { return s.get() == &shape; });
    if (it == items_.end()) return {};
    visio::ComRef<Shape> taken = std::move(*it);
    items_.erase(it);
    return taken;
}

void Shapes::detach() {
    markDeleted();
    items_.clear();
    page_ = nullptr;
    group_ = nullptr;
}

}  // namespace simhost
