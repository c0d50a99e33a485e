// The formula engine's view of one shape while one of its formulas is evaluated:
// references to its own and other sheets' cells, point conversion for PAR/PNT, and the
// effects of SETF and RUNADDONWARGS in action mode.
#pragma once

#include <string>

#include "simhost/formula/Context.h"

namespace simhost {

class Evaluator;
class Shape;

class SheetContext : public formula::Context {
public:
    SheetContext(Evaluator& evaluator, Shape& shape, bool action)
        : evaluator_(evaluator), shape_(shape), action_(action) {}

    formula::Value cellValue(const std::string& sheet, const std::string& cell) override;
    int32_t evaluatingSheetId() override;
    int32_t sheetIdOf(const std::string& sheet) override;
    formula::Value pointToParent(const formula::Value& point) override;
    bool inAction() override { return action_; }
    void setFormula(const formula::Value& cellRef, const std::string& formula) override;
    void runAddon(const std::string& name, const std::string& args) override;

private:
    // The sheet a point's sheet number names, seen from the evaluating shape.
    Shape* sheetOfId(int32_t contextId);

    Evaluator& evaluator_;
    Shape& shape_;
    bool action_;
};

}  // namespace simhost
