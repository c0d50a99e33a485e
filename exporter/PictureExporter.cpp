#include "exporter/PictureExporter.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "core/ToolbarButton.h"
#include "helpers/AddonConstants.h"
#include "helpers/MessageBoxWithButtons.h"
#include "helpers/VisioText.h"
#include "platform/os/PathResolve.h"
#include "platform/os/PathSplit.h"
#include "platform/os/System.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VPages.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VWindow.h"
#include "platform/visio/VisioConstants.h"
#include "resources/Dialog116Exporter.h"

namespace {

constexpr char kNoFormats[] =
    "Picture export cannot be performed. No export formats are specified, please check your "
    "settings.";
constexpr char kNoForegroundPage[] =
    "Picture export cannot be performed. The document has no foreground page to export.";
constexpr char kNoDestination[] =
    "No valid Destination Path could be determined:\n\n- Your Document was not saved yet so no "
    "Relative Path exists\n- Your Settings contain an empty absolute Path";
constexpr char kReplaceAll[] = "Replace ALL";
constexpr char kReplaceOne[] = "Replace ONE";
constexpr char kCancel[] = "Cancel";
// The characters a file name cannot hold, each replaced by kNameReplacement, as are the
// control characters below kFirstPrintable.
constexpr char kForbiddenInNames[] = {'\\', '/', ':', '*', '?', '"', '>', '<', '|'};
constexpr char kNameReplacement = '_';
constexpr unsigned char kFirstPrintable = 32;
// Windows opens a device for these names, whatever their case, trailing blanks, or what
// follows a dot ("con .txt"); COM and LPT take one digit after them.
constexpr const char* kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr const char* kNumberedDevices[] = {"COM", "LPT"};
// The name of the new picture written beside the one it replaces, before the extension.
constexpr char kNewPictureName[] = "~new";

std::string invalidDestination(const std::string& folder) {
    return "Destination Path (" + folder + ") is not valid. Please check your settings.";
}

std::string uncreatableDestination(const std::string& folder) {
    return "Destination Path (" + folder + ") could not be created. Please check your settings.";
}

std::string keptNote() {
    return " (the file that was there is kept)";
}

std::string missingPictures(const std::vector<std::string>& lines) {
    std::string text = "The pictures of these pages could not be written:\n";
    for (const std::string& line : lines) text += "\n- " + line;
    return text;
}

std::string createQuestion(const std::string& path) {
    return "Destination Path (" + path + ") does not exist. Should it be created?";
}

std::string replaceQuestion(const std::string& folder) {
    return "A File already exists! Do you want to replace ALL files in '" + folder + "'?";
}

std::string fileInUse(const std::string& path) {
    return "An unexpected error has occured during export! Maybe the file '" + path +
           "' is in use.";
}

// A hand-edited settings file may hold any number; no picture is written with an
// extension made up from it.
std::string unknownFormat(PEFormatSlot slot, int32_t format) {
    return std::string("Pictures in the ") + (slot == PEFormatSlot::A ? "first" : "second") +
           " export format are not written: the format number " + std::to_string(format) +
           " in your settings names no picture format. Please choose one in your settings.";
}

bool knownFormat(int32_t format) {
    return format >= 0 && format < static_cast<int32_t>(dialog116::kFormatNames.size());
}

int32_t showMessage(const std::string& text, uint32_t type) {
    return ui::Backend::current().messageBox(ui::WindowHandle(), text, productTitle, type);
}

ButtonLook exportButton(bool enabled) {
    ButtonLook look;
    look.tooltip = "Export drawings of each page to seperate files";
    look.tag = PictureExporter::kButtonTag;
    look.iconNumber = buttonIcon::kPictureExport;
    look.enabled = enabled;
    return look;
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isDeviceName(const std::string& stem) {
    const std::string upper = upperCase(stem);
    for (const char* device : kDeviceNames) {
        if (upper == device) return true;
    }
    for (const char* device : kNumberedDevices) {
        if (upper.size() == 4 && upper.compare(0, 3, device) == 0 &&
            std::isdigit(static_cast<unsigned char>(upper[3]))) {
            return true;
        }
    }
    return false;
}

// The page's name as a file name every platform can hold: the characters no file name
// may hold become "_", and a device name gets a "_" after it ("CON" gives "CON_").
std::string fileNameOf(std::string name) {
    for (char& c : name) {
        const bool forbidden = std::find(std::begin(kForbiddenInNames), std::end(kForbiddenInNames),
                                         c) != std::end(kForbiddenInNames);
        if (forbidden || static_cast<unsigned char>(c) < kFirstPrintable) c = kNameReplacement;
    }
    std::size_t stemEnd = std::min(name.find('.'), name.size());
    while (stemEnd > 0 && name[stemEnd - 1] == ' ') --stemEnd;
    if (isDeviceName(name.substr(0, stemEnd))) name.insert(stemEnd, 1, kNameReplacement);
    return name;
}

// A folder that the page counts as relative though it starts at a separator ("\Pics" on
// Windows) lies in the document's folder, as the ticked box says, not at its drive's root.
std::string withinDocumentFolder(std::string setting) {
    if (PEPropertyPage::relativeFlagOf(setting) == 1)
        setting.erase(0, setting.find_first_not_of(os::pathSeparators()));
    return setting;
}

int foregroundPageCount(const visio::VDocument& document) {
    const visio::VPages pages = document.Pages();
    const int16_t count = pages.Count();
    int foreground = 0;
    for (int16_t i = 1; i <= count; ++i) {
        if (!pages.Item(i).Background()) ++foreground;
    }
    return foreground;
}

}  // namespace

PictureExporter::PictureExporter(const visio::VApplication& application)
    : application_(application), page_(std::make_unique<PEPropertyPage>()) {
    preferencePage_ = page_.get();
}

PictureExporter::~PictureExporter() {
    button_.release();
    preferencePage_ = nullptr;
    page_.reset();
}

ToolFactory PictureExporter::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        return std::make_unique<PictureExporter>(context.application);
    };
    entry.registerWithPreferences = true;
    return entry;
}

