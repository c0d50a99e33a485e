// The stand-in host as tests, the runner and the rest of the host drive it: it owns the
// application, registers it as the running Visio, and offers the user's actions. Each
// action changes the drawing as Visio would, queues the events Visio raises, and then
// pumps them to the subscribed sinks (ending with one idle event).
//
//   simhost::Host host;
//   host.registerActiveObject();
//   auto document = host.newDocument();
//   auto place = host.addShape(*document->page(1), ShapeSpec::box(2, 3, 1, 1).name("P1"));
//   host.setFormula(*place, "User.Marking", "2");
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/host/Window.h"

namespace simhost {

class ShapeClipboard;

class Host {
public:
    // What Visio tells the user whose edit a shape's protection refuses.
    static constexpr char kProtectionRefusal[] =
        "Shape protection, container and/or layer properties prevent complete execution of "
        "this command.";

    Host();
    // Withdraws the registration and shuts the application down: references the add-on
    // still holds stay valid objects that answer empty values.
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    Application& application() { return *application_; }
    visio::ComRef<visio::IVApplication> applicationRef() const { return application_; }

    // Makes the application the running Visio that visio::ApplicationLocator finds.
    void registerActiveObject();
    void withdrawActiveObject();
    // Adds an add-on name to the application's Addons list.
    void registerAddon(const std::string& name);

    // Documents and windows.
    // A new document (fill builds its content from a template, without events), then the
    // document-created event and a window on its first page.
    visio::ComRef<Document> newDocument(const std::string& name = std::string(),
                                        const std::function<void(Document&)>& fill = nullptr);
    // Opens a document: fill builds its content (no events while it runs), then the
    // document-opened event follows and a window shows its first page.
    visio::ComRef<Document> openDocument(const std::string& fullName,
                                         const std::function<void(Document&)>& fill = nullptr);
    void saveDocument(Document& document);
    void saveDocumentAs(Document& document, const std::string& fullName);
    // Before-close is delivered before the document goes.
    void closeDocument(Document& document);
    visio::ComRef<Window> openWindow(Document& document, Page* page = nullptr);
    // Closes the window; when it was active, the last remaining window is activated.
    void closeWindow(Window& window);
    void activateWindow(Window& window);
    void turnToPage(Window& window, Page& page);
    // The window was moved or resized (window-changed event).
    void changeWindow(Window& window);

    // Pages and shapes. Problems with the ShapeSpec's cells are reported in *problems; a
    // page or shape that cannot be added (no IDs left) is empty and says why there.
    visio::ComRef<Page> addPage(Document& document, const std::string& name = std::string(),
                                std::string* problems = nullptr);
    visio::ComRef<Shape> addShape(Page& page, const ShapeSpec& spec,
                                  std::string* problems = nullptr);
    visio::ComRef<Shape> addShapeToGroup(Shape& group, const ShapeSpec& spec,
                                         std::string* problems = nullptr);
    // The before-delete events are delivered before the shape goes. A shape whose
    // LockDelete is set stays, as in Visio.
    void deleteShape(Shape& shape);
    // A user's formula edit in the ShapeSheet (the row is added when missing).
    bool setFormula(Shape& shape, const std::string& cell, const std::string& formula,
                    std::string* error = nullptr);
    // The user types the shape's text; false when the shape is gone or its LockTextEdit
    // refuses the typing (then nothing changes).
    bool setText(Shape& shape, const std::string& text);
    // Glues a connector's begin (9) or end (12) to a connection point (row from 0) of
    // the target, or to the whole target.
    void glue(Shape& connector, int16_t end, Shape& target, int16_t connectionRow);
    void glueToShape(Shape& connector, int16_t end, Shape& target);
    void unglue(Shape& connector, int16_t end);

    // Selection in the active window.
    void select(Shape& shape, int16_t action = 2);
    void deselectAll();
    // A user's click: the selection becomes these shapes (a group's member sub-selected)
    // in one change.
    void selectOnly(const std::vector<Shape*>& shapes);
    // The user types into the shape whose text command 1214 opened: the text replaces
    // what it held and the editing ends. False when no text is open, or when the shape's
    // text was locked since (the editing ends, the text stays).
    bool typeText(const std::string& text);

    // The Edit menu, each command beginning with its scope event (Visio's command
    // number, ";0;" and its name). Copy puts the selected shapes on the clipboard; cut
    // puts them there and deletes them (their before-delete events), unless one of them
    // is locked against deletion: then it changes nothing; paste
    // puts copies of them on the shown page where they were, duplicate copies of the
    // selected shapes beside them (a quarter inch right and down); the new shapes are
    // added (shape-added events) and become the selection. False when there was nothing
    // to cut, paste or duplicate, or the cut was refused.
    bool copySelection();
    bool cutSelection();
    bool paste();
    bool duplicateSelection();

    // The user picks an action of a shape's shortcut menu: the row's Action formula runs
    // in action mode (SETF and RUNADDONWARGS take effect). Rows are numbered from 0 as
    // in the section; false when the shape has no such row.
    bool runAction(Shape& shape, int16_t row);
    bool runAction(Shape& shape, const std::string& rowName);
    // The user clicks a toolbar button: its add-on runs with its argument (disabled or
    // deleted buttons do nothing).
    bool clickToolbarItem(ToolbarItem& item);
    // The button with that argument on the installed custom toolbars (the application's,
    // then the active document's); empty when there is none.
    visio::ComRef<ToolbarItem> toolbarItem(const std::string& addOnArgs);

    // Events.
    void pump();
    int32_t queueEvent(int16_t code, visio::ObjectRef subject,
                       std::optional<std::string> info = std::nullopt);
    // A command begins (EnterScope, 0xCA): its extra information is the scope id (the
    // command number), ";" and the text.
    int32_t queueScopeEvent(int32_t scopeId, const std::string& text);

    // What the user answers in Visio's dialogs.
    void answerSaveAs(std::optional<std::string> fullName);
    void answerPictureImport(std::optional<PictureChoice> picture);

    // What the add-on called: every wrapper call of the process while this host lives
    // (the latest host counts when several live), and what reached the host's objects.
    CallCounters& counters() { return application_->counters(); }

private:
    void closeNow(Document& document);

    // The selected shapes as the Edit menu takes them: sub-selected ones themselves.
    std::vector<Shape*> selectedShapes() const;
    static bool canDelete(Shape& shape);
    // The before-delete events and the removal, queued.
    void queueDelete(Shape& shape);
    void addCopies(Page& page, const std::vector<visio::ComRef<Shape>>& copies);

    visio::ComRef<Application> application_;
    std::unique_ptr<ShapeClipboard> clipboard_;
    PortCallCounter portCalls_;
    bool registered_ = false;
};

}  // namespace simhost
