#include "simhost/host/Cell.h"

#include "platform/os/System.h"

#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

std::string displayText(const formula::Value& value, const formula::Unit& unit) {
    switch (value.kind) {
        case formula::Value::Kind::String:
            return value.text;
        case formula::Value::Kind::Bool:
            return value.number != 0 ? "TRUE" : "FALSE";
        case formula::Value::Kind::Error:
            return value.text;
        case formula::Value::Kind::Number: {
            std::string text =
                formula::formatNumber(formula::Units::fromInternal(value.number, unit));
            return unit.suffix.empty() ? text : text + " " + unit.suffix;
        }
        default:
            return std::string();
    }
}

double numberOf(const formula::Value& value) {
    bool numeric =
        value.kind == formula::Value::Kind::Number || value.kind == formula::Value::Kind::Bool;
    return numeric ? value.number : 0;
}

}  // namespace

Cell::Cell(visio::ComRef<simhost::Shape> shape, int16_t section, uint32_t rowId, int16_t cell)
    : shape_(std::move(shape)), section_(section), rowId_(rowId), cell_(cell) {}

std::optional<CellAddress> Cell::address() {
    if (!shape_ || shape_->isDeleted() || !shape_->application()) return std::nullopt;
    int16_t row = 0;
    SheetRow* r = shape_->sheet().rowById(section_, rowId_, &row);
    if (!r || cell_ < 0 || cell_ >= static_cast<int16_t>(r->cells.size())) return std::nullopt;
    return CellAddress{section_, row, cell_};
}

std::optional<formula::Unit> Cell::unitOf(const visio::Variant& units) {
    if (std::holds_alternative<std::monostate>(units)) return formula::Units::byName("");
    if (const auto* name = std::get_if<std::string>(&units)) return formula::Units::byName(*name);
    if (const auto* code = std::get_if<int32_t>(&units)) return formula::Units::byCode(*code);
    if (const auto* code = std::get_if<double>(&units))
        return formula::Units::byCode(static_cast<int>(*code));
    return std::nullopt;
}

std::string Cell::Name() {
    auto a = address();
    return a ? shape_->sheet().nameOf(*a) : std::string();
}

int16_t Cell::Section() {
    return address() ? section_ : 0;
}

int16_t Cell::Row() {
    auto a = address();
    return a ? a->row : 0;
}

int16_t Cell::Column() {
    return address() ? cell_ : 0;
}

visio::ComRef<visio::IVShape> Cell::Shape() {
    if (!address()) return {};
    return shape_;
}

std::string Cell::FormulaU() {
    auto a = address();
    if (!a) return std::string();
    ++shape_->application()->counters().formulaReads;
    return shape_->sheet().cell(*a)->formula;
}

bool Cell::IsInherited() {
    auto a = address();
    if (!a) return false;
    ++shape_->application()->counters().formulaReads;
    return shape_->sheet().cell(*a)->inherited;
}

int32_t Cell::write(const std::string& formula, bool force) {
    auto a = address();
    if (!a) return kWriteNoCell;
    CallCounters& counters = shape_->application()->counters();
    ++(force ? counters.forcedWrites : counters.formulaWrites);
    return shape_->writeFormula(*a, formula, force);
}

int32_t Cell::SetFormulaU(const std::string& formula) {
    return write(formula, false);
}

int32_t Cell::SetFormulaForceU(const std::string& formula) {
    return write(formula, true);
}

int32_t Cell::SetFormulaForce(const std::string& formula) {
    return write(universalSyntaxOf(formula), true);
}

// The local syntax separates arguments by the user's list separator and, where that is
// not a comma, may write decimals with a comma; the sheet keeps the universal syntax.
std::string Cell::universalSyntaxOf(const std::string& local) {
    os::System& system = os::System::current();
    const std::string list = system.listSeparator();
    if (list.size() != 1 || list == ",") return local;
    const bool decimalComma = system.decimalSeparator() == ",";
    std::string universal;
    bool inText = false;
    for (char c : local) {
        if (c == '"') inText = !inText;
        if (!inText && c == list[0]) {
            universal += ',';
        } else if (!inText && decimalComma && c == ',') {
            universal += '.';
        } else {
            universal += c;
        }
    }
    return universal;
}

formula::Value Cell::read() {
    auto a = address();
    if (!a) return formula::Value::error("#REF!");
    ++shape_->application()->counters().cellReads;
    return shape_->cellValue(*a);
}

double Cell::ResultIU() {
    return numberOf(read());
}

double Cell::Result(const visio::Variant& units) {
    auto unit = unitOf(units);
    double value = numberOf(read());
    return unit ? formula::Units::fromInternal(value, *unit) : value;
}

std::string Cell::ResultStr(const visio::Variant& units) {
    formula::Value value = read();
    auto a = address();
    const SheetCell* cell = a ? shape_->sheet().cell(*a) : nullptr;
    if (cell && cell->expression && formula::isEmptyFormula(*cell->expression)) return "";
    auto unit = unitOf(units);
    return displayText(value, unit ? *unit : formula::Unit());
}

formula::Unit Cell::internalUnit(const CellAddress& address) {
    formula::Value current = shape_->cellValue(address);
    std::optional<formula::Unit> unit;
    if (current.dimension == formula::Dimension::Length) unit = formula::Units::byName("in");
    if (current.dimension == formula::Dimension::Angle) unit = formula::Units::byName("deg");
    return unit ? *unit : formula::Unit();
}

void Cell::SetResultIU(double value) {
    auto a = address();
    if (!a) return;
    ++shape_->application()->counters().valueWrites;
    formula::Unit unit = internalUnit(*a);
    shape_->writeValue(*a, formula::Units::fromInternal(value, unit), unit);
}

void Cell::SetResult(const visio::Variant& units, double value) {
    auto a = address();
    auto unit = unitOf(units);
    if (!a || !unit) return;
    ++shape_->application()->counters().valueWrites;
    shape_->writeValue(*a, value, *unit);
}

void Cell::GlueTo(const visio::ComRef<visio::IVCell>& target) {
    auto a = address();
    auto* other = dynamic_cast<Cell*>(target.get());
    if (!a || !other) return;
    auto b = other->address();
    if (!b || other->shape() == shape_.get()) return;
    int16_t fromPart = Connect::partOfGluedCell(*a);
    int16_t toPart = Connect::partOfTargetCell(*b);
    if (fromPart == 0 || toPart == 0) return;
    Connect::glue(*shape_, fromPart, *other->shape(), toPart);
}

Cell::~Cell() = default;

}  // namespace simhost
