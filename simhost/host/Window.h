// A drawing window showing one page of a document, with its selection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/IVWindow.h"
#include "simhost/host/HostObject.h"
#include "simhost/host/SelectionSet.h"

namespace simhost {

class Application;
class Document;
class Page;
class Shape;

class Window : public HostObject<visio::IVWindow> {
public:
    Window(Application* application, simhost::Document* document, simhost::Page* page);
    ~Window() override;

    // IVWindow. SetPage turns to the page of that name (raises the page-turn event).
    QAV_VISIO_DECLARE_OVERRIDES(Window)

    simhost::Document* document() const { return document_.get(); }
    simhost::Page* page() const { return page_.get(); }
    SelectionSet& selection() { return selection_; }
    // Changes the selection as the action says; raises selection-changed when it did.
    void select(Shape& shape, int16_t action);
    // A user's click: the selection becomes these shapes (a member of a group
    // sub-selected), as one change.
    void selectOnly(const std::vector<Shape*>& shapes);
    // What the window is (Type, SubType): a drawing window showing a page unless a test
    // makes it another kind (a stencil, a ShapeSheet, ...).
    void setKind(int16_t type, int16_t subType);
    // The shape whose text is open for typing (command 1214), or null; a selection
    // change closes it.
    Shape* textEditShape() const;
    void openTextEditor(Shape& shape);
    void closeTextEditor() { textEditShape_.reset(); }
    // Shows another page of the document: the selection empties and the page-turn event
    // is raised.
    void turnTo(simhost::Page& page);
    // Drops a shape that is being deleted from the selection.
    void forget(const Shape& shape);
    // Moves the other selected shapes into the selected group (Selection.AddToGroup).
    void addToGroup();
    // The window closes.
    void detach();

private:
    bool usable() const { return !isDeleted() && application_; }
    void selectionChanged();

    Application* application_;
    visio::ComRef<simhost::Document> document_;
    visio::ComRef<simhost::Page> page_;
    SelectionSet selection_;
    int16_t showConnectPoints_ = -1;
    int16_t type_;
    int16_t subType_;
    visio::ComRef<visio::IVShape> textEditShape_;
};

}  // namespace simhost
