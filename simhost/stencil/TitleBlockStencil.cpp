#include "simhost/stencil/TitleBlockStencil.h"

#include <utility>

#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {
namespace {

struct TitleField {
    const char* label;
    const char* key;  // "" for a field without automatic text
};

constexpr TitleField kFields[] = {
    {"Title", ""},
    {"Project", "PROJECT"},
    {"Author", "CREATOR"},
    {"Manager", "MANAGER"},
    {"Company", "COPYRIGHT"},
    {"Date", "DATE"},
    {"Description", "DESCRIPTION"},
};
constexpr int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

struct LogoAction {
    const char* command;
    const char* menu;
};

constexpr LogoAction kLogoActions[] = {
    {"LOGODe", "Delete Picture"}, {"LOGOPS", "_Make Proportional"}, {"LOGOMS", "Stretch"}};

// The shape's own ID in a run argument, taken when the action runs: the component moves
// title blocks onto another page, where their copies have other IDs.
const std::string kOwnId = "\"&ID()&\"";

// The title block's parts are placed from their lower left corner, as the component
// places them: a block by its pin on the page, a frame at the page's origin, the logo
// area inside its block.
ShapeSpec& pinnedAtCorner(ShapeSpec& spec) {
    return spec.cell("LocPinX", "0 in").cell("LocPinY", "0 in");
}

// A cell of the master: inherited by the dropped shape unless the options say otherwise.
ShapeSpec& masterCell(ShapeSpec& spec, bool fromMaster, const std::string& name,
                      const std::string& formula) {
    return fromMaster ? spec.inherited(name, formula) : spec.cell(name, formula);
}

ShapeSpec& action(ShapeSpec& spec, bool fromMaster, int row, const std::string& argument,
                  const std::string& menu) {
    masterCell(spec, fromMaster, NotationSpec::actionCell("Action", row),
               NotationSpec::runAddon(argument));
    return masterCell(spec, fromMaster, NotationSpec::actionCell("Menu", row),
                      NotationSpec::quoted(menu));
}

// A field that fills itself with the text the key names.
ShapeSpec& textField(ShapeSpec& field, const std::string& key, const std::string& label,
                     bool fromMaster) {
    return action(field, fromMaster, 1, "SINK=INSTXT Sheet." + kOwnId + " PARAM=" + key,
                  "Insert " + label);
}

ShapeSpec logoArea(double left, double bottom, double width, double height, const char* boxName,
                   bool fromMaster) {
    ShapeSpec area = ShapeSpec::group(left, bottom, width, height);
    pinnedAtCorner(area);
    ShapeSpec box = memberBox(width / 2, height / 2, width, height);
    box.name(boxName).cell("LineWeight", "0.5 mm");
    area.member(std::move(box));
    action(area, fromMaster, 1, "SINK=LOGOIn Sheet." + kOwnId, "Insert Picture");
    for (int i = 0; i < 3; ++i) {
        const int row = i + 2;
        action(area, fromMaster, row, std::string("SINK=") + kLogoActions[i].command,
               kLogoActions[i].menu);
        masterCell(area, fromMaster, NotationSpec::actionCell("Disabled", row), "1");
    }
    return area;
}

// The block's parts: labels on the left, fields beside them, the logo area on the right.
ShapeSpec titleBlock(double left, double bottom, double width, double height, const char* logoName,
                     bool fromMaster) {
    ShapeSpec block = ShapeSpec::group(left, bottom, width, height);
    pinnedAtCorner(block);
    const double rowHeight = height / kFieldCount;
    for (int i = 0; i < kFieldCount; ++i) {
        const double y = height - rowHeight * (i + 0.5);
        ShapeSpec label = memberBox(width * 0.15, y, width * 0.3, rowHeight);
        label.text(kFields[i].label);
        block.member(std::move(label));
        ShapeSpec field = memberBox(width * 0.5, y, width * 0.4, rowHeight);
        if (*kFields[i].key) textField(field, kFields[i].key, kFields[i].label, fromMaster);
        block.member(std::move(field));
    }
    block.member(logoArea(width * 0.7, 0, width * 0.3, height, logoName, fromMaster));
    return block;
}

visio::ComRef<Shape> dropSpec(Page& page, ShapeSpec spec, const StencilOptions& options,
                              std::string* problems) {
    return NotationSpec(std::move(spec), options).drop(page, problems);
}

}  // namespace

visio::ComRef<Shape> dropTitleBlock(Page& page, const StencilOptions& options,
                                    std::string* problems) {
    ShapeSpec block = titleBlock(options.pin.x, options.pin.y, options.width, options.height,
                                 "Logo", options.fromMaster);
    block.name("title block");
    action(block, options.fromMaster, 1, "SINK=TITLEB Sheet." + kOwnId,
           "Title Block on Background");
    return dropSpec(page, std::move(block), options, problems);
}

visio::ComRef<Shape> dropFrameAndTitleBlock(Page& page, const StencilOptions& options,
                                            std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    ShapeSpec frame = ShapeSpec::group(options.pin.x, options.pin.y, w, h);
    pinnedAtCorner(frame).name("frame & title block");
    // The frame's texts are text blocks without an outline of their own.
    frame.member(memberBox(w * 0.1, h * 0.97, w * 0.2, h * 0.04).withoutGeometry().text("Drawing"));
    frame.member(memberBox(w * 0.9, h * 0.97, w * 0.2, h * 0.04).withoutGeometry().text("Sheet"));
    frame.member(memberBox(w / 2, h / 2, w * 0.96, h * 0.9));
    frame.member(titleBlock(w * 0.58, h * 0.02, w * 0.4, h * 0.2, "FrameLogo", options.fromMaster));
    action(frame, options.fromMaster, 1, "SINK=FBLOCK Sheet." + kOwnId, "Frame on Background");
    return dropSpec(page, std::move(frame), options, problems);
}

visio::ComRef<Shape> dropLogoArea(Page& page, const StencilOptions& options,
                                  std::string* problems) {
    return dropSpec(page,
                    logoArea(options.pin.x, options.pin.y, options.width, options.height, "Logo",
                             options.fromMaster),
                    options, problems);
}

visio::ComRef<Shape> dropTextField(Page& page, const std::string& key,
                                   const StencilOptions& options, std::string* problems) {
    ShapeSpec field = boxOutline(options);
    field.text(options.text);
    textField(field, key, key, options.fromMaster);
    return dropSpec(page, std::move(field), options, problems);
}

}  // namespace simhost::stencil
