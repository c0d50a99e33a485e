// The shapes of a page or the members of a group, in Visio's order (index from 1).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVShape.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Page;
class Shape;

class Shapes : public HostObject<visio::IVShapes> {
public:
    // The page's shapes (group null) or the group's members.
    Shapes(Page* page, Shape* group);
    ~Shapes() override;

    // IVShapes. ItemFromID finds any shape of the page (or, for a group's members, inside
    // the group) by its ID.
    QAV_VISIO_DECLARE_OVERRIDES(Shapes)

    const std::vector<visio::ComRef<Shape>>& list() const { return items_; }
    size_t size() const { return items_.size(); }
    // Position from 1; 0 when the shape is not in the collection.
    int16_t indexOf(const Shape& shape) const;
    void append(visio::ComRef<Shape> shape);
    // Takes the shape out (the shape itself stays as it is).
    visio::ComRef<Shape> remove(const Shape& shape);
    // Marks the collection deleted and empties it; the shapes are detached by their owner.
    void detach();

private:
    bool counts() const;

    Page* page_;
    Shape* group_;
    std::vector<visio::ComRef<Shape>> items_;
};

}  // namespace simhost
