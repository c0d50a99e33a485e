#include "simhost/host/SheetContext.h"

#include "simhost/formula/ErrorTexts.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Evaluator.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Transform.h"

namespace simhost {

formula::Value SheetContext::cellValue(const std::string& sheet, const std::string& cell) {
    Shape* target = shape_.resolveSheet(sheet);
    if (!target) return formula::Value::error(formula::errors::kRef);
    auto address = target->sheet().resolve(cell);
    if (!address) return formula::Value::error(formula::errors::kRef);
    return evaluator_.valueOf(*target, *address);
}

int32_t SheetContext::evaluatingSheetId() {
    return shape_.contextId();
}

int32_t SheetContext::sheetIdOf(const std::string& sheet) {
    Shape* target = shape_.resolveSheet(sheet);
    return target ? target->contextId() : 0;
}

Shape* SheetContext::sheetOfId(int32_t contextId) {
    if (contextId == shape_.contextId()) return &shape_;
    if (contextId == -1 && shape_.page()) return shape_.page()->pageSheet();
    if (contextId == -2 && shape_.document()) return shape_.document()->documentSheet();
    return shape_.page() && contextId > 0 ? shape_.page()->findShape(contextId) : nullptr;
}

formula::Value SheetContext::pointToParent(const formula::Value& point) {
    Shape* source = sheetOfId(point.sheetId);
    if (!source) return formula::Value::error(formula::errors::kRef);
    Point2 onPage = ShapeTransform::localToPage(*source).apply({point.x, point.y});
    Shape* parent = shape_.group();
    Point2 local = parent ? ShapeTransform::pageToLocal(*parent).apply(onPage) : onPage;
    formula::Value result = point;
    result.x = local.x;
    result.y = local.y;
    result.sheetId = parent ? parent->contextId() : -1;
    return result;
}

void SheetContext::setFormula(const formula::Value& cellRef, const std::string& formula) {
    Shape* target = shape_.resolveSheet(cellRef.sheet);
    if (!target) return;
    auto address = target->sheet().resolve(cellRef.text);
    if (address) target->writeFormula(*address, formula, false);
}

void SheetContext::runAddon(const std::string& name, const std::string& args) {
    Application& application = evaluator_.application();
    application.log().addonRuns.emplace_back(name, args);
    if (application.hooks().runAddon) application.hooks().runAddon(name, args);
}

}  // namespace simhost
