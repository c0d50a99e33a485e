// Puts together the description of one stand-in master: its outline, its notation cells (as
// the master's, so inherited by the dropped shape unless the options say otherwise, and
// left out when the options omit them), its members and the test's own cell formulas;
// then drops it and finishes what a description cannot say (ellipse rows, action rows that
// name the shape's own ID, members that show their group's looks).
#pragma once

#include <string>
#include <vector>

#include "platform/visio/ComRef.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
}

namespace simhost::stencil {

// What of its group's looks a member shows, as the masters' parts refer to their group
// (a check colours the group): none (its own), the line (colour, weight and pattern of
// its outline), the text (character colour and style), or both.
enum class GroupLook { None, Line, Text, LineAndText };

class NotationSpec {
public:
    NotationSpec(ShapeSpec outline, const StencilOptions& options);

    // "User.QAV_DrawingType.Prompt", "Prop.QAVType" and "User.QAV_ST_Version".
    NotationSpec& notation(const std::string& drawingType, const std::string& elementType);
    // A cell of the master, unless the options omit it.
    NotationSpec& cell(const std::string& name, const std::string& formula);
    // A text box of the text input assistant: its index among the sub-shapes and its
    // prompt (a quoted text).
    NotationSpec& textBox(int box, int subShape, const std::string& prompt);
    // Action row `row` (from 1) that opens the text box at that sub-shape for typing.
    NotationSpec& editBoxAction(int row, int subShape, const std::string& label);
    NotationSpec& member(ShapeSpec member, GroupLook shows = GroupLook::None);
    // The connection-point tables of the layout command, when the options ask for them;
    // boxShape is the sub-shape whose box stands for the shape (0: the shape itself).
    NotationSpec& layoutTables(int boxShape = 0);
    // The layout command's cells on a 1-D master: "User.RecursionFlag" and the two
    // action rows (horizontal, vertical) from the options' first layout row.
    NotationSpec& layoutMenu();

    // Drops the shape with the options' own cells as local values.
    visio::ComRef<Shape> drop(Page& page, std::string* problems) const;

    // Quoted text as a string formula.
    static std::string quoted(const std::string& text) { return "\"" + text + "\""; }
    // The name of a cell of action row n (from 1): "Actions.Action", "Actions.Menu[2]".
    static std::string actionCell(const std::string& cell, int row);
    // The action that runs the add-on with the argument. In an argument, ownId stands
    // for the ID of the shape that carries the formula; it is filled in on the drop.
    static std::string runAddon(const std::string& argument);
    // The action that runs the add-on with the text before, the ID of the shape that
    // carries the formula (ID(), so that copies send their own) and the text after.
    static std::string runAddonForShape(const std::string& before, const std::string& after);
    static constexpr char ownId[] = "{ID}";

private:
    void showGroupLooks(Shape& group) const;

    ShapeSpec spec_;
    const StencilOptions& options_;
    // Of each member, in order (the outline's own members show none).
    std::vector<GroupLook> memberLooks_;
};

}  // namespace simhost::stencil
