// The notation's compiled help file "QAV_STENCILS.CHM": finding it in the folders of
// Visio's help path setting and asking HTML Help to show it or one of its topics.
#pragma once

#include <string>

inline constexpr char kHelpFileName[] = "QAV_STENCILS.CHM";
// The window definition the help opens in.
inline constexpr char kHelpWindow[] = ">$global_Visio";
inline constexpr char kHelpFileNotFound[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings "
    "of Visio are correct and the Help file exists there.";

// Of the ';'-separated folders, the last that holds the help file; empty items are
// skipped. Empty when none holds it.
std::string findHelpFolder(const std::string& folderList);

// What HTML Help is asked to show: the file in the folder, then the topic (empty for
// the file's own start, else "::/" and the topic's place in the file), then the window.
std::string helpTopicPath(const std::string& folder, const std::string& topic);

// Has HTML Help show the topic, with no caller window.
void showHelpTopic(const std::string& folder, const std::string& topic);
