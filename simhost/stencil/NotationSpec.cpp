#include "simhost/stencil/NotationSpec.h"

#include <utility>

#include "simhost/host/Application.h"
#include "simhost/host/FormulaCache.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {
namespace {

// A master's formula that names its own shape is written with the shape's ID as it lies
// on the page, as Visio's references are kept on a drop.
void fillInOwnIds(Shape& shape) {
    ShapeSheet& sheet = shape.sheet();
    const std::string id = std::to_string(shape.id());
    const std::string idMark = NotationSpec::ownId;
    for (int16_t section : sheet.sectionNumbers()) {
        const int16_t rows = sheet.rowCount(section);
        for (int16_t r = 0; r < rows; ++r) {
            SheetRow* row = sheet.row(section, r);
            if (!row) continue;
            for (SheetCell& cell : row->cells) {
                bool filled = false;
                for (std::size_t at = cell.formula.find(idMark); at != std::string::npos;
                     at = cell.formula.find(idMark)) {
                    cell.formula.replace(at, idMark.size(), id);
                    filled = true;
                }
                if (filled) {
                    cell.expression = shape.application()->formulas().parse(cell.formula, nullptr);
                }
            }
        }
    }
    for (const auto& member : shape.memberList()) fillInOwnIds(*member.get());
}

// A formula of a member as the master holds it, put in place without events, as the
// drop puts the master's cells (the members are the shape's own, not inherited).
void putMemberCell(Shape& member, const std::string& name, const std::string& formula) {
    CellAddress address;
    if (!member.sheet().ensureCell(name, &address)) return;
    member.sheet().setLocal(address, formula,
                            member.application()->formulas().parse(formula, nullptr));
}

bool showsLine(GroupLook look) {
    return look == GroupLook::Line || look == GroupLook::LineAndText;
}

bool showsText(GroupLook look) {
    return look == GroupLook::Text || look == GroupLook::LineAndText;
}

}  // namespace

std::string NotationSpec::actionCell(const std::string& cell, int row) {
    const std::string name = "Actions." + cell;
    return row == 1 ? name : name + "[" + std::to_string(row) + "]";
}

std::string NotationSpec::runAddon(const std::string& argument) {
    return "RUNADDONWARGS(\"QAVSupportTools\",\"" + argument + "\")";
}

std::string NotationSpec::runAddonForShape(const std::string& before, const std::string& after) {
    return "RUNADDONWARGS(\"QAVSupportTools\",\"" + before + "\"&ID()&\"" + after + "\")";
}

NotationSpec::NotationSpec(ShapeSpec outline, const StencilOptions& options)
    : spec_(std::move(outline)),
      options_(options),
      memberLooks_(spec_.members().size(), GroupLook::None) {
    if (options_.fromMaster) spec_.fromMaster();
}

NotationSpec& NotationSpec::notation(const std::string& drawingType,
                                     const std::string& elementType) {
    cell("User.QAV_DrawingType.Prompt", quoted(drawingType));
    cell("Prop.QAVType", quoted(elementType));
    return cell("User.QAV_ST_Version", quoted(options_.version));
}

NotationSpec& NotationSpec::cell(const std::string& name, const std::string& formula) {
    if (options_.omit.count(name)) return *this;
    if (options_.fromMaster) {
        spec_.inherited(name, formula);
    } else {
        spec_.cell(name, formula);
    }
    return *this;
}

NotationSpec& NotationSpec::textBox(int box, int subShape, const std::string& prompt) {
    const std::string row = "User.TIA_TextBox" + std::to_string(box);
    cell(row, std::to_string(subShape));
    return cell(row + ".Prompt", quoted(prompt));
}

NotationSpec& NotationSpec::editBoxAction(int row, int subShape, const std::string& label) {
    const std::string after = " TBIndex=" + std::to_string(subShape);
    cell(actionCell("Action", row), runAddonForShape("SINK=TIA Sheet.", after));
    return cell(actionCell("Menu", row), quoted(label));
}

NotationSpec& NotationSpec::layoutMenu() {
    const int first = options_.firstLayoutRow;
    const std::string after = " SCMIndex=" + std::to_string(first);
    cell("User.RecursionFlag", options_.recursionFlag);
    for (int row = 1; row < first; ++row) cell(actionCell("Menu", row), "\"\"");
    const char* const menus[2] = {"Horizontal", "Vertical"};
    for (int i = 0; i < 2; ++i) {
        cell(actionCell("Action", first + i), runAddonForShape("SINK=ALA Sheet.", after))
            .cell(actionCell("Menu", first + i), quoted(menus[i]))
            .cell(actionCell("Checked", first + i), "0");
    }
    return *this;
}

NotationSpec& NotationSpec::member(ShapeSpec member, GroupLook shows) {
    spec_.member(std::move(member));
    memberLooks_.push_back(shows);
    return *this;
}

NotationSpec& NotationSpec::layoutTables(int boxShape) {
    static const char* const sides[4] = {"N", "E", "S", "W"};
    // The inner points are parts too (104 to 107): a connector re-glued to one finds
    // its tables there as well.
    const int points = options_.innerTable ? 8 : 4;
    for (int point = 0; point < points; ++point) {
        const std::string part = std::to_string(100 + point);
        if (options_.layoutTable) {
            // Whichever point a connector ends at, each side has its own point.
            for (int side = 0; side < 4; ++side) {
                cell(std::string("User.") + sides[side] + part, std::to_string(side + 1));
            }
        }
        if (options_.innerTable) {
            cell("User.IN" + part, std::to_string(innerPointRow(point % 4)));
            cell("User.LO" + part, quoted(sides[point % 4]));
        }
    }
    if (options_.layoutTable && boxShape > 0)
        cell("User.ALA_BoundingBox_Shape", std::to_string(boxShape));
    return *this;
}

visio::ComRef<Shape> NotationSpec::drop(Page& page, std::string* problems) const {
    ShapeSpec spec = spec_;
    for (const auto& [name, formula] : options_.cells) spec.cell(name, formula);
    visio::ComRef<Shape> shape = page.addShape(spec, options_.group, problems);
    if (shape) {
        finishEllipses(*shape.get());
        fillInOwnIds(*shape.get());
        showGroupLooks(*shape.get());
    }
    return shape;
}

void NotationSpec::showGroupLooks(Shape& group) const {
    const std::string sheet = "Sheet." + std::to_string(group.id()) + "!";
    const auto& members = group.memberList();
    for (size_t i = 0; i < members.size() && i < memberLooks_.size(); ++i) {
        Shape& member = *members[i].get();
        if (showsLine(memberLooks_[i])) {
            for (const char* cell : {"LineColor", "LineWeight", "LinePattern"})
                putMemberCell(member, cell, sheet + cell);
        }
        if (showsText(memberLooks_[i])) {
            for (const char* cell : {"Char.Color", "Char.Style"})
                putMemberCell(member, cell, sheet + cell);
        }
    }
}

}  // namespace simhost::stencil
