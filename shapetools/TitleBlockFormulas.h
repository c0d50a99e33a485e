// The formulas the title block component writes: the guards that hide a block's parts
// while an entry of the background page's menu is ticked, the menu rows themselves, and
// the logo picture's rows and cells. Arguments are joined by the user's list separator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace titleblock {

// One row of a shortcut menu: its action formula and its label (a quoted string
// formula).
struct MenuRow {
    std::string action;
    std::string label;
};

// The name of a cell of row n (from 1) of the Actions section: "Actions.Checked",
// "Actions.Checked[2]".
std::string actionCell(const std::string& cell, int row);

// A GUARD that hides while the page's first or the given menu entry is ticked:
// "=GUARD(OR(ThePage!Actions.Checked,ThePage!Actions.Checked[2]))".
std::string hideGuard(int secondRow, const std::string& separator);

// The background page's menu for a title block (hide, remove) and for a frame with its
// title block (hide both, hide the frame, hide the block, remove).
std::vector<MenuRow> titleBlockPageMenu(const std::string& separator);
std::vector<MenuRow> framePageMenu(const std::string& separator);

// Whether an action formula is the background page's "_Remove Background" row.
bool isRemoveBackgroundAction(const std::string& actionFormula);

// Whether a row of the background page's menu is one the tool writes there: the remove
// row, or a hide row with the tool's label and its own toggle, written with the given
// separator or with "," or ";". Formulas compare with or without their leading "=".
bool isPageMenuRow(const MenuRow& row, const std::string& separator);

// The logo picture's menu rows 2 to 4: delete, make proportional, stretch. Each sends
// the ID of the shape it belongs to, so that it acts on that picture.
std::vector<MenuRow> logoPictureMenu(const std::string& separator);

// Whether an action formula is a logo picture's "Delete Picture" row (with or without
// the ID that older pictures' rows lack).
bool isDeleteLogoAction(const std::string& actionFormula);

// The logo picture's Scratch formulas that keep it inside its logo area, given
// references to the area's height and width: X1 and X2 keep it no
// larger than the area, X3 to X6 push it back inside the left, right, top and bottom
// edges.
std::string logoHeightLimit(const std::string& areaHeight, const std::string& separator);
std::string logoWidthLimit(const std::string& areaWidth, const std::string& separator);
std::vector<std::string> logoEdgeFormulas(const std::string& areaHeight,
                                          const std::string& areaWidth,
                                          const std::string& separator);

// The image disappears while the logo area's box (the shape with that ID) hides its
// outline.
std::string logoImageSize(const std::string& sizeCell, int32_t boxId);

}  // namespace titleblock
