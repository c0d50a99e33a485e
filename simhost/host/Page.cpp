#include "simhost/host/Page.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Connect.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/Document.h"
#include "simhost/host/FormulaBatch.h"
#include "simhost/host/ObjectIds.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeBuilder.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Transform.h"
#include "simhost/host/Windows.h"

namespace simhost {
namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string inches(double value) {
    return formula::formatNumber(value) + " in";
}

void forEachShape(Shape& shape, const std::function<void(Shape&)>& visit) {
    visit(shape);
    for (const auto& member : shape.memberList()) forEachShape(*member, visit);
}

int64_t shapeCount(const ShapeSpec& spec) {
    int64_t count = 1;
    for (const ShapeSpec& member : spec.members()) count += shapeCount(member);
    return count;
}

int64_t shapeCount(Shape& shape) {
    int64_t count = 0;
    forEachShape(shape, [&](Shape&) { ++count; });
    return count;
}

const CellAddress kPinX{1, 1, 0}, kPinY{1, 1, 1};
const CellAddress kBegin[2] = {{1, 4, 0}, {1, 4, 1}};
const CellAddress kEnd[2] = {{1, 4, 2}, {1, 4, 3}};

}  // namespace

Page::Page(Application* application, simhost::Document* document, int32_t id,
           const std::string& name)
    : application_(application),
      document_(document),
      id_(id),
      name_(name),
      shapes_(makeObject<simhost::Shapes>(this, nullptr)),
      pageSheet_(makeObject<Shape>(application, document, this, 0, visio::visTypePage, false)) {
    DefaultCells::apply(pageSheet_->sheet(), SheetKind::PageSheet, false, application->formulas());
}

int32_t Page::ID() {
    return usable() ? id_ : 0;
}

int16_t Page::Index() {
    return usable() && document_ ? document_->indexOf(*this) : 0;
}

std::string Page::Name() {
    return usable() ? name_ : std::string();
}

void Page::SetName(const std::string& name) {
    if (!usable() || name.empty() || name == name_) return;
    if (document_ && document_->pageNamed(name)) return;  // page names are unique
    name_ = name;
    raisePageChanged();
}

visio::ComRef<visio::IVShapes> Page::Shapes() {
    if (!usable()) return {};
    return shapes_;
}

bool Page::Background() {
    return usable() && background_;
}

void Page::SetBackground(bool background) {
    if (!usable() || background == background_) return;
    background_ = background;
    raisePageChanged();
}

visio::ComRef<visio::IVPage> Page::BackPage() {
    if (!usable() || !backPage_) return {};
    return visio::ComRef<visio::IVPage>(backPage_);
}

void Page::SetBackPage(const std::string& pageName) {
    if (!usable() || !document_) return;
    Page* page = nullptr;
    if (!pageName.empty()) {
        page = document_->pageNamed(pageName);
        // Only a background page can stand behind a page, and not behind itself.
        if (!page || page == this || !page->isBackground()) return;
    }
    if (page == backPage_) return;
    backPage_ = page;
    raisePageChanged();
}

visio::ComRef<visio::IVShape> Page::PageSheet() {
    if (!usable()) return {};
    return pageSheet_;
}

visio::ComRef<visio::IVDocument> Page::Document() {
    if (!usable() || !document_) return {};
    return visio::ComRef<visio::IVDocument>(document_);
}

void Page::Export(const std::string& path) {
    if (!usable()) return;
    application_->log().exports.emplace_back(name_, path);
    if (application_->hooks().exportPage) application_->hooks().exportPage(*this, path);
}

void Page::Delete(int16_t renumberPages) {
    if (!usable() || !document_) return;
    simhost::Document* document = document_;
    document->deletePage(*this);
    if (renumberPages != 0) document->renumberDefaultPageNames();
}

visio::ComRef<visio::IVShape> Page::Drop(const visio::ComRef<visio::IVShape>& shape, double x,
                                         double y) {
    auto* source = dynamic_cast<Shape*>(shape.get());
    if (!usable() || !source || source->isDeleted() || source->isSheetOnly()) return {};
    if (!hasShapeIds(shapeCount(*source))) return {};
    auto copy = ShapeBuilder::copy(*source, *this, nullptr);
    auto constant = [&](const CellAddress& address, double value) {
        std::string text = inches(value);
        copy->sheet().setLocal(address, text, application_->formulas().parse(text, nullptr));
    };
    if (copy->isOneDShape()) {
        // The copy keeps its length and direction; its middle goes to (x, y).
        double dx = x - (copy->cellNumber(kBegin[0]) + copy->cellNumber(kEnd[0])) / 2;
        double dy = y - (copy->cellNumber(kBegin[1]) + copy->cellNumber(kEnd[1])) / 2;
        for (const CellAddress* end : {kBegin, kEnd}) {
            double ex = copy->cellNumber(end[0]) + dx, ey = copy->cellNumber(end[1]) + dy;
            constant(end[0], ex);
            constant(end[1], ey);
        }
    } else {
        constant(kPinX, x);
        constant(kPinY, y);
    }
    if (document_) document_->markModified();
    application_->events().queue(visio::visEvtCodeShapeAdded, visio::ObjectRef(copy.get()));
    return copy;
}

int16_t Page::SetFormulas(const std::vector<int16_t>& sidSrcStream,
                          const std::vector<std::string>& formulas, int16_t flags) {
    if (!usable()) return 0;
    return FormulaBatch::write(*this, sidSrcStream, formulas, flags);
}