// --- The button and the events

void PictureExporter::createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) {
    if (access) commandBarsAccess_ = *access;
    button_ = getButtonControl(bar);
    setUpButton(button_, exportButton(false));
    updateButtonState();
}

void PictureExporter::updateButtonState() {
    if (application_.Documents().Count() > 0 && commandBarsAccess_.isSet()) showButton(true);
}

void PictureExporter::showButton(bool enabled) {
    setUpButton(button_, exportButton(enabled));
    commandBarsAccess_.reset();
}

void PictureExporter::onVisioEvent(int32_t eventCode, const visio::VObject&, visio::Variant) {
    switch (eventCodeOf(eventCode)) {
        case visio::visEvtCodeWinActivate:
            updateButtonState();
            break;
        case visio::visEvtCodeBefDocClose:
            // The one document left is closing: nothing remains to export.
            if (application_.Documents().Count() == 1) showButton(false);
            break;
        default:
            break;
    }
}

PreferencePage* PictureExporter::getPreferencePage() {
    return page_.get();
}

void PictureExporter::applySettings() {}

bool PictureExporter::onCommand(std::string argument) {
    if (argument != kButtonTag) return false;
    exportAll();
    return true;
}

// --- One export

// The pages are exported with nothing selected; the user's selection comes back after.
void PictureExporter::exportAll() {
    markTime();
    saveSelection();
    runExport();
    restoreSelection();
    waitOutTimeMark();
}

void PictureExporter::markTime() {
    timeMark_ = os::System::current().tickCount();
}

void PictureExporter::saveSelection() {
    const visio::VWindow window = application_.ActiveWindow();
    const visio::VSelection selection = window.Selection();
    const int32_t count = selection.Count();
    for (int32_t i = 1; i <= count; ++i) savedSelection_.push_back(selection.Item(i).ID());
    window.DeselectAll();
}

void PictureExporter::restoreSelection() {
    const visio::VShapes shapes = application_.ActivePage().Shapes();
    const visio::VWindow window = application_.ActiveWindow();
    while (!savedSelection_.empty()) {
        window.Select(shapes.ItemFromID(savedSelection_.back()), visio::visSelect);
        savedSelection_.pop_back();
    }
}

// The tick count wraps at 2^32; the unsigned difference counts across the wrap.
void PictureExporter::waitOutTimeMark() const {
    os::System& system = os::System::current();
    for (uint32_t passed = system.tickCount() - timeMark_; passed < kFinalWaitMilliseconds;
         passed = system.tickCount() - timeMark_) {
        system.sleep(kFinalWaitMilliseconds - passed);
    }
}

