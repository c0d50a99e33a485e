// ShapeSheet formulas through the formula engine and the host: the parser takes a text
// exactly when a cell does; what parses evaluates (twice the same) in cells of grouped
// shapes that refer to each other, to their group and to the page; and a formula run as
// an action (SETF, RUNADDONWARGS) takes effect without harm.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "simhost/formula/Formula.h"
#include "simhost/host/Cell.h"
#include "simhost/host/FormulaCache.h"
#include "simhost/host/Host.h"

namespace {

void require(bool holds, const char* what, const std::string& formula) {
    if (holds) return;
    std::fprintf(stderr, "%s: %s\n", what, formula.c_str());
    std::abort();
}

std::string valueText(const simhost::formula::Value& value) {
    std::string number = std::isnan(value.number) ? "nan" : std::to_string(value.number);
    return std::to_string(static_cast<int>(value.kind)) + " " + number + " " + value.text + " " +
           std::to_string(value.x) + " " + std::to_string(value.y) + " " + value.sheet;
}

// The parser's view of a formula (as a cell keeps it: "=" before it dropped), and whether
// a cell takes it.
void parseAlone(const std::string& formula, simhost::Shape& shape, const std::string& cell) {
    std::string error;
    auto expression =
        simhost::formula::parseFormula(simhost::FormulaCache::storedText(formula), &error);
    require(!expression == !error.empty(), "a parse answers both or neither", formula);
    if (expression) {
        simhost::formula::referencedCells(*expression);
        simhost::formula::isGuarded(*expression);
    }
    std::string refused;
    bool taken = shape.setCell(cell, formula, &refused);
    require(taken == (expression != nullptr), "a cell and the parser disagree", formula);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string first = input.ConsumeRandomLengthString(256);
    const std::string second = input.ConsumeRandomLengthString(256);
    const std::string action = input.ConsumeRemainingBytesAsString();

    simhost::Host host;
    auto document = host.newDocument();
    simhost::Page& page = *document->page(1);
    auto group =
        host.addShape(page, simhost::ShapeSpec::group(3, 3, 2, 2)
                                .name("Group")
                                .member(simhost::ShapeSpec::box(0.5, 0.5, 1, 1).name("A"))
                                .member(simhost::ShapeSpec::box(1.5, 1.5, 1, 1).name("B")));
    simhost::Shape& a = *group->memberList()[0];
    simhost::Shape& b = *group->memberList()[1];
    parseAlone(first, a, "User.First");
    parseAlone(second, b, "Prop.Second");
    parseAlone(action, a, "Actions.Go.Action");

    for (simhost::Shape* shape : {&a, &b}) {
        for (const char* cell : {"User.First", "Prop.Second", "Actions.Go.Action", "PinX"}) {
            auto address = shape->sheet().resolve(cell);
            if (!address) continue;
            std::string once = valueText(shape->cellValue(*address));
            require(once == valueText(shape->cellValue(*address)), "a value changes", cell);
            shape->CellsU(cell)->ResultStr(std::string("in"));
        }
    }
    host.runAction(a, "Go");
    return 0;
}
