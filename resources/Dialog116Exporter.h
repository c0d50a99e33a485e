// Dialog 116, the Picture Exporter page of the preference sheet: two export formats,
// each with its picture format, output folder and whether that folder is relative to
// the document's, and the naming of a single foreground page's picture.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog116 {

constexpr int32_t kId = 116;
constexpr int32_t kExportA = 1009;          // automatic check box
constexpr int32_t kFolderA = 1010;          // edit, scrolls horizontally
constexpr int32_t kRelativeA = 1011;        // automatic check box
constexpr int32_t kFormatA = 1012;          // drop-down list of kFormatNames
constexpr int32_t kExportB = 1013;          // automatic check box
constexpr int32_t kFolderB = 1014;          // edit
constexpr int32_t kRelativeB = 1015;        // automatic check box
constexpr int32_t kFormatB = 1016;          // drop-down list of kFormatNames
constexpr int32_t kNamingException = 1018;  // automatic check box
constexpr int32_t kFolderLabelA = 1019;     // static text
constexpr int32_t kFolderLabelB = 1020;     // static text
constexpr int32_t kBrowseA = 1022;          // push button
constexpr int32_t kBrowseB = 1023;          // push button

// The entries of both format lists, in list order; a list's index is the format number
// the settings keep, and the entry is the extension of the pictures written.
constexpr std::array<const char*, 6> kFormatNames = {"emf", "wmf", "eps", "jpg", "png", "gif"};

ui::DialogTemplate make();

}  // namespace dialog116