void PictureExporter::runExport() {
    const PEFormatSettings& a = page_->a;
    const PEFormatSettings& b = page_->b;
    if (!a.doExport && !b.doExport) {
        showMessage(kNoFormats, ui::kMbOk);
        return;
    }
    // Checked before any folder is asked about or made: nothing would go into it.
    if (foregroundPageCount(application_.ActiveDocument()) == 0) {
        showMessage(kNoForegroundPage, ui::kMbOk);
        return;
    }
    usedPaths_.clear();
    missingPictures_.clear();
    // A failure or a cancel in the first format does not keep the second from running.
    if (a.doExport) exportInFormat(a, PEFormatSlot::A);
    if (b.doExport) exportInFormat(b, PEFormatSlot::B);
    reportMissingPictures();
}

// One message after all pages, for both formats; none when every picture is there.
void PictureExporter::reportMissingPictures() {
    if (missingPictures_.empty()) return;
    std::vector<std::string> lines;
    for (const MissingPicture& missing : missingPictures_) {
        lines.push_back("page '" + missing.page + "' to '" + missing.path + "'" +
                        (missing.oldFileKept ? keptNote() : std::string()));
    }
    showMessage(missingPictures(lines), ui::kMbOk | ui::kMbIconStop);
    missingPictures_.clear();
}

void PictureExporter::exportInFormat(const PEFormatSettings& format, PEFormatSlot slot) {
    if (!knownFormat(format.format)) {
        showMessage(unknownFormat(slot, format.format), ui::kMbOk | ui::kMbIconStop);
        return;
    }
    const Destination destination = resolveDestination(format.folder, format.relative != 0);
    switch (destination.state) {
        case Destination::State::Ready:
            exportPages(destination.folder, application_.ActiveDocument(), format.format);
            return;
        case Destination::State::Undetermined:
            showMessage(kNoDestination, ui::kMbOk | ui::kMbIconStop);
            return;
        case Destination::State::NotValid:
            showMessage(invalidDestination(destination.folder), ui::kMbOk | ui::kMbIconStop);
            return;
        case Destination::State::NotCreated:
            showMessage(uncreatableDestination(destination.folder), ui::kMbOk | ui::kMbIconStop);
            return;
    }
}

// --- The destination folder

PictureExporter::Destination PictureExporter::resolveDestination(std::string setting,
                                                                 bool relative) {
    Destination destination;
    os::System& system = os::System::current();
    if (relative) {
        // Visio's folder of a saved document ends with a separator.
        const std::string documentFolder = limitVisioText(application_.ActiveDocument().Path());
        if (documentFolder.empty()) return destination;
        destination.folder = os::absolutePath(withinDocumentFolder(setting), documentFolder);
    } else {
        if (setting.empty()) return destination;
        destination.folder = os::absolutePath(setting, system.workingFolder());
    }
    switch (system.find(destination.folder)) {
        case os::PathKind::Directory:
            destination.state = Destination::State::Ready;
            break;
        case os::PathKind::File:
            destination.state = Destination::State::NotValid;
            break;
        case os::PathKind::None:
            destination.state = askCreateDestination(destination.folder);
            break;
    }
    return destination;
}

PictureExporter::Destination::State PictureExporter::askCreateDestination(const std::string& path) {
    if (showMessage(createQuestion(path), ui::kMbYesNo | ui::kMbIconQuestion) != ui::kIdYes) {
        return Destination::State::NotValid;
    }
    os::System& system = os::System::current();
    for (const std::string& level : os::pathLevels(path)) {
        if (system.find(level) == os::PathKind::None && !system.createDirectory(level)) break;
    }
    // Levels made before one failed stay.
    return system.find(path) == os::PathKind::Directory ? Destination::State::Ready
                                                        : Destination::State::NotCreated;
}

// --- The pages

