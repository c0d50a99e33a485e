// The functions that need more than their argument values: IF (evaluates one branch
// only), the point functions that know whose coordinates a point is in, GetRef, and
// the action functions SETF, RUNADDON and RUNADDONWARGS, and ID, the evaluating shape's ID.
#pragma once

#include <optional>

#include "simhost/formula/Evaluator.h"
#include "simhost/formula/FunctionTable.h"
#include "simhost/formula/Node.h"

namespace simhost::formula {

class SheetFunctions {
public:
    explicit SheetFunctions(Evaluator& evaluator) : evaluator_(evaluator) {}

    static bool handles(Function function);
    // The call's argument count already fits the function.
    Value call(const Node& call);

private:
    Value choice(const Node& call);
    Value point(const Node& call);
    Value parentPoint(const Node& call);
    Value reference(const Node& call);
    Value setFormula(const Node& call);
    Value runAddon(const Node& call);
    Value ownId();
    std::optional<Value> cellRefFromText(const std::string& text);
    static const Node* firstReference(const Node& node);

    Evaluator& evaluator_;
};

}  // namespace simhost::formula
