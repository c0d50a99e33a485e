// A small dialog with one control of each kind the add-on's dialogs use, and a dialog
// class over it that exchanges every control with a field and counts its handlers.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

namespace example {

enum : int32_t {
    kShow = 101,
    kFloating = 102,
    kDocked = 103,
    kFolder = 104,
    kFormat = 105,
    kDelay = 106,
    kBrowse = 107,
    kPicture = 108,
    kNote = 109,
    kSwatch = 110,
};

ui::DialogTemplate optionsTemplate();

class OptionsDialog : public ui::Dialog {
public:
    explicit OptionsDialog(ui::WindowHandle parent = ui::WindowHandle());

    // Gives the trackbar its range before the fields reach the controls.
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

    int32_t showToolbar = 1;
    int32_t placement = 0;
    std::string folder;
    int32_t format = 0;
    int32_t delay = 1000;
    ui::ColorRef swatch = 0x0000FF;

    int browseClicks = 0;
    int pictureClicks = 0;
    int swatchClicks = 0;
    int folderChanges = 0;
    int formatChanges = 0;
    int delayScrolls = 0;
};

}  // namespace example
