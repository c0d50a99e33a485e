#include "checker/CCLegendDialog.h"

#include "core/HelpFile.h"
#include "helpers/AddonConstants.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog112Legend.h"

namespace {

// Where the consistency checker's topics lie inside the help file.
constexpr char kChapter[] = "::/HTML/QAV Support Tools/Consistency Checker/";

}  // namespace

CCLegendDialog::CCLegendDialog(const std::string& folderList, ui::WindowHandle parent)
    : ui::Dialog(dialog112::make(), parent), helpFolder_(findHelpFolder(folderList)) {
    mapClicked(dialog112::kSyntaxErrorColor, &CCLegendDialog::OnSyntaxErrorColor);
    mapClicked(dialog112::kAntiPatternColor, &CCLegendDialog::OnAntiPatternColor);
    mapClicked(dialog112::kConsistentColor, &CCLegendDialog::OnOK);
    mapClicked(dialog112::kIgnoredColor, &CCLegendDialog::OnIgnoredColor);
}

CCLegendDialog::~CCLegendDialog() = default;

bool CCLegendDialog::showTopmost() {
    if (!create(ui::WindowHandle())) return false;
    show(ui::kSwShow);
    setTopmost(true);
    return true;
}

void CCLegendDialog::OnOK() {
    openTopic(kCheckerTopic);
}

void CCLegendDialog::OnSyntaxErrorColor() {
    openTopic(kSyntaxErrorTopic);
}

void CCLegendDialog::OnAntiPatternColor() {
    openTopic(kAntiPatternTopic);
}

void CCLegendDialog::OnIgnoredColor() {
    openTopic(kCheckerTopic);
}

std::string CCLegendDialog::topicPath(const std::string& topicFile) const {
    return helpTopicPath(helpFolder_, kChapter + topicFile);
}

void CCLegendDialog::openTopic(const std::string& topicFile) {
    if (helpFolder_.empty()) {
        messageBox(kHelpFileNotFound, productTitle, ui::kMbOk);
        return;
    }
    showHelpTopic(helpFolder_, kChapter + topicFile);
}
