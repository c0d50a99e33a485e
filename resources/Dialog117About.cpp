#include "resources/Dialog117About.h"

#include "helpers/AddonConstants.h"

namespace dialog117 {

ui::DialogTemplate make() {
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "About";
    t.rect = {0, 0, 267, 175};
    t.style = ui::dialog_style::kChild;
    t.controls = {
        {kPicture, ControlKind::BitmapPicture, "", {7, 7, 43, 40}, 0, kPictureBitmap},
        {kNotice,
         ControlKind::StaticText,
         std::string(productTitle) +
             " - support tools for the QAV Visio Stencils, made by the QAV project team.",
         {58, 7, 202, 20}},
        {kFeedback,
         ControlKind::StaticText,
         "Found a problem, or have an idea? Please tell us through the QAV project's web "
         "site: we welcome your feedback.",
         {58, 30, 202, 20}},
        {kContributorsBox,
         ControlKind::GroupBox,
         "QAV Visio Stencils realized by",
         {7, 56, 253, 76}},
        {kManagement,
         ControlKind::StaticText,
         "Management: the QAV project leads",
         {16, 72, 235, 10}},
        {kProgramming,
         ControlKind::StaticText,
         "Programming: the developers of the QAV Support Tools",
         {16, 88, 235, 10}},
        {kHelp,
         ControlKind::StaticText,
         "Help: the authors of the QAV Stencils help",
         {16, 104, 235, 10}},
        {kThanks,
         ControlKind::StaticText,
         "Many thanks to everyone who tried the stencils and sent us feedback.",
         {7, 142, 253, 20}},
    };
    return t;
}

}  // namespace dialog117