void Page::GetResults(const std::vector<int16_t>& sidSrcStream, int16_t flags,
                      const std::vector<visio::Variant>& unitsNamesOrCodes,
                      std::vector<visio::Variant>* results) {
    if (!results) return;
    *results = usable() ? FormulaBatch::results(*this, sidSrcStream, flags, unitsNamesOrCodes)
                        : std::vector<visio::Variant>();
}

void Page::GetFormulasU(const std::vector<int16_t>& sidSrcStream,
                        std::vector<std::string>* formulas) {
    if (!formulas) return;
    *formulas = usable() ? FormulaBatch::read(*this, sidSrcStream) : std::vector<std::string>();
}

Shape* Page::findShape(int32_t id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

Shape* Page::findShapeByName(const std::string& name) const {
    auto it = byName_.find(lower(name));
    return it == byName_.end() ? nullptr : it->second;
}

std::vector<Shape*> Page::allShapes() const {
    std::vector<Shape*> shapes;
    for (const auto& top : shapes_->list())
        forEachShape(*top, [&](Shape& s) { shapes.push_back(&s); });
    return shapes;
}

visio::ComRef<Shape> Page::addShape(const ShapeSpec& spec, Shape* group, std::string* problems) {
    if (!usable() || (group && (group->page() != this || group->isDeleted()))) {
        if (problems) *problems = "the page or group is gone";
        return {};
    }
    if (!hasShapeIds(shapeCount(spec))) {
        if (problems) {
            *problems = "page \"" + name_ + "\" has no shape IDs left (they end at " +
                        std::to_string(ObjectIds::kLargest) + ")";
        }
        return {};
    }
    auto shape = ShapeBuilder::build(*this, spec, group, problems);
    if (document_) document_->markModified();
    application_->events().queue(visio::visEvtCodeShapeAdded, visio::ObjectRef(shape.get()));
    return shape;
}

void Page::queueBeforeDelete(Shape& shape) {
    if (!usable()) return;
    forEachShape(shape, [&](Shape& s) {
        application_->events().queue(visio::visEvtCodeBefShapeDelete, visio::ObjectRef(&s));
    });
}

void Page::removeShape(Shape& shape) {
    if (!usable() || shape.page() != this || shape.isSheetOnly() || shape.isDeleted()) return;
    visio::ComRef<Shape> keep(&shape);
    ++removals_;
    forEachShape(shape, [&](Shape& s) {
        Connect::unglueAll(s);
        forget(s);
    });
    application_->windows().forget(shape);
    if (shape.collection()) shape.collection()->remove(shape);
    shape.detach();
    if (document_) document_->markModified();
}

void Page::moveIntoGroup(Shape& shape, Shape& group) {
    if (!usable() || shape.page() != this || group.page() != this || !group.isGroup()) return;
    if (shape.isInside(group) || group.isInside(shape)) return;
    Affine toPage = shape.group() ? ShapeTransform::localToPage(*shape.group()) : Affine();
    Affine toGroup = toPage.then(ShapeTransform::pageToLocal(group));
    std::vector<std::pair<CellAddress, double>> writes;
    auto keep = [&](const CellAddress* xy) {
        Point2 p = toGroup.apply({shape.cellNumber(xy[0]), shape.cellNumber(xy[1])});
        writes.push_back({xy[0], p.x});
        writes.push_back({xy[1], p.y});
    };
    if (shape.isOneDShape()) {
        keep(kBegin);
        keep(kEnd);
    } else {
        const CellAddress pin[2] = {kPinX, kPinY};
        keep(pin);
    }
    visio::ComRef<Shape> moving = shape.collection() ? shape.collection()->remove(shape) : nullptr;
    if (!moving) return;
    group.members().append(moving);
    shape.attach(&group.members(), &group);
    for (const auto& [address, value] : writes) shape.writeFormula(address, inches(value), true);
}

bool Page::hasShapeIds(int64_t count) const {
    return ObjectIds::enoughFrom(nextShapeId_, count);
}

void Page::enter(Shape& shape) {
    byId_[shape.id()] = &shape;
    if (!shape.localName().empty()) byName_[lower(shape.localName())] = &shape;
}

void Page::forget(Shape& shape) {
    auto it = byId_.find(shape.id());
    if (it != byId_.end() && it->second == &shape) byId_.erase(it);
    if (shape.localName().empty()) return;
    auto named = byName_.find(lower(shape.localName()));
    if (named != byName_.end() && named->second == &shape) byName_.erase(named);
}

std::string Page::uniqueName(const std::string& name, int32_t id) const {
    if (!findShapeByName(name)) return name;
    return name + "." + std::to_string(id);
}

void Page::raisePageChanged() {
    if (!usable()) return;
    if (document_) document_->markModified();
    application_->events().queue(visio::visEvtCodePageChanged, visio::ObjectRef(this));
}

void Page::detach() {
    if (isDeleted()) return;
    markDeleted();
    for (const auto& shape : shapes_->list()) shape->detach();
    shapes_->detach();
    pageSheet_->detach();
    byId_.clear();
    byName_.clear();
    backPage_ = nullptr;
    application_ = nullptr;
    document_ = nullptr;
}

Page::~Page() = default;

}  // namespace simhost
