// Stand-in masters of the title block, the frame with title block, the logo area inside
// a title block and a text field, with the action rows the title block component serves.
// Their run arguments name the calling shape by its ID at the time the row runs.
//
// Title block (a group named "title block", placed by its lower left corner, as are the
// logo area and the frame): sub-shapes 1 to 14 are its parts, labels and text fields in
// turn (the fields fill themselves with "INSTXT" and the keys "PROJECT", "CREATOR",
// "MANAGER", "COPYRIGHT", "DATE" and "DESCRIPTION"; the first field, the title, has no
// key); sub-shape 15 is the logo area. Action row 1 sends "TITLEB" with the block's ID.
//
// Logo area (a group): sub-shape 1 is the visible box named "Logo" (any other name
// inside a frame), whose line weight is the margin; action row 1 sends "LOGOIn" with
// the area's ID, rows 2 to 4 ("LOGODe", "LOGOPS", "LOGOMS") start disabled. Dropped
// first onto an empty page, the title block is ID 1 and the logo box ID 17.
//
// Frame with title block (a group named "frame & title block"): sub-shapes 1 and 2 are
// the frame's texts, 3 its outline, 4 a title block as above without its own action
// row. Action row 1 sends "FBLOCK" with the frame's ID.
#pragma once

#include <string>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::stencil {

visio::ComRef<Shape> dropTitleBlock(Page& page, const StencilOptions& options = {},
                                    std::string* problems = nullptr);
visio::ComRef<Shape> dropFrameAndTitleBlock(Page& page, const StencilOptions& options = {},
                                            std::string* problems = nullptr);
// A logo area on its own (as the title block holds it), for tests of the logo commands.
visio::ComRef<Shape> dropLogoArea(Page& page, const StencilOptions& options = {},
                                  std::string* problems = nullptr);

// A text field on its own: a box with the options' text whose action row sends
// "INSTXT" with its ID and the key.
visio::ComRef<Shape> dropTextField(Page& page, const std::string& key,
                                   const StencilOptions& options = {},
                                   std::string* problems = nullptr);

}  // namespace simhost::stencil
