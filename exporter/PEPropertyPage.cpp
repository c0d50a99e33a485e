#include "exporter/PEPropertyPage.h"

#include <string>

#include "core/PreferencesTool.h"
#include "platform/ui/FolderChooser.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog116Exporter.h"

UI_IMPLEMENT_DYNCREATE(PEPropertyPage)

namespace {

// What differs between the two formats: their keys, their defaults and their controls.
struct SlotLayout {
    const char* doExportKey;
    const char* formatKey;
    const char* destinationKey;
    const char* relativeKey;
    int32_t doExportDefault;
    int32_t formatDefault;
    int32_t exportSwitch;
    int32_t formatList;
    int32_t folderLabel;
    int32_t folderEdit;
    int32_t relativeBox;
    int32_t browseButton;
};

// Format A writes EMF pictures and format B, off, GIF; both folders are relative (to
// the document's own folder when empty).
constexpr SlotLayout kSlotA{PEPropertyPage::kDoExportAKey,
                            PEPropertyPage::kFormatAKey,
                            PEPropertyPage::kDestinationAKey,
                            PEPropertyPage::kRelativeAKey,
                            1,
                            0,
                            dialog116::kExportA,
                            dialog116::kFormatA,
                            dialog116::kFolderLabelA,
                            dialog116::kFolderA,
                            dialog116::kRelativeA,
                            dialog116::kBrowseA};
constexpr SlotLayout kSlotB{PEPropertyPage::kDoExportBKey,
                            PEPropertyPage::kFormatBKey,
                            PEPropertyPage::kDestinationBKey,
                            PEPropertyPage::kRelativeBKey,
                            0,
                            5,
                            dialog116::kExportB,
                            dialog116::kFormatB,
                            dialog116::kFolderLabelB,
                            dialog116::kFolderB,
                            dialog116::kRelativeB,
                            dialog116::kBrowseB};
constexpr int32_t kRelativeDefault = 1;
constexpr int32_t kNamingExceptionDefault = 1;
constexpr PEFormatSlot kSlots[] = {PEFormatSlot::A, PEFormatSlot::B};

const SlotLayout& layoutOf(PEFormatSlot slot) {
    return slot == PEFormatSlot::A ? kSlotA : kSlotB;
}

}  // namespace

PEPropertyPage::PEPropertyPage() : PreferencePage(dialog116::make()) {
    for (PEFormatSlot slot : kSlots) {
        const SlotLayout& layout = layoutOf(slot);
        mapClicked(layout.exportSwitch, [this, slot]() { onExportSwitchClicked(slot); });
        mapClicked(layout.relativeBox, [this]() { onOptionChanged(); });
        mapCommand(layout.formatList, ui::kCbnSelChange, [this]() { onOptionChanged(); });
        mapCommand(layout.folderEdit, ui::kEnChange, [this, slot]() { onFolderEdited(slot); });
        mapClicked(layout.browseButton, [this, slot]() { browseDestination(slot); });
    }
    mapClicked(dialog116::kNamingException, [this]() { onOptionChanged(); });
}

PEPropertyPage::~PEPropertyPage() = default;

void PEPropertyPage::attachSettings(PreferencesTool* store, SupportTool* owner) {
    store_ = store;
    owner_ = owner;
    loadSettings();
}

void PEPropertyPage::loadSettings() {
    for (PEFormatSlot slot : kSlots) {
        const SlotLayout& layout = layoutOf(slot);
        PEFormatSettings& s = settings(slot);
        s.doExport = readSwitch(layout.doExportKey, layout.doExportDefault);
        s.format = readNumber(layout.formatKey, layout.formatDefault);
        s.folder = readText(layout.destinationKey, std::string());
        s.relative = readSwitch(layout.relativeKey, kRelativeDefault);
    }
    namingException = readSwitch(kNamingExceptionKey, kNamingExceptionDefault);
}

bool PEPropertyPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    updateData(false);
    for (PEFormatSlot slot : kSlots) onExportSwitchClicked(slot);
    return false;
}

bool PEPropertyPage::OnApply() {
    if (store_) {
        for (PEFormatSlot slot : kSlots) {
            const SlotLayout& layout = layoutOf(slot);
            const PEFormatSettings& s = settings(slot);
            saveSetting(layout.doExportKey, switchText(s.doExport));
            saveSetting(layout.formatKey, std::to_string(s.format));
            saveSetting(layout.destinationKey, s.folder);
            saveSetting(layout.relativeKey, switchText(s.relative));
        }
        saveSetting(kNamingExceptionKey, switchText(namingException));
    }
    return ui::PropertyPage::OnApply();
}

void PEPropertyPage::DoDataExchange(ui::DataExchange& dx) {
    dx.check(dialog116::kExportA, a.doExport);
    dx.check(dialog116::kExportB, b.doExport);
    dx.text(dialog116::kFolderA, a.folder);
    dx.text(dialog116::kFolderB, b.folder);
    dx.check(dialog116::kRelativeA, a.relative);
    dx.check(dialog116::kRelativeB, b.relative);
    dx.check(dialog116::kNamingException, namingException);
    exchangeFormat(dx, dialog116::kFormatA, a.format);
    exchangeFormat(dx, dialog116::kFormatB, b.format);
}

// A format the list does not hold (the file edited by hand) shows no entry; the user can
// only choose one, so no entry chosen keeps the format as the file holds it.
void PEPropertyPage::exchangeFormat(ui::DataExchange& dx, int32_t listId, int32_t& format) {
    int32_t chosen = format;
    dx.listIndex(listId, chosen);
    if (chosen >= 0) format = chosen;
}

void PEPropertyPage::onExportSwitchClicked(PEFormatSlot slot) {
    updateData(true);
    enableFormatControls(slot);
    SetModified();
}

// Typing a folder decides anew whether it is relative; the user may still change the
// box afterwards.
void PEPropertyPage::onFolderEdited(PEFormatSlot slot) {
    updateData(true);
    PEFormatSettings& s = settings(slot);
    s.relative = relativeFlagOf(s.folder);
    updateData(false);
    SetModified();
}

void PEPropertyPage::browseDestination(PEFormatSlot slot) {
    if (std::optional<std::string> folder = ui::chooseFolder(kBrowseTitle)) {
        PEFormatSettings& s = settings(slot);
        s.folder = *folder;
        s.relative = relativeFlagOf(s.folder);
        updateData(false);
    }
    SetModified();
}

void PEPropertyPage::onOptionChanged() {
    updateData(true);
    SetModified();
}

int32_t PEPropertyPage::relativeFlagOf(const std::string& folder, os::PathStyle style) {
    if (style == os::PathStyle::Posix)
        return !folder.empty() && os::isPathSeparator(folder[0], style) ? 0 : 1;
    const os::PathParts parts = os::splitPath(folder, style);
    const bool fromDrive = !parts.drive.empty() &&
                           (parts.folder.empty() || os::isPathSeparator(parts.folder[0], style));
    const bool network = folder.size() >= 2 && os::isPathSeparator(folder[0], style) &&
                         os::isPathSeparator(folder[1], style);
    return fromDrive || network ? 0 : 1;
}

void PEPropertyPage::enableFormatControls(PEFormatSlot slot) {
    const SlotLayout& layout = layoutOf(slot);
    const bool on = settings(slot).doExport == 1;
    for (int32_t id : {layout.formatList, layout.folderEdit, layout.relativeBox, layout.folderLabel,
                       layout.browseButton}) {
        enableItem(id, on);
    }
}
