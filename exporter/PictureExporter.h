// The picture export button, "PEExportButton": one press writes every foreground page
// of the active document to picture files, in up to two formats (A and B), each into its
// own folder, as the exporter's page sets them. Visio's page export draws the pictures;
// the file's extension names the format.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "exporter/PEPropertyPage.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VToolbarItem.h"

class PictureExporter : public SupportTool {
public:
    static constexpr char kButtonTag[] = "PEExportButton";
    // How long after the last mark (the start, or the last answer to the replace
    // question) an export keeps Visio busy.
    static constexpr uint32_t kFinalWaitMilliseconds = 1000;
    // The base name of a single foreground page's picture when the document has no title.
    static constexpr char kUntitledName[] = "DrawingXY";

    explicit PictureExporter(const visio::VApplication& application);
    ~PictureExporter() override;

    // The controller's entry: registered, so it has a page and a button.
    static ToolFactory factory();

    // The button starts disabled; it is enabled once a window shows a document.
    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Exports on "PEExportButton".
    bool onCommand(std::string argument) override;
    // A window activated enables the button; the last document closing disables it.
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;

    // Enables the button while a document is open; it never disables it.
    void updateButtonState();
    PEPropertyPage* propertyPage() const { return page_.get(); }

    // The file name + "." + extension in the folder. Each of \ / : * ? " < > | and each
    // control character in the name is replaced by "_", and a name Windows keeps for a
    // device ("CON", "nul.txt", "COM1") gets a "_" after that part ("CON_").
    static std::string buildPictureFileName(const std::string& folder, const std::string& name,
                                            const std::string& extension);

private:
    // The replace question's buttons.
    enum class ReplaceAnswer { All = 1, One = 2, Cancel = 3 };
    // Where the pictures of one format go.
    struct Destination {
        enum class State {
            Ready,
            // No folder: an unsaved document's relative folder, or an empty setting.
            Undetermined,
            // A file of that name, or a missing folder the user did not have made.
            NotValid,
            // A missing folder that could not be made.
            NotCreated,
        };
        State state = State::Undetermined;
        // The full folder, resolved; empty when none could be determined.
        std::string folder;
    };
    // A page whose picture is not there after the export, and the file it was to be.
    struct MissingPicture {
        std::string page;
        std::string path;
        // The file that was at the path before is still there.
        bool oldFileKept = false;
    };

    void exportAll();
    void saveSelection();
    void runExport();
    void exportInFormat(const PEFormatSettings& format, PEFormatSlot slot);
    // The full folder of the setting, taken from the active document's folder or, when
    // not relative, from the working folder, with "." and ".." resolved: the one path
    // that the question, the folders made and every picture use. Ready when it is a
    // folder, or when the user had it made. A file of that name is not valid, and
    // nothing is asked.
    Destination resolveDestination(std::string setting, bool relative);
    // Asks whether the missing folder is to be made; on Yes makes each missing level of
    // it, from the top down.
    Destination::State askCreateDestination(const std::string& path);
    void exportPages(const std::string& folder, const visio::VDocument& document,
                     int32_t formatIndex);
    std::string baseNameOf(const visio::VPage& page, const visio::VDocument& document,
                           int foregroundCount) const;
    // The page's picture file: the cleaned name, with "_2", "_3", ... added when this
    // export has written a file of that name for another page already (compared as
    // Windows compares names). The page's own file again when it has one of that name.
    std::string picturePathOf(int16_t pageNumber, const std::string& folder,
                              const std::string& name, const std::string& extension) const;
    ReplaceAnswer askReplace(const std::string& folder);
    // A file in the way is replaced only by a picture that was written; false, after
    // saying so, when the file would not give way. A picture that is not there afterwards
    // is kept for the message at the end.
    bool writePicture(const visio::VPage& page, int16_t pageNumber, const std::string& path);
    bool replacePicture(const visio::VPage& page, const std::string& path);
    void noteMissingPicture(const visio::VPage& page, const std::string& path);
    // A free name for the new picture beside the file it is to replace.
    std::string besidePath(const std::string& path) const;
    void reportMissingPictures();
    bool fileExists(const std::string& path) const;
    void restoreSelection();
    void waitOutTimeMark() const;
    void showButton(bool enabled);
    void markTime();

    visio::VApplication application_;
    visio::VToolbarItem button_;
    std::unique_ptr<PEPropertyPage> page_;
    // The shape IDs selected when the export started, in selection order.
    std::vector<int32_t> savedSelection_;
    // Tick count of the export's start, renewed at every answer to the replace question.
    uint32_t timeMark_ = 0;
    // The files this export has written or tried to write, in lower case, each with the
    // number of the page it is for: a later page never takes the name of an earlier one,
    // nor replaces its picture.
    std::map<std::string, int16_t> usedPaths_;
    std::vector<MissingPicture> missingPictures_;
};
