#include "shapetools/TitleBlockFormulas.h"

#include "helpers/AddonConstants.h"

namespace titleblock {
namespace {

constexpr char kRemoveBackgroundCommand[] = "DELBGR";

std::string sinkArgument(const std::string& command) {
    return "\"SINK=" + command + "\"";
}

std::string rowIndex(int row) {
    return row <= 1 ? std::string() : "[" + std::to_string(row) + "]";
}

std::string setf(const std::string& cell, const std::string& value, const std::string& sep) {
    return "SETF(\"" + cell + "\"" + sep + value + ")";
}

// Ticks and unticks the row's own entry: "=SETF(GetRef(Actions.Checked),NOT(...))".
std::string toggleAction(int row, const std::string& sep) {
    const std::string checked = actionCell("Checked", row);
    return "=SETF(GetRef(" + checked + ")" + sep + "NOT(" + checked + "))";
}

// Calls the add-on back with "SINK=" and the command.
std::string runAddonAction(const std::string& command, const std::string& sep) {
    return "RUNADDONWARGS(\"" + std::string(addonName) + "\"" + sep + sinkArgument(command) + ")";
}

// Calls the add-on back with "SINK=", the command and the ID of the shape whose row runs
// it, taken when the row runs: a copy of the shape sends its own.
std::string runAddonForShapeAction(const std::string& command, const std::string& sep) {
    return "RUNADDONWARGS(\"" + std::string(addonName) + "\"" + sep + "\"SINK=" + command +
           " Sheet.\"&ID())";
}

constexpr char kDeleteLogoCommand[] = "LOGODe";

// The text as a string formula.
std::string quotedLabel(const std::string& label) {
    return "\"" + label + "\"";
}

}  // namespace

std::string actionCell(const std::string& cell, int row) {
    return "Actions." + cell + rowIndex(row);
}

std::string hideGuard(int secondRow, const std::string& sep) {
    return "=GUARD(OR(ThePage!" + actionCell("Checked", 1) + sep + "ThePage!" +
           actionCell("Checked", secondRow) + "))";
}

std::vector<MenuRow> titleBlockPageMenu(const std::string& sep) {
    return {{toggleAction(1, sep), quotedLabel("Hide Title Block")},
            {runAddonAction(kRemoveBackgroundCommand, sep), quotedLabel("_Remove Background")}};
}

bool isRemoveBackgroundAction(const std::string& actionFormula) {
    return actionFormula.find(sinkArgument(kRemoveBackgroundCommand)) != std::string::npos;
}

std::vector<MenuRow> framePageMenu(const std::string& sep) {
    return {{toggleAction(1, sep), quotedLabel("Hide Frame and Title Block")},
            {toggleAction(2, sep), quotedLabel("Hide Frame")},
            {toggleAction(3, sep), quotedLabel("Hide Title Block")},
            {runAddonAction(kRemoveBackgroundCommand, sep), quotedLabel("_Remove Background")}};
}

bool isPageMenuRow(const MenuRow& row, const std::string& sep) {
    if (isRemoveBackgroundAction(row.action)) return true;
    const auto bare = [](const std::string& formula) {
        return formula.empty() || formula[0] != '=' ? formula : formula.substr(1);
    };
    const auto written = [&](const MenuRow& own) {
        return bare(own.action) == bare(row.action) && bare(own.label) == bare(row.label);
    };
    // A drawing made under another list separator holds the rows written with that one.
    for (const std::string& separator : {sep, std::string(","), std::string(";")})
        for (const auto& menu : {titleBlockPageMenu(separator), framePageMenu(separator)})
            for (const MenuRow& own : menu)
                if (written(own)) return true;
    return false;
}

std::vector<MenuRow> logoPictureMenu(const std::string& sep) {
    return {{runAddonForShapeAction(kDeleteLogoCommand, sep), quotedLabel("Delete Picture")},
            {runAddonForShapeAction("LOGOPS", sep), quotedLabel("_Make Proportional")},
            {runAddonForShapeAction("LOGOMS", sep), quotedLabel("Stretch")}};
}

bool isDeleteLogoAction(const std::string& actionFormula) {
    return actionFormula.find("\"SINK=" + std::string(kDeleteLogoCommand)) != std::string::npos;
}

std::string logoHeightLimit(const std::string& h, const std::string& sep) {
    return setf("Height", "MIN(Height" + sep + h + ")", sep);
}

std::string logoWidthLimit(const std::string& w, const std::string& sep) {
    return setf("Width", "MIN(Width" + sep + w + ")", sep);
}

std::vector<std::string> logoEdgeFormulas(const std::string& h, const std::string& w,
                                          const std::string& sep) {
    return {
        setf("PinX", "IF((PinX-Width/2)<0" + sep + "Width/2" + sep + "PinX)", sep),
        setf("PinX", "IF((PinX+Width/2)>" + w + sep + w + "-Width/2" + sep + "PinX)", sep),
        setf("PinY", "IF((PinY+Height/2)>" + h + sep + h + "-Height/2" + sep + "PinY)", sep),
        setf("PinY", "IF((PinY-Height/2)<0" + sep + "Height/2" + sep + "PinY)", sep),
    };
}

std::string logoImageSize(const std::string& sizeCell, int32_t boxId) {
    return sizeCell + "*Not(Sheet." + std::to_string(boxId) + "!Geometry1.NoShow)";
}

}  // namespace titleblock
