// What Visio's Edit menu does with shapes: copies of them kept on the clipboard, apart
// from every document, and copies put onto a page (paste, duplicate). A copy keeps the
// cells, text and members of its original; references among the copied shapes
// ("Sheet.12!Width") name the copies, as Visio renames them; a copied connector comes
// loose from what its ends were glued to and keeps where they were.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/visio/ComRef.h"

namespace simhost {

class Application;
class Document;
class Page;
class Shape;

class ShapeClipboard {
public:
    explicit ShapeClipboard(Application& application);
    ~ShapeClipboard();
    ShapeClipboard(const ShapeClipboard&) = delete;
    ShapeClipboard& operator=(const ShapeClipboard&) = delete;

    // The shapes replace what the clipboard held.
    void copy(const std::vector<Shape*>& shapes);
    bool empty() const;
    // Copies of the clipboard's shapes on the page, where the originals were.
    std::vector<visio::ComRef<Shape>> pasteOnto(Page& page);

    // Copies of the shapes on the page, moved by (dx, dy) inches; raises nothing.
    static std::vector<visio::ComRef<Shape>> copyShapes(const std::vector<Shape*>& shapes,
                                                        Page& page, double dx, double dy);

private:
    // Copies of the shapes on the page, moved by (dx, dy) inches, their formulas as they
    // were; answers the ID of each copy (members included) by its original's.
    static std::map<int32_t, int32_t> copyAll(const std::vector<Shape*>& shapes, Page& page,
                                              double dx, double dy,
                                              std::vector<visio::ComRef<Shape>>* made = nullptr);

    Application& application_;
    // A document of its own, in no collection, whose one page holds the copies.
    visio::ComRef<Document> store_;
    // The original of each held shape, by the held shape's ID.
    std::map<int32_t, int32_t> originals_;
};

}  // namespace simhost
