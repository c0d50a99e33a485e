#include "simhost/formula/SheetFunctions.h"

#include "simhost/formula/Coerce.h"
#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/ValueText.h"

namespace simhost::formula {

namespace {

Value valueError() {
    return Value::error(errors::kValue);
}

Value cellRef(const std::string& qualifier, const std::string& cell, int32_t sheetId) {
    Value value;
    value.kind = Value::Kind::CellRef;
    value.sheet = qualifier;
    value.text = cell;
    value.sheetId = sheetId;
    return value;
}

}  // namespace

bool SheetFunctions::handles(Function function) {
    switch (function) {
        case Function::If:
        case Function::Pnt:
        case Function::Par:
        case Function::GetRef:
        case Function::SetF:
        case Function::RunAddonWArgs:
        case Function::RunAddon:
        case Function::Id:
            return true;
        default:
            return false;
    }
}

Value SheetFunctions::call(const Node& call) {
    switch (call.function.function) {
        case Function::If:
            return choice(call);
        case Function::Pnt:
            return point(call);
        case Function::Par:
            return parentPoint(call);
        case Function::GetRef:
            return reference(call);
        case Function::SetF:
            return setFormula(call);
        case Function::RunAddonWArgs:
        case Function::RunAddon:
            return runAddon(call);
        case Function::Id:
            return ownId();
        default:
            return valueError();
    }
}

Value SheetFunctions::choice(const Node& call) {
    Value condition = evaluator_.evaluate(*call.operands[0]);
    if (condition.isError()) return condition;
    std::optional<bool> truth = Coerce::truth(condition);
    if (!truth) return valueError();
    return evaluator_.evaluate(*call.operands[*truth ? 1 : 2]);
}

// The point is in the local coordinates of the sheet that the first cell reference in
// the arguments names: PNT(Sheet.5!Connections.X3, Sheet.5!Connections.Y3) is a point
// of shape 5, PNT(1 in, 2 in) one of the evaluating shape.
Value SheetFunctions::point(const Node& call) {
    Value x = evaluator_.evaluate(*call.operands[0]);
    if (x.isError()) return x;
    Value y = evaluator_.evaluate(*call.operands[1]);
    if (y.isError()) return y;
    std::optional<double> px = Coerce::number(x);
    std::optional<double> py = Coerce::number(y);
    if (!px || !py) return valueError();
    const Node* reference = firstReference(call);
    int32_t sheetId = evaluator_.sheetIdOf(reference ? reference->qualifier : std::string());
    if (sheetId == 0) return Value::error(errors::kRef);
    Value result;
    result.kind = Value::Kind::Point;
    result.x = *px;
    result.y = *py;
    result.dimension = Dimension::Length;
    result.sheetId = sheetId;
    return result;
}

Value SheetFunctions::parentPoint(const Node& call) {
    Value point = evaluator_.evaluate(*call.operands[0]);
    if (point.isError()) return point;
    if (point.kind != Value::Kind::Point) return valueError();
    return evaluator_.context().pointToParent(point);
}

// GetRef takes the cell itself, not its value: its argument must be a cell name.
Value SheetFunctions::reference(const Node& call) {
    const Node& argument = *call.operands[0];
    if (argument.kind != Node::Kind::Reference) return valueError();
    int32_t sheetId = evaluator_.sheetIdOf(argument.qualifier);
    if (sheetId == 0) return Value::error(errors::kRef);
    return cellRef(argument.qualifier, argument.name, sheetId);
}

// Outside an action SETF is inert: it neither evaluates its arguments nor writes. The
// target is GetRef(cell) or, in the older form, the cell name as a string ("Height").
// An error in the new value is the result and nothing is written.
Value SheetFunctions::setFormula(const Node& call) {
    Context& context = evaluator_.context();
    if (!context.inAction()) return Value::numberOf(0);
    Value target = evaluator_.evaluate(*call.operands[0]);
    if (target.isError()) return target;
    if (target.kind == Value::Kind::String) {
        std::optional<Value> named = cellRefFromText(target.text);
        if (!named) return Value::error(errors::kRef);
        target = *named;
    }
    if (target.kind != Value::Kind::CellRef) return valueError();
    Value value = evaluator_.evaluate(*call.operands[1]);
    if (value.isError()) return value;
    std::optional<std::string> formula = ValueText::formulaText(value);
    if (!formula) return valueError();
    context.setFormula(target, *formula);
    return Value::numberOf(0);
}

Value SheetFunctions::runAddon(const Node& call) {
    Context& context = evaluator_.context();
    if (!context.inAction()) return Value::numberOf(0);
    std::vector<std::string> texts;
    for (const auto& operand : call.operands) {
        Value value = evaluator_.evaluate(*operand);
        if (value.isError()) return value;
        std::optional<std::string> text = ValueText::displayText(value);
        if (!text) return valueError();
        texts.push_back(*text);
    }
    context.runAddon(texts[0], texts.size() > 1 ? texts[1] : std::string());
    return Value::numberOf(0);
}

// A page or document sheet has no shape ID of its own.
Value SheetFunctions::ownId() {
    int32_t id = evaluator_.context().evaluatingSheetId();
    return Value::numberOf(id > 0 ? id : 0);
}

std::optional<Value> SheetFunctions::cellRefFromText(const std::string& text) {
    size_t bang = text.find('!');
    std::string qualifier = bang == std::string::npos ? std::string() : text.substr(0, bang);
    std::string cell = bang == std::string::npos ? text : text.substr(bang + 1);
    if (cell.empty()) return std::nullopt;
    int32_t sheetId = evaluator_.sheetIdOf(qualifier);
    if (sheetId == 0) return std::nullopt;
    return cellRef(qualifier, cell, sheetId);
}

const Node* SheetFunctions::firstReference(const Node& node) {
    for (const auto& operand : node.operands) {
        if (operand->kind == Node::Kind::Reference) return operand.get();
        if (const Node* inner = firstReference(*operand)) return inner;
    }
    return nullptr;
}

}  // namespace simhost::formula
