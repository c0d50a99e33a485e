// Dialog 117, the About page of the preference sheet: the add-on's picture, the makers'
// notice with the invitation to send feedback, who realised the stencils, and thanks.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog117 {

constexpr int32_t kId = 117;
// The picture at the top left, shown at its own size.
constexpr int32_t kPictureBitmap = 135;

constexpr int32_t kPicture = 1010;
constexpr int32_t kNotice = 1011;
constexpr int32_t kFeedback = 1012;
constexpr int32_t kContributorsBox = 1013;
constexpr int32_t kManagement = 1014;
constexpr int32_t kProgramming = 1015;
constexpr int32_t kHelp = 1016;
constexpr int32_t kThanks = 1017;

ui::DialogTemplate make();

}  // namespace dialog117
