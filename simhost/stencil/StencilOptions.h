// How a stand-in master of the notation is dropped: which stencil version it names,
// which of its cells it lacks or holds otherwise, where it lies, and the choices some
// masters offer (marking and capacity in a cell or in a text box, arrowheads, the kind
// of a misc shape, ...). Every builder reads the fields that concern it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

namespace simhost {
class Shape;
}

namespace simhost::stencil {

struct Point {
    double x = 0;
    double y = 0;
};

// Where a Petri net place keeps its marking or its capacity.
enum class ValueIn { Cell, TextBox };

struct StencilOptions {
    // A 2-D shape's options with its pin at (x, y) and its identifier text.
    static StencilOptions at(double x, double y, std::string text) {
        StencilOptions options;
        options.pin = {x, y};
        options.text = std::move(text);
        return options;
    }

    // The text of "User.QAV_ST_Version" (any text: "2.0.0", "3.0.0", "2.1", "x.y.z").
    std::string version = "2.1.1";
    // Cells the master's shape lacks, by full name ("User.QAV_StickyMan",
    // "Prop.QAVType", "User.QAV_ST_Version", ...).
    std::set<std::string> omit;
    // Formulas the shape holds instead of the master's, as local values (a cell the
    // master lacks is added).
    std::map<std::string, std::string> cells;
    // The notation cells come from the master (exist, but not locally) unless false.
    bool fromMaster = true;
    // The text of the part that carries the identifier.
    std::string text;
    // A 2-D shape: its pin (centre) and size, in inches.
    Point pin{2, 2};
    double width = 1;
    double height = 0.75;
    // A 1-D shape: its begin and end point, in inches.
    Point begin{1, 1};
    Point end{3, 1};
    // The group the shape goes into (on the page when null).
    Shape* group = nullptr;

    // Block diagram active element: a group of outline and sticky man, or a plain box.
    bool withSubShapes = true;
    // Misc shapes: "request_response_symbol", "protocol_boundary", "dots",
    // "annotation" or any other text; dots have this many sub-shapes.
    std::string miscType = "annotation";
    int dotSubShapes = 5;

    // Connectors, access arrows, arc arrows and the edges of start/end and connection
    // places: the arrowhead formulas at each end ("0" none).
    std::string beginArrow = "0";
    std::string endArrow = "4";

    // Petri net places: the marking as a cell formula or as a text box's text, and the
    // capacity likewise (an empty capacity is "-1", unlimited, in a cell and an empty
    // text in a box).
    ValueIn markingIn = ValueIn::Cell;
    std::string marking = "0";
    ValueIn capacityIn = ValueIn::Cell;
    std::string capacity;
    // Arcs: the text of the weight box.
    std::string weight;

    // The tables the layout command reads on the shapes a layout shape is glued to:
    // the row of the connection point to use on each side ("User.N100", "User.E101",
    // ...), and the inner points with the sides of the parts ("User.IN100", "User.LO100").
    bool layoutTable = false;
    bool innerTable = false;

    // The 1-D masters (connections, access arrows, ER connections) carry the layout
    // command's menu and flag.
    bool layoutMenu = false;
    // The layout shape: the number of its first action row (the horizontal entry; the
    // vertical one follows it) and its "User.RecursionFlag" formula.
    int firstLayoutRow = 1;
    std::string recursionFlag = "TRUE";
};

}  // namespace simhost::stencil
