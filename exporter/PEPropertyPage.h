// The picture exporter's page of the preference sheet (dialog 116): for each of the two
// export formats whether to export, the picture format, the output folder and whether it
// is relative to the document's folder; and the naming of a single foreground page's
// picture. The exporter reads the fields when it exports; Apply only writes the file.
#pragma once

#include <cstdint>
#include <string>

#include "core/PreferencePage.h"
#include "platform/os/PathSplit.h"
#include "platform/ui/RuntimeClass.h"

// The two formats of one export, A and B; each has its own settings and controls.
enum class PEFormatSlot { A, B };

// One export format's settings, as the page holds them.
struct PEFormatSettings {
    // 1: pictures are written in this format.
    int32_t doExport = 0;
    // An index into the format list (dialog116::kFormatNames); -1 for none.
    int32_t format = -1;
    // As typed or chosen.
    std::string folder;
    // 1: the folder is taken relative to the document's folder.
    int32_t relative = 0;
};

class PEPropertyPage : public PreferencePage {
    UI_DECLARE_DYNCREATE(PEPropertyPage)

public:
    static constexpr char kDoExportAKey[] = "PE_DoExportFileFormat_A";
    static constexpr char kFormatAKey[] = "PE_FileFormat_A";
    static constexpr char kDestinationAKey[] = "PE_Destination_A";
    static constexpr char kRelativeAKey[] = "PE_RelativePath_A";
    static constexpr char kDoExportBKey[] = "PE_DoExportFileFormat_B";
    static constexpr char kFormatBKey[] = "PE_FileFormat_B";
    static constexpr char kDestinationBKey[] = "PE_Destination_B";
    static constexpr char kRelativeBKey[] = "PE_RelativePath_B";
    static constexpr char kNamingExceptionKey[] = "PE_NamingExceptionOnePage";
    static constexpr char kBrowseTitle[] = "Choose your destination path!";

    PEPropertyPage();
    ~PEPropertyPage() override;

    // Keeps the store and the owner and loads the settings; the exporter takes them from
    // the fields when it exports.
    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    // The nine keys; a missing key takes its default (format A "emf" into the document's
    // folder, format B "gif" switched off, the naming exception on).
    void loadSettings() override;
    // Shows the file's values, with each format's controls enabled as its switch says;
    // the page opens marked modified.
    bool OnInitDialog() override;
    // Writes the nine keys; the exporter reads the fields anyway.
    bool OnApply() override;
    void DoDataExchange(ui::DataExchange& dx) override;

    void onExportSwitchClicked(PEFormatSlot slot);
    void onFolderEdited(PEFormatSlot slot);
    void browseDestination(PEFormatSlot slot);
    void onOptionChanged();

    // The relative flag for the folder text: 0 when it is absolute, else 1. Absolute on
    // Windows: a drive followed by nothing or by a separator ("C:", "C:\Pics"), or a
    // network path ("\\server\share"); on POSIX a path from the root ("/srv/share").
    static int32_t relativeFlagOf(const std::string& folder,
                                  os::PathStyle style = os::kPlatformPathStyle);

    PEFormatSettings& settings(PEFormatSlot slot) { return slot == PEFormatSlot::A ? a : b; }

    PEFormatSettings a;
    PEFormatSettings b;
    // 1: a document with one foreground page gives its picture the document's title.
    int32_t namingException = 0;

private:
    void enableFormatControls(PEFormatSlot slot);
    static void exchangeFormat(ui::DataExchange& dx, int32_t listId, int32_t& format);
};
