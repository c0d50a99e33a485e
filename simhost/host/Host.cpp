#include "simhost/host/Host.h"

#include <algorithm>

#include "platform/visio/ApplicationLocator.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Addons.h"
#include "simhost/host/Connect.h"
#include "simhost/host/DocumentCommands.h"
#include "simhost/host/Documents.h"
#include "simhost/host/ShapeClipboard.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItems.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "simhost/host/Windows.h"

namespace simhost {
namespace {

constexpr int16_t kDrawingToolbarSet = 2;
constexpr int16_t kWholeShape = 3;
// The Edit menu's commands, by Visio's numbers (their scope IDs).
constexpr int32_t kCutCommand = 1020;
constexpr int32_t kCopyCommand = 1021;
constexpr int32_t kPasteCommand = 1022;
constexpr int32_t kDuplicateCommand = 1024;
// How far Duplicate puts the copies from their originals, in inches.
constexpr double kDuplicateOffset = 0.25;

ToolbarItem* findItem(UIObject* ui, const std::string& args) {
    if (!ui) return nullptr;
    ToolbarSet* set = ui->sets().find(kDrawingToolbarSet);
    if (!set) return nullptr;
    for (const auto& toolbar : set->toolbars().list())
        for (const auto& item : toolbar->items().list())
            if (item->properties().addOnArgs == args) return item.get();
    return nullptr;
}

}  // namespace

Host::Host()
    : application_(makeObject<Application>()),
      clipboard_(std::make_unique<ShapeClipboard>(*application_)),
      portCalls_(application_->counters()) {}

Host::~Host() {
    withdrawActiveObject();
    application_->shutdown();
}

void Host::registerActiveObject() {
    visio::ApplicationLocator::registerActiveObject(application_);
    registered_ = true;
}

void Host::withdrawActiveObject() {
    if (!registered_) return;
    visio::ApplicationLocator::registerActiveObject(nullptr);
    registered_ = false;
}

void Host::registerAddon(const std::string& name) {
    application_->addons().add(name);
}

visio::ComRef<Document> Host::newDocument(const std::string& name,
                                          const std::function<void(Document&)>& fill) {
    auto document = application_->documents().create(name);
    if (fill) {
        EventQueue::Suppression quiet(application_->events());
        fill(*document);
        document->SetSaved(true);
    }
    application_->events().queue(visio::visEvtCodeDocCreate, visio::ObjectRef(document.get()));
    openWindow(*document);
    return document;
}

visio::ComRef<Document> Host::openDocument(const std::string& fullName,
                                           const std::function<void(Document&)>& fill) {
    auto document = application_->documents().create(fullName);
    {
        EventQueue::Suppression quiet(application_->events());
        if (!fullName.empty()) document->setFileName(fullName);
        if (fill) fill(*document);
    }
    document->SetSaved(true);
    application_->events().queue(visio::visEvtCodeDocOpen, visio::ObjectRef(document.get()));
    openWindow(*document);
    return document;
}

void Host::saveDocument(Document& document) {
    DocumentCommands::save(*application_, document);
    pump();
}

void Host::saveDocumentAs(Document& document, const std::string& fullName) {
    DocumentCommands::saveAs(*application_, document, fullName);
    pump();
}

void Host::closeDocument(Document& document) {
    if (document.isDeleted()) return;
    visio::ComRef<Document> keep(&document);
    application_->events().queue(visio::visEvtCodeBefDocClose, visio::ObjectRef(&document));
    application_->events().queueAction([this, keep]() { closeNow(*keep); });
    pump();
}

void Host::closeNow(Document& document) {
    if (document.isDeleted()) return;
    Windows& windows = application_->windows();
    Window* active = windows.active();
    bool activeCloses = active && active->document() == &document;
    for (Window* window : windows.showing(document)) windows.close(*window);
    application_->documents().close(document);
    if (activeCloses && windows.active()) application_->activate(*windows.active());
}

visio::ComRef<Window> Host::openWindow(Document& document, Page* page) {
    if (document.isDeleted()) return {};
    if (!page) page = document.page(1);
    auto window = makeObject<Window>(application_.get(), &document, page);
    application_->windows().add(window);
    application_->activate(*window);
    pump();
    return window;
}

void Host::closeWindow(Window& window) {
    Windows& windows = application_->windows();
    bool wasActive = windows.active() == &window;
    windows.close(window);
    if (wasActive && windows.active()) application_->activate(*windows.active());
    pump();
}

void Host::activateWindow(Window& window) {
    application_->activate(window);
    pump();
}

void Host::turnToPage(Window& window, Page& page) {
    window.turnTo(page);
    pump();
}

void Host::changeWindow(Window& window) {
    if (window.isDeleted()) return;
    application_->events().queue(visio::visEvtCodeWindowChanged, visio::ObjectRef(&window));
    pump();
}

visio::ComRef<Page> Host::addPage(Document& document, const std::string& name,
                                  std::string* problems) {
    auto page = document.addPage(name, problems);
    pump();
    return page;
}

visio::ComRef<Shape> Host::addShape(Page& page, const ShapeSpec& spec, std::string* problems) {
    auto shape = page.addShape(spec, nullptr, problems);
    pump();
    return shape;
}

visio::ComRef<Shape> Host::addShapeToGroup(Shape& group, const ShapeSpec& spec,
                                           std::string* problems) {
    if (!group.page() || !group.isGroup()) {
        if (problems) *problems = "not a group on a page";
        return {};
    }
    auto shape = group.page()->addShape(spec, &group, problems);
    pump();
    return shape;
}

bool Host::canDelete(Shape& shape) {
    return shape.page() && !shape.isDeleted() && !shape.isSheetOnly() && !shape.isDeleteLocked();
}

void Host::queueDelete(Shape& shape) {
    visio::ComRef<Shape> keep(&shape);
    shape.page()->queueBeforeDelete(shape);
    application_->events().queueAction([keep]() {
        if (keep->page()) keep->page()->removeShape(*keep);
    });
}

void Host::deleteShape(Shape& shape) {
    if (!canDelete(shape)) return;
    queueDelete(shape);
    pump();
}

bool Host::setFormula(Shape& shape, const std::string& cell, const std::string& formula,
                      std::string* error) {
    bool done = shape.setCell(cell, formula, error);
    pump();
    return done;
}

bool Host::setText(Shape& shape, const std::string& text) {
    if (shape.isDeleted() || shape.isTextEditLocked()) return false;
    shape.setTextQuietly(text);
    if (shape.document()) shape.document()->markModified();
    pump();
    return true;
}

void Host::glue(Shape& connector, int16_t end, Shape& target, int16_t connectionRow) {
    if (connector.isDeleted() || target.isDeleted()) return;
    Connect::glue(connector, end, target,
                  static_cast<int16_t>(visio::visConnectionPoint + connectionRow));
    pump();
}

void Host::glueToShape(Shape& connector, int16_t end, Shape& target) {
    if (connector.isDeleted() || target.isDeleted()) return;
    Connect::glue(connector, end, target, kWholeShape);
    pump();
}

void Host::unglue(Shape& connector, int16_t end) {
    Connect::unglue(connector, end);
    pump();
}

void Host::select(Shape& shape, int16_t action) {
    if (Window* window = application_->activeWindow()) window->select(shape, action);
    pump();
}

void Host::deselectAll() {
    if (Window* window = application_->activeWindow()) window->DeselectAll();
    pump();
}

void Host::selectOnly(const std::vector<Shape*>& shapes) {
    if (Window* window = application_->activeWindow()) window->selectOnly(shapes);
    pump();
}

bool Host::typeText(const std::string& text) {
    Window* window = application_->activeWindow();
    visio::ComRef<Shape> shape(window ? window->textEditShape() : nullptr);
    if (!shape || shape->isDeleted()) return false;
    window->closeTextEditor();
    return setText(*shape, text);
}

std::vector<Shape*> Host::selectedShapes() const {
    std::vector<Shape*> shapes;
    if (Window* window = application_->activeWindow())
        for (const auto& shape : window->selection().reported(visio::visSelModeSkipSuper))
            shapes.push_back(shape.get());
    return shapes;
}

void Host::addCopies(Page& page, const std::vector<visio::ComRef<Shape>>& copies) {
    for (const auto& copy : copies)
        application_->events().queue(visio::visEvtCodeShapeAdded, visio::ObjectRef(copy.get()));
    if (page.document()) page.document()->markModified();
    std::vector<Shape*> selection;
    for (const auto& copy : copies) selection.push_back(copy.get());
    if (Window* window = application_->activeWindow()) window->selectOnly(selection);
}

bool Host::copySelection() {
    std::vector<Shape*> shapes = selectedShapes();
    if (shapes.empty()) return false;
    queueScopeEvent(kCopyCommand, "0;Copy;0");
    clipboard_->copy(shapes);
    pump();
    return true;
}

bool Host::cutSelection() {
    std::vector<Shape*> shapes = selectedShapes();
    if (shapes.empty() ||
        !std::all_of(shapes.begin(), shapes.end(), [](Shape* shape) { return canDelete(*shape); }))
        return false;
    queueScopeEvent(kCutCommand, "0;Cut;0");
    clipboard_->copy(shapes);
    for (Shape* shape : shapes) queueDelete(*shape);
    pump();
    return true;
}

bool Host::paste() {
    Page* page = application_->activePage();
    if (!page || clipboard_->empty()) return false;
    queueScopeEvent(kPasteCommand, "0;Paste;0");
    addCopies(*page, clipboard_->pasteOnto(*page));
    pump();
    return true;
}

bool Host::duplicateSelection() {
    Page* page = application_->activePage();
    std::vector<Shape*> shapes = selectedShapes();
    if (!page || shapes.empty()) return false;
    queueScopeEvent(kDuplicateCommand, "0;Duplicate;0");
    addCopies(*page,
              ShapeClipboard::copyShapes(shapes, *page, kDuplicateOffset, -kDuplicateOffset));
    pump();
    return true;
}

bool Host::runAction(Shape& shape, int16_t row) {
    CellAddress action{visio::visSectionAction, row, 0};
    if (shape.isDeleted() || !shape.sheet().cell(action)) return false;
    application_->evaluator().runAction(shape, action);
    pump();
    return true;
}

bool Host::runAction(Shape& shape, const std::string& rowName) {
    int16_t row = shape.sheet().rowOfName(visio::visSectionAction, rowName);
    return row >= 0 && runAction(shape, row);
}

bool Host::clickToolbarItem(ToolbarItem& item) {
    if (item.isDeleted() || !item.properties().enabled) return false;
    const ToolbarItemProperties& button = item.properties();
    application_->log().addonRuns.emplace_back(button.addOnName, button.addOnArgs);
    if (application_->hooks().runAddon)
        application_->hooks().runAddon(button.addOnName, button.addOnArgs);
    pump();
    return true;
}

visio::ComRef<ToolbarItem> Host::toolbarItem(const std::string& addOnArgs) {
    if (ToolbarItem* item = findItem(application_->customToolbars(), addOnArgs))
        return visio::ComRef<ToolbarItem>(item);
    Document* document = application_->activeDocument();
    if (!document) return {};
    auto ui = visio::ComRef<UIObject>(dynamic_cast<UIObject*>(document->CustomToolbars().get()));
    return visio::ComRef<ToolbarItem>(findItem(ui.get(), addOnArgs));
}

void Host::pump() {
    application_->events().pump();
}

int32_t Host::queueEvent(int16_t code, visio::ObjectRef subject, std::optional<std::string> info) {
    return application_->events().queue(code, std::move(subject), std::move(info));
}

int32_t Host::queueScopeEvent(int32_t scopeId, const std::string& text) {
    return queueEvent(visio::visEvtCodeEnterScope, nullptr, std::to_string(scopeId) + ";" + text);
}

void Host::answerSaveAs(std::optional<std::string> fullName) {
    application_->answers().saveAsNames.push_back(std::move(fullName));
}

void Host::answerPictureImport(std::optional<PictureChoice> picture) {
    application_->answers().pictures.push_back(std::move(picture));
}

}  // namespace simhost