void PictureExporter::exportPages(const std::string& folder, const visio::VDocument& document,
                                  int32_t formatIndex) {
    const std::string extension = dialog116::kFormatNames[static_cast<size_t>(formatIndex)];
    const visio::VPages pages = document.Pages();
    const int16_t count = pages.Count();
    const int foregroundCount = foregroundPageCount(document);
    bool replaceAll = false;
    for (int16_t i = 1; i <= count; ++i) {
        const visio::VPage page = pages.Item(i);
        if (page.Background()) continue;
        const std::string path =
            picturePathOf(i, folder, baseNameOf(page, document, foregroundCount), extension);
        // The other format of the same extension wrote this page's picture there already.
        if (usedPaths_.count(caseFolded(path)) != 0) continue;
        if (replaceAll || !fileExists(path)) {
            writePicture(page, i, path);
            continue;
        }
        const ReplaceAnswer answer = askReplace(folder);
        if (answer == ReplaceAnswer::All) {
            replaceAll = writePicture(page, i, path);
        } else if (answer == ReplaceAnswer::One) {
            writePicture(page, i, path);
        } else {
            return;
        }
    }
}

// A document of one foreground page may name its picture after itself.
std::string PictureExporter::baseNameOf(const visio::VPage& page, const visio::VDocument& document,
                                        int foregroundCount) const {
    if (foregroundCount != 1 || !page_->namingException) return limitVisioText(page.Name());
    const std::string title = limitVisioText(document.Title());
    return title.empty() ? kUntitledName : title;
}

std::string PictureExporter::picturePathOf(int16_t pageNumber, const std::string& folder,
                                           const std::string& name,
                                           const std::string& extension) const {
    std::string path = buildPictureFileName(folder, name, extension);
    for (int n = 2;; ++n) {
        const auto used = usedPaths_.find(caseFolded(path));
        if (used == usedPaths_.end() || used->second == pageNumber) return path;
        path = buildPictureFileName(folder, name + "_" + std::to_string(n), extension);
    }
}

// Whatever the answer, the final wait counts from it.
PictureExporter::ReplaceAnswer PictureExporter::askReplace(const std::string& folder) {
    const int answer =
        messageBoxWithButtons(ui::WindowHandle(), replaceQuestion(folder), productTitle,
                              kReplaceAll, kReplaceOne, kCancel, ui::kMbIconQuestion);
    markTime();
    if (answer == static_cast<int>(ReplaceAnswer::All)) return ReplaceAnswer::All;
    if (answer == static_cast<int>(ReplaceAnswer::One)) return ReplaceAnswer::One;
    return ReplaceAnswer::Cancel;
}

bool PictureExporter::writePicture(const visio::VPage& page, int16_t pageNumber,
                                   const std::string& path) {
    usedPaths_.emplace(caseFolded(path), pageNumber);
    if (fileExists(path)) return replacePicture(page, path);
    // Visio's page export answers nothing: what it wrote is what is there now.
    page.Export(path);
    if (!fileExists(path)) noteMissingPicture(page, path);
    return true;
}

// The file there stays until the new picture exists beside it, and then gives way to it
// in one step: a picture that could not be drawn costs the user nothing.
bool PictureExporter::replacePicture(const visio::VPage& page, const std::string& path) {
    os::System& system = os::System::current();
    const std::string beside = besidePath(path);
    page.Export(beside);
    if (system.find(beside) != os::PathKind::File) {
        noteMissingPicture(page, path);
        return true;
    }
    if (!system.moveFile(beside, path)) {
        system.deleteFile(beside);
        showMessage(fileInUse(path), ui::kMbOk | ui::kMbIconStop);
        noteMissingPicture(page, path);
        return false;
    }
    return true;
}

void PictureExporter::noteMissingPicture(const visio::VPage& page, const std::string& path) {
    const bool oldFileKept = os::System::current().find(path) == os::PathKind::File;
    missingPictures_.push_back({limitVisioText(page.Name()), path, oldFileKept});
}

// In the picture's folder, with its extension, which names the format to Visio; short,
// so that a long page name does not make it too long for the file system.
std::string PictureExporter::besidePath(const std::string& path) const {
    const os::PathParts parts = os::splitPath(path);
    const std::string start = parts.drive + parts.folder + kNewPictureName;
    std::string beside = start + parts.extension;
    for (int n = 2; fileExists(beside); ++n) beside = start + std::to_string(n) + parts.extension;
    return beside;
}

bool PictureExporter::fileExists(const std::string& path) const {
    return os::System::current().find(path) != os::PathKind::None;
}

std::string PictureExporter::buildPictureFileName(const std::string& folder,
                                                  const std::string& name,
                                                  const std::string& extension) {
    return os::joinPath(folder, fileNameOf(name) + "." + extension);
}
