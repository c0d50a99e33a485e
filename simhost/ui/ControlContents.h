// What the headless backend's controls hold, and the rules they keep it by, as Windows'
// controls do: a list's selection stays inside the list, a trackbar's position inside
// its range, list-view rows get a cell per column, a status bar without parts has one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/ui/HeadlessWindow.h"

namespace simhost::headless {

class ControlContents {
public:
    // An index outside the entries clears the selection (CB_SETCURSEL).
    static void selectEntry(HeadlessWindow& list, int32_t index);
    // An index outside the tabs leaves the selection as it was (TCM_SETCURSEL).
    static void selectTab(HeadlessWindow& tabs, int32_t index);

    static void setTrackbarRange(HeadlessWindow& trackbar, int32_t minimum, int32_t maximum);
    static void setTrackbarPosition(HeadlessWindow& trackbar, int32_t position);

    static void insertColumn(HeadlessWindow& list, int32_t column, const std::string& text,
                             int32_t width);
    // Answers the row's index.
    static int32_t insertRow(HeadlessWindow& list, int32_t row, const std::string& text);
    static void setCell(HeadlessWindow& list, int32_t row, int32_t column, const std::string& text);
    static std::string cell(const HeadlessWindow& list, int32_t row, int32_t column);

    // The bar takes the buttons' height: images plus 7 pixels, plus 2 on each side.
    static void addToolbarButtons(HeadlessWindow& toolbar, int32_t bitmapId, ui::Size imageSize,
                                  const std::vector<ui::ToolbarButton>& buttons);
    static void setToolbarButtonState(HeadlessWindow& toolbar, int32_t command, uint8_t state);
    // 0 when the bar has no such button.
    static uint8_t toolbarButtonState(const HeadlessWindow& toolbar, int32_t command);
    // A button of command 0 where there is none.
    static ui::ToolbarButton toolbarButton(const HeadlessWindow& toolbar, int32_t index);
    // Buttons lie side by side from the left edge, 2 pixels below the top, each its
    // image plus 7 pixels wide and high; empty where there is no button.
    static ui::Rect toolbarItemRect(const HeadlessWindow& toolbar, int32_t index);

    static void setStatusParts(HeadlessWindow& statusBar, const std::vector<int32_t>& edges);
    static void setStatusText(HeadlessWindow& statusBar, int32_t part, const std::string& text,
                              uint32_t style);
    static std::string statusText(const HeadlessWindow& statusBar, int32_t part);
};

}  // namespace simhost::headless
