// A page of a document (foreground or background): its shapes, its page sheet, its
// background page, and the index of every shape on it by ID and by name.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/visio/IVDocument.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Application;
class Document;
class Shape;
class ShapeSpec;
class Shapes;

class Page : public HostObject<visio::IVPage> {
public:
    Page(Application* application, simhost::Document* document, int32_t id,
         const std::string& name);
    ~Page() override;

    // IVPage
    QAV_VISIO_DECLARE_OVERRIDES(Page)

    // The host's plain accessors and operations.
    Application* application() const { return application_; }
    simhost::Document* document() const { return document_; }
    int32_t id() const { return id_; }
    const std::string& name() const { return name_; }
    bool isBackground() const { return background_; }
    Page* backPage() const { return backPage_; }
    Shape* pageSheet() const { return pageSheet_.get(); }
    simhost::Shapes& shapeCollection() { return *shapes_; }
    // Every shape on the page, groups' members included, by ID or by name.
    Shape* findShape(int32_t id) const;
    Shape* findShapeByName(const std::string& name) const;
    std::vector<Shape*> allShapes() const;

    // Adds a shape built from the ShapeSpec, on the page or into one of its groups, and
    // raises the shape-added event. Problems with its cells go to *problems; the shape
    // is built with what could be used.
    visio::ComRef<Shape> addShape(const ShapeSpec& spec, Shape* group = nullptr,
                                  std::string* problems = nullptr);
    // Queues the before-delete events of a shape and its members.
    void queueBeforeDelete(Shape& shape);
    // Deletes a shape and its members now, without before-delete events (the caller
    // raises them); glue records and selections naming them go too.
    void removeShape(Shape& shape);
    // Counts the deletions of shapes on the page: an answer that lists shapes stays what
    // it was while the count stays.
    uint64_t removalCount() const { return removals_; }
    // Moves a shape into a group, keeping its place on the page.
    void moveIntoGroup(Shape& shape, Shape& group);

    // For the page's shapes: a new unique ID (callers ask hasShapeIds first), and the
    // indexes of names and IDs.
    int32_t takeShapeId() { return nextShapeId_++; }
    // Whether the page has IDs left for that many new shapes.
    bool hasShapeIds(int64_t count) const;
    // The ID the next new shape takes (a drawing file restores it).
    int32_t nextShapeId() const { return nextShapeId_; }
    void setNextShapeId(int32_t id) { nextShapeId_ = id; }
    void enter(Shape& shape);
    void forget(Shape& shape);
    // A name not yet used on the page: the name itself, else the name with ".ID".
    std::string uniqueName(const std::string& name, int32_t id) const;

    // Queues the page-changed event (name, background, page size or scale changed).
    void raisePageChanged();
    void setBackPageQuietly(Page* page) { backPage_ = page; }
    void setNameQuietly(const std::string& name) { name_ = name; }
    void setBackgroundQuietly(bool background) { background_ = background; }
    // Marks the page and everything on it deleted (its document closed or it was deleted).
    void detach();

private:
    bool usable() const { return !isDeleted() && application_; }

    Application* application_;
    simhost::Document* document_;
    int32_t id_;
    std::string name_;
    bool background_ = false;
    Page* backPage_ = nullptr;
    visio::ComRef<simhost::Shapes> shapes_;
    visio::ComRef<Shape> pageSheet_;
    std::unordered_map<int32_t, Shape*> byId_;
    std::unordered_map<std::string, Shape*> byName_;
    int32_t nextShapeId_ = 1;
    uint64_t removals_ = 0;
};

}  // namespace simhost
