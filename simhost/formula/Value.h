// The value of a ShapeSheet formula, in Visio's internal units.
#pragma once

#include <cstdint>
#include <string>

namespace simhost::formula {

// What a number measures; lengths are held in inches and angles in radians.
enum class Dimension { None, Length, Angle, Colour };

struct Value {
    enum class Kind { Number, String, Bool, Point, CellRef, Error };

    Kind kind = Kind::Number;
    double number = 0;  // Number and Bool (1/0)
    Dimension dimension = Dimension::None;
    std::string text;     // String; the error text ("#REF!") for Error; cell name for CellRef
    double x = 0, y = 0;  // Point
    int32_t sheetId = 0;  // Point: whose local coordinates; CellRef: which shape
    std::string sheet;    // CellRef: the qualifier as written ("", "Sheet.5", "ThePage")

    static Value numberOf(double n, Dimension d = Dimension::None) {
        Value v;
        v.number = n;
        v.dimension = d;
        return v;
    }
    static Value string(std::string s) {
        Value v;
        v.kind = Kind::String;
        v.text = std::move(s);
        return v;
    }
    static Value boolean(bool b) {
        Value v;
        v.kind = Kind::Bool;
        v.number = b ? 1 : 0;
        return v;
    }
    static Value error(std::string e) {
        Value v;
        v.kind = Kind::Error;
        v.text = std::move(e);
        return v;
    }
    bool isError() const { return kind == Kind::Error; }
};

}  // namespace simhost::formula
