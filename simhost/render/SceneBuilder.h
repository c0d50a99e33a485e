// Works out what a page export draws: the page's size from its page sheet, then the
// shapes of its background pages (farthest first) and its own, in z-order (the order of
// the page's shapes; a group's members inside it, behind or in front of the group's own
// figure as its DisplayMode says, the group's text on top).
#pragma once

#include <optional>
#include <string>

#include "simhost/host/Transform.h"
#include "simhost/render/Scene.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::render {

class SceneBuilder {
public:
    // None, with *error, when the page has no usable size.
    static std::optional<Scene> build(Page& page, std::string* error);

private:
    static void addPage(Page& page, Scene& scene, int depth);
    static void addShape(Shape& shape, const Affine& parentToPage, Scene& scene);
    static SceneShape figureOf(Shape& shape, const Affine& toPage);
};

}  // namespace simhost::render
