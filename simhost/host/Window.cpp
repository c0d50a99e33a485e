#include "simhost/host/Window.h"

#include <utility>
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
    : application_(application),
      document_(document),
      page_(page),
      type_(visio::visDrawing),
      subType_(visio::visPageWin) {}

int16_t Window::Type() {
    return usable() ? type_ : 0;
}

int16_t Window::SubType() {
    return usable() ? subType_ : 0;
}

void Window::setKind(int16_t type, int16_t subType) {
    type_ = type;
    subType_ = subType;
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

void Window::selectOnly(const std::vector<Shape*>& shapes) {
    if (!usable()) return;
    std::vector<std::pair<const Shape*, SelectionSet::Mark>> before;
    for (const auto& entry : selection_.entries())
        before.emplace_back(entry.shape.get(), entry.mark);
    selection_.clear();
    for (Shape* shape : shapes) {
        if (shape->isDeleted() || shape->page() != page_.get() || shape->isSheetOnly()) continue;
        selection_.apply(*shape, shape->group() ? visio::visSubSelect : visio::visSelect);
    }
    std::vector<std::pair<const Shape*, SelectionSet::Mark>> after;
    for (const auto& entry : selection_.entries())
        after.emplace_back(entry.shape.get(), entry.mark);
    if (after != before) selectionChanged();
}

void Window::openTextEditor(Shape& shape) {
    if (usable()) textEditShape_ = visio::ComRef<visio::IVShape>(&shape);
}

Shape* Window::textEditShape() const {
    return dynamic_cast<Shape*>(textEditShape_.get());
}

void Window::turnTo(simhost::Page& page) {
    if (!usable() || page.document() != document_.get() || page.isDeleted()) return;
    page_ = visio::ComRef<simhost::Page>(&page);
    const bool deselected = selection_.clear();
    application_->events().queue(visio::visEvtCodeWinPageTurn, visio::ObjectRef(this));
    // The shapes selected on the page left behind are no longer selected, and Visio
    // says so.
    if (deselected) selectionChanged();
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
    textEditShape_.reset();
    application_->events().queue(visio::visEvtCodeSelChanged, visio::ObjectRef(this));
}

void Window::detach() {
    markDeleted();
    selection_.clear();
    textEditShape_.reset();
    page_.reset();
    document_.reset();
    application_ = nullptr;
}

Window::~Window() = default;

}  // namespace simhost
