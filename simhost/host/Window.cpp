#include "simhost/host/Window.h"

#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Selection.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost {

Window::Window(Application* application, simhost::Document* document, simhost::Page* page)
    : application_(application), document_(document), page_(page) {}

int16_t Window::Type() {
    return usable() ? visio::visDrawing : 0;
}

int16_t Window::SubType() {
    return usable() ? visio::visPageWin : 0;
}

visio::ComRef<visio::IVPage> Window::Page() {
    if (!usable()) return {};
    return page_;
}

void Window::SetPage(const std::string& pageName) {
    if (!usable() || !document_) return;
    if (simhost::Page* page = document_->pageNamed(pageName)) turnTo(*page);
}

visio::ComRef<visio::IVDocument> Window::Document() {
    if (!usable()) return {};
    return document_;
}

visio::ComRef<visio::IVSelection> Window::Selection() {
    if (!usable()) return {};
    return makeObject<simhost::Selection>(visio::ComRef<Window>(this));
}

void Window::Select(const visio::ComRef<visio::IVShape>& shape, int16_t action) {
    auto* target = dynamic_cast<Shape*>(shape.get());
    if (target) select(*target, action);
}

void Window::DeselectAll() {
    if (usable() && selection_.clear()) selectionChanged();
}

void Window::SelectAll() {
    if (!usable() || !page_) return;
    selection_.clear();
    for (const auto& shape : page_->shapeCollection().list()) selection_.add(shape);
    selectionChanged();
}

void Window::AddToGroup() {
    addToGroup();
}

void Window::Activate() {
    if (usable()) application_->activate(*this);
}

int16_t Window::ShowConnectPoints() {
    return usable() ? showConnectPoints_ : 0;
}

void Window::SetShowConnectPoints(int16_t value) {
    if (usable()) showConnectPoints_ = value;
}

void Window::select(Shape& shape, int16_t action) {
    if (!usable() || shape.isDeleted() || shape.page() != page_.get() || shape.isSheetOnly())
        return;
    if (selection_.apply(shape, action)) selectionChanged();
}

void Window::turnTo(simhost::Page& page) {
    if (!usable() || page.document() != document_.get() || page.isDeleted()) return;
    page_ = visio::ComRef<simhost::Page>(&page);
    selection_.clear();
    application_->events().queue(visio::visEvtCodeWinPageTurn, visio::ObjectRef(this));
}

void Window::forget(const Shape& shape) {
    if (usable() && selection_.forget(shape)) selectionChanged();
}

void Window::addToGroup() {
    if (!usable() || !page_) return;
    Shape* target = selection_.targetGroup();
    if (!target) return;
    visio::ComRef<Shape> keep(target);
    std::vector<visio::ComRef<Shape>> moving;
    for (const auto& entry : selection_.entries()) {
        Shape* s = entry.shape.get();
        if (entry.mark == SelectionSet::Mark::SuperSelected || s == target || s->isDeleted())
            continue;
        if (target->isInside(*s) || s->isInside(*target)) continue;
        moving.push_back(entry.shape);
    }
    for (const auto& s : moving) page_->moveIntoGroup(*s, *target);
    selection_.clear();
    selection_.add(keep);
    selectionChanged();
}

void Window::selectionChanged() {
    application_->events().queue(visio::visEvtCodeSelChanged, visio::ObjectRef(this));
}

void Window::detach() {
    markDeleted();
    selection_.clear();
    page_.reset();
    document_.reset();
    application_ = nullptr;
}

Window::~Window() = default;

}  // namespace simhost
