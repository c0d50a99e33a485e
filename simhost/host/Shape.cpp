#include "simhost/host/Shape.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/visio/VisioConstants.h"
#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Cell.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Document.h"
#include "simhost/host/FormulaBatch.h"
#include "simhost/host/Page.h"
#include "simhost/host/Selection.h"
#include "simhost/host/SetfRecalc.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Transform.h"

namespace simhost {
namespace {

constexpr int16_t kTrue = -1;  // Visio answers its existence tests with -1 for true

int16_t answer(bool value) {
    return value ? kTrue : 0;
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "Sheet.12" -> 12; 0 when the qualifier is no such reference.
int32_t sheetNumber(const std::string& lowered) {
    const std::string prefix = "sheet.";
    if (lowered.compare(0, prefix.size(), prefix) != 0 || lowered.size() == prefix.size()) return 0;
    std::string digits = lowered.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    return static_cast<int32_t>(std::strtol(digits.c_str(), nullptr, 10));
}

}  // namespace

Shape::Shape(Application* application, simhost::Document* document, Page* page, int32_t id,
             int16_t type, bool oneD)
    : application_(application),
      document_(document),
      page_(page),
      id_(id),
      type_(type),
      oneD_(oneD),
      members_(makeObject<simhost::Shapes>(page, this)),
      connects_(makeObject<simhost::Connects>(true)),
      fromConnects_(makeObject<simhost::Connects>(false)) {
    if (application_) sheet_.keepInheritedIn(&application_->inheritedFormulas());
}

int32_t Shape::ID() {
    return usable() ? id_ : 0;
}

int16_t Shape::Index() {
    return usable() && collection_ ? collection_->indexOf(*this) : 0;
}

std::string Shape::Name() {
    if (!usable()) return std::string();
    return name_.empty() ? NameID() : name_;
}

std::string Shape::NameID() {
    if (!usable()) return std::string();
    if (type_ == visio::visTypePage) return "ThePage";
    if (type_ == visio::visTypeDoc) return "TheDoc";
    return "Sheet." + std::to_string(id_);
}

int16_t Shape::Type() {
    return usable() ? type_ : 0;
}

bool Shape::OneD() {
    return usable() && oneD_;
}

std::string Shape::Text() {
    if (!usable()) return std::string();
    ++application_->counters().textReads;
    return text_;
}

void Shape::SetText(const std::string& text) {
    if (!usable()) return;
    ++application_->counters().textWrites;
    text_ = text;
    if (document_) document_->markModified();
}

visio::ComRef<visio::IVShapes> Shape::Shapes() {
    if (!usable()) return {};
    return members_;
}

visio::ObjectRef Shape::Parent() {
    if (!usable()) return {};
    if (group_) return visio::ObjectRef(group_);
    if (page_) return visio::ObjectRef(page_);
    return document_ ? visio::ObjectRef(document_) : nullptr;
}

visio::ComRef<visio::IVShape> Shape::ContainingShape() {
    if (!usable() || isSheetOnly()) return {};
    if (group_) return visio::ComRef<visio::IVShape>(group_);
    return page_ ? visio::ComRef<visio::IVShape>(page_->pageSheet()) : nullptr;
}

visio::ComRef<visio::IVPage> Shape::ContainingPage() {
    if (!usable() || !page_) return {};
    return visio::ComRef<visio::IVPage>(page_);
}

visio::ComRef<visio::IVDocument> Shape::Document() {
    if (!usable() || !document_) return {};
    return visio::ComRef<visio::IVDocument>(document_);
}

visio::ComRef<visio::IVCell> Shape::lookupCell(const CellAddress& address) {
    if (!sheet_.cell(address)) return {};
    return cellObject(address);
}

visio::ComRef<visio::IVCell> Shape::CellsU(const std::string& name) {
    if (!usable()) return {};
    ++application_->counters().cellLookups;
    auto address = sheet_.resolve(name);
    return address ? lookupCell(*address) : nullptr;
}

visio::ComRef<visio::IVCell> Shape::CellsSRC(int16_t section, int16_t row, int16_t cell) {
    if (!usable()) return {};
    ++application_->counters().cellLookups;
    return lookupCell({section, row, cell});
}

int16_t Shape::CellExistsU(const std::string& name, int16_t existsLocally) {
    if (!usable()) return 0;
    ++application_->counters().existenceTests;
    auto address = sheet_.resolve(name);
    return answer(address && sheet_.cell(*address, existsLocally != 0));
}

int16_t Shape::CellsRowIndexU(const std::string& name) {
    if (!usable()) return -1;
    ++application_->counters().cellLookups;
    auto address = sheet_.resolve(name);
    if (!address || !sheet_.cell(*address)) return -1;
    return address->row;
}

int16_t Shape::CellsSRCExists(int16_t section, int16_t row, int16_t cell, int16_t existsLocally) {
    if (!usable()) return 0;
    ++application_->counters().existenceTests;
    return answer(sheet_.cell({section, row, cell}, existsLocally != 0) != nullptr);
}

int16_t Shape::SectionExists(int16_t section, int16_t existsLocally) {
    if (!usable()) return 0;
    ++application_->counters().existenceTests;
    return answer(sheet_.sectionExists(section, existsLocally != 0));
}

int16_t Shape::RowExists(int16_t section, int16_t row, int16_t existsLocally) {
    if (!usable()) return 0;
    ++application_->counters().existenceTests;
    return answer(sheet_.rowExists(section, row, existsLocally != 0));
}

int16_t Shape::RowCount(int16_t section) {
    return usable() ? sheet_.rowCount(section) : 0;
}

void Shape::GetFormulasU(const std::vector<int16_t>& srcStream,
                         std::vector<std::string>* formulas) {
    if (!formulas) return;
    *formulas = usable() ? FormulaBatch::read(*this, srcStream) : std::vector<std::string>();
}

void Shape::GetResults(const std::vector<int16_t>& srcStream, int16_t flags,
                       const std::vector<visio::Variant>& unitsNamesOrCodes,
                       std::vector<visio::Variant>* results) {
    if (!results) return;
    *results = usable() ? FormulaBatch::results(*this, srcStream, flags, unitsNamesOrCodes)
                        : std::vector<visio::Variant>();
}

int16_t Shape::SetFormulas(const std::vector<int16_t>& srcStream,
                           const std::vector<std::string>& formulas, int16_t flags) {
    if (!usable()) return 0;
    return FormulaBatch::write(*this, srcStream, formulas, flags);
}

int16_t Shape::AddSection(int16_t section) {
    if (!usable()) return 0;
    int16_t added = section;
    // A geometry section that exists already gets a new one after the last.
    if (section >= visio::visSectionFirstComponent && section < visio::visSectionAction) {
        while (sheet_.sectionExists(added) && added < visio::visSectionAction - 1) ++added;
    }
    if (!sheet_.addSection(added) && !sheet_.sectionExists(added)) return -1;
    if (document_) document_->markModified();
    return added;
}

int16_t Shape::AddRow(int16_t section, int16_t row, int16_t rowTag) {
    if (!usable()) return 0;
    int16_t added = sheet_.addRow(section, row, rowTag);
    if (added >= 0 && document_) document_->markModified();
    return added;
}

int16_t Shape::AddNamedRow(int16_t section, const std::string& rowName, int16_t rowTag) {
    if (!usable()) return 0;
    int16_t added = sheet_.addNamedRow(section, rowName, rowTag);
    if (added >= 0 && document_) document_->markModified();
    return added;
}

void Shape::DeleteSection(int16_t section) {
    if (!usable()) return;
    sheet_.deleteSection(section);
    if (document_) document_->markModified();
}

void Shape::DeleteRow(int16_t section, int16_t row) {
    if (!usable()) return;
    if (sheet_.deleteRow(section, row) && document_) document_->markModified();
}

visio::ComRef<visio::IVConnects> Shape::Connects() {
    if (!usable()) return {};
    return connects_;
}

visio::ComRef<visio::IVConnects> Shape::FromConnects() {
    if (!usable()) return {};
    return fromConnects_;
}

int16_t Shape::SpatialRelation(const visio::ComRef<visio::IVShape>& other, double tolerance,
                               int16_t flags) {
    if (!usable()) return 0;
    ++application_->counters().spatialQueries;
    auto* target = dynamic_cast<Shape*>(other.get());
    if (!target || !target->usable() || target->page_ != page_) return 0;
    return application_->geometry().spatialRelation(*this, *target, tolerance, flags);
}

visio::ComRef<visio::IVSelection> Shape::SpatialNeighbors(int16_t relation, double tolerance,
                                                          int16_t flags,
                                                          const visio::Variant& resultRoot) {
    if (!usable()) return {};
    ++application_->counters().neighbourQueries;
    auto found =
        application_->geometry().spatialNeighbors(*this, relation, tolerance, flags, resultRoot);
    return makeObject<Selection>(page_, std::move(found));
}

void Shape::BoundingBox(int16_t flags, double* left, double* bottom, double* right, double* top) {
    Box box;
    if (usable()) {
        ++application_->counters().boundingBoxes;
        box = application_->geometry().boundingBox(*this, flags);
    }
    if (left) *left = box.left;
    if (bottom) *bottom = box.bottom;
    if (right) *right = box.right;
    if (top) *top = box.top;
}

void Shape::XYToPage(double x, double y, double* xPage, double* yPage) {
    Point2 p = usable() ? ShapeTransform::localToPage(*this).apply({x, y}) : Point2();
    if (xPage) *xPage = p.x;
    if (yPage) *yPage = p.y;
}

void Shape::XYFromPage(double xPage, double yPage, double* x, double* y) {
    Point2 p = usable() ? ShapeTransform::pageToLocal(*this).apply({xPage, yPage}) : Point2();
    if (x) *x = p.x;
    if (y) *y = p.y;
}

void Shape::Delete() {
    if (!usable() || isSheetOnly() || !page_ || isDeleteLocked()) return;
    visio::ComRef<Shape> self(this);
    page_->queueBeforeDelete(*this);
    page_->removeShape(*this);
}

std::vector<visio::ComRef<Shape>> Shape::memberList() const {
    return members_->list();
}

std::string Shape::formula(const std::string& name) {
    auto address = sheet_.resolve(name);
    return address ? sheet_.cell(*address)->formula : std::string();
}

formula::Value Shape::value(const std::string& name) {
    auto address = sheet_.resolve(name);
    if (!address) return formula::Value::error(formula::errors::kRef);
    return cellValue(*address);
}

double Shape::number(const std::string& name) {
    auto address = sheet_.resolve(name);
    return address ? cellNumber(*address) : 0;
}

bool Shape::setCell(const std::string& name, const std::string& text, std::string* error) {
    if (!usable()) {
        if (error) *error = "the shape is deleted";
        return false;
    }
    CellAddress address;
    if (!sheet_.ensureCell(name, &address)) {
        if (error) *error = "no cell named \"" + name + "\"";
        return false;
    }
    if (writeFormula(address, text, true) == kWriteBadFormula) {
        std::string message;
        application_->formulas().parse(FormulaCache::storedText(text), &message);
        if (error) *error = "\"" + text + "\" in " + name + ": " + message;
        return false;
    }
    return true;
}

formula::Value Shape::cellValue(const CellAddress& address) {
    if (!usable()) return formula::Value::error(formula::errors::kRef);
    return application_->evaluator().valueOf(*this, address);
}

double Shape::cellNumber(const CellAddress& address) {
    formula::Value value = cellValue(address);
    if (value.kind == formula::Value::Kind::Number || value.kind == formula::Value::Kind::Bool)
        return value.number;
    return 0;
}

bool Shape::isGuarded(const CellAddress& address) {
    const SheetCell* cell = sheet_.cell(address);
    return cell && cell->expression && formula::isGuarded(*cell->expression);
}

int32_t Shape::writeFormula(const CellAddress& address, const std::string& text, bool force) {
    if (!usable() || !sheet_.cell(address)) return kWriteNoCell;
    if (!force && isGuarded(address)) return kWriteGuarded;
    std::string stored = FormulaCache::storedText(text);
    // The empty formula deletes the cell's own: a cell that inherited its formula
    // before takes it from its master again.
    if (stored.empty() && sheet_.cell(address)->inherited) return kWriteDone;
    if (stored.empty() && sheet_.inheritAgain(address)) {
        changed(address);
        application_->geometry().cellWritten(*this, address);
        return kWriteDone;
    }
    auto expression = application_->formulas().parse(stored, nullptr);
    if (!expression) return kWriteBadFormula;
    bool different = sheet_.cell(address)->formula != stored;
    sheet_.setLocal(address, std::move(stored), std::move(expression));
    changed(address);
    application_->geometry().cellWritten(*this, address);
    // A new page size or scale changes the page; the same formula again does not.
    if (different && type_ == visio::visTypePage && page_ &&
        address.section == visio::visSectionObject && address.row == visio::visRowPage)
        page_->raisePageChanged();
    SetfRecalc::afterWrite(*this, address, different);
    return kWriteDone;
}

int32_t Shape::writeValue(const CellAddress& address, double value, const formula::Unit& unit) {
    return writeFormula(address, formula::Units::formulaText(value, unit), false);
}

void Shape::changed(const CellAddress& address) {
    if (document_) document_->markModified();
    application_->events().queue(visio::visEvtCodeCellChanged, cellObject(address));
}

visio::ComRef<Cell> Shape::cellObject(const CellAddress& address) {
    const SheetRow* row = sheet_.row(address.section, address.row);
    uint32_t rowId = row ? row->id : 0;
    return makeObject<Cell>(visio::ComRef<Shape>(this), address.section, rowId, address.cell);
}

Shape* Shape::resolveSheet(const std::string& qualifier) {
    if (!usable()) return nullptr;
    if (qualifier.empty()) return this;
    std::string name = qualifier;
    if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'')
        name = name.substr(1, name.size() - 2);
    std::string lowered = lower(name);
    if (lowered == "thepage") return page_ ? page_->pageSheet() : nullptr;
    if (lowered == "thedoc") return document_ ? document_->documentSheet() : nullptr;
    if (!page_) return nullptr;
    if (int32_t id = sheetNumber(lowered)) return page_->findShape(id);
    return page_->findShapeByName(name);
}

int32_t Shape::contextId() const {
    if (type_ == visio::visTypePage) return -1;
    if (type_ == visio::visTypeDoc) return -2;
    return id_;
}

void Shape::attach(simhost::Shapes* collection, Shape* group) {
    collection_ = collection;
    group_ = group;
}

void Shape::detach() {
    if (isDeleted()) return;
    markDeleted();
    for (const auto& member : members_->list()) member->detach();
    members_->detach();
    connects_->detach();
    fromConnects_->detach();
    application_ = nullptr;
    document_ = nullptr;
    page_ = nullptr;
    group_ = nullptr;
    collection_ = nullptr;
}

void Shape::setName(const std::string& name) {
    if (page_) page_->forget(*this);
    name_ = name;
    if (page_ && !isDeleted()) page_->enter(*this);
}

bool Shape::isLockSet(int16_t lockCell) {
    return cellNumber({visio::visSectionObject, visio::visRowLock, lockCell}) != 0;
}

bool Shape::isDeleteLocked() {
    return isLockSet(visio::visLockDelete);
}

bool Shape::isTextEditLocked() {
    return isLockSet(visio::visLockTextEdit);
}

bool Shape::isMoveLocked(double dx, double dy) {
    return (dx != 0 && isLockSet(visio::visLockMoveX)) ||
           (dy != 0 && isLockSet(visio::visLockMoveY));
}

bool Shape::isInside(const Shape& other) const {
    for (const Shape* s = this; s; s = s->group_)
        if (s == &other) return true;
    return false;
}

Shape::~Shape() = default;

}  // namespace simhost
