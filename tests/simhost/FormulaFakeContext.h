// A stand-in for the host's sheets in the formula engine's tests: formulas by sheet and
// cell name, evaluated on demand, with a cycle guard as the host keeps one.
#pragma once

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "simhost/formula/Context.h"
#include "simhost/formula/Expression.h"
#include "simhost/formula/Formula.h"

namespace simhost::formula::testing {

inline std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The document: sheets by ID, their names, their cells' formulas, and what actions did.
struct FakeDocument {
    std::map<std::string, int32_t> sheetIds;                       // lower-case name -> ID
    std::map<std::pair<int32_t, std::string>, std::string> cells;  // (ID, lower name)
    std::map<int32_t, std::pair<double, double>> parentOffsets;    // PAR: local + offset
    std::set<std::pair<int32_t, std::string>> evaluating;
    bool inAction = false;
    std::vector<std::pair<std::string, std::string>> writes;  // "Sheet!Cell", formula
    std::vector<std::pair<std::string, std::string>> addonRuns;
    int32_t parentCalls = 0;

    void addSheet(const std::string& name, int32_t id) { sheetIds[lowerCase(name)] = id; }
    void set(int32_t id, const std::string& cell, const std::string& formula) {
        cells[{id, lowerCase(cell)}] = formula;
    }
};

class FakeContext : public Context {
public:
    FakeContext(FakeDocument& document, int32_t sheetId) : doc_(document), sheetId_(sheetId) {}

    Value cellValue(const std::string& sheet, const std::string& cell) override {
        int32_t id = sheet.empty() ? sheetId_ : sheetIdOf(sheet);
        auto key = std::make_pair(id, lowerCase(cell));
        auto found = doc_.cells.find(key);
        if (id == 0 || found == doc_.cells.end()) return Value::error("#REF!");
        if (!doc_.evaluating.insert(key).second) return Value::error("#CIRC!");
        std::string error;
        auto expression = parseFormula(found->second, &error);
        FakeContext inner(doc_, id);
        Value value = expression ? evaluate(*expression, inner) : Value::error("#NAME?");
        doc_.evaluating.erase(key);
        return value;
    }
    int32_t evaluatingSheetId() override { return sheetId_; }
    int32_t sheetIdOf(const std::string& sheet) override {
        auto found = doc_.sheetIds.find(lowerCase(sheet));
        return found == doc_.sheetIds.end() ? 0 : found->second;
    }
    Value pointToParent(const Value& point) override {
        ++doc_.parentCalls;
        auto offset = doc_.parentOffsets[point.sheetId];
        Value result = point;
        result.x += offset.first;
        result.y += offset.second;
        result.sheetId = -1;  // the parent's coordinates
        return result;
    }
    bool inAction() override { return doc_.inAction; }
    void setFormula(const Value& cellRef, const std::string& formula) override {
        doc_.writes.emplace_back(std::to_string(cellRef.sheetId) + "!" + cellRef.text, formula);
        doc_.set(cellRef.sheetId, cellRef.text, formula);
    }
    void runAddon(const std::string& name, const std::string& args) override {
        doc_.addonRuns.emplace_back(name, args);
    }

private:
    FakeDocument& doc_;
    int32_t sheetId_;
};

// A document with the evaluating shape 3 ("Sheet.3"), shapes 5 and 7, the page (1) and
// the document sheet (2), and helpers that evaluate formula text on shape 3.
class FormulaTest : public ::testing::Test {
protected:
    static constexpr int32_t kShape = 3;

    FormulaTest() {
        doc.addSheet("Sheet.3", 3);
        doc.addSheet("Sheet.5", 5);
        doc.addSheet("Sheet.7", 7);
        doc.addSheet("ThePage", 1);
        doc.addSheet("TheDoc", 2);
    }

    Value value(const std::string& text) {
        std::string error;
        auto expression = parseFormula(text, &error);
        EXPECT_TRUE(expression) << text << ": " << error;
        if (!expression) return Value::error("parse error");
        FakeContext context(doc, kShape);
        return evaluate(*expression, context);
    }
    double number(const std::string& text) {
        Value v = value(text);
        EXPECT_TRUE(v.kind == Value::Kind::Number || v.kind == Value::Kind::Bool)
            << text << " gave " << v.text;
        return v.number;
    }
    std::string text(const std::string& formula) {
        Value v = value(formula);
        EXPECT_EQ(v.kind, Value::Kind::String) << formula;
        return v.text;
    }
    std::string errorOf(const std::string& formula) {
        Value v = value(formula);
        EXPECT_TRUE(v.isError()) << formula << " gave " << v.number;
        return v.text;
    }
    bool truth(const std::string& formula) {
        Value v = value(formula);
        EXPECT_EQ(v.kind, Value::Kind::Bool) << formula;
        return v.number != 0;
    }
    std::string parseError(const std::string& formula) {
        std::string error;
        auto expression = parseFormula(formula, &error);
        EXPECT_FALSE(expression) << formula;
        return error;
    }

    FakeDocument doc;
};

}  // namespace simhost::formula::testing
