// The checker's legend (dialog 112): a small modeless window that explains the four
// looks of a check. Each colour picture opens the help topic about its look in the
// notation's help file, which the legend looks for in Visio's help folders when it is
// made; Enter opens the checker's own topic and leaves the legend open.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CCLegendDialog : public ui::Dialog {
public:
    // The topics, as files of the help file's consistency checker chapter.
    static constexpr char kSyntaxErrorTopic[] = "formal_errors.html";
    static constexpr char kAntiPatternTopic[] = "anti_patterns.html";
    static constexpr char kCheckerTopic[] = "consistency_checker.html";

    // folderList: Visio's ';'-separated help folders; of those holding the help file,
    // the last one listed is used.
    explicit CCLegendDialog(const std::string& folderList,
                            ui::WindowHandle parent = ui::WindowHandle());
    ~CCLegendDialog() override;

    // Creates the window without parent, shows it and keeps it above other windows.
    bool showTopmost();

    // Enter and the consistent colour's picture.
    void OnOK() override;
    void OnSyntaxErrorColor();
    void OnAntiPatternColor();
    void OnIgnoredColor();

    // Empty when no folder holds the help file.
    const std::string& helpFolder() const { return helpFolder_; }
    // What HTML Help is asked to show for a topic of the chapter.
    std::string topicPath(const std::string& topicFile) const;

private:
    // Tells the user, in a box of the legend's own, when there is no help file.
    void openTopic(const std::string& topicFile);

    std::string helpFolder_;
};
