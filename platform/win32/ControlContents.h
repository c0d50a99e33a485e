// What the common controls hold, through their messages: the entries of drop-down lists
// and tabs, list-view columns and rows, toolbar buttons and status-bar texts. The
// backend's operations and the filling of new dialogs from their templates share them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/ToolbarButton.h"

namespace win32 {

// Gives the new dialog's controls what their templates say they start with: the entries
// of drop-down lists and tabs (the first tab chosen).
void fillControls(HWND dialog, const ui::DialogTemplate& dialogTemplate);
void fillControl(HWND window, const ui::ControlTemplate& control);

int32_t addComboEntry(HWND list, const std::string& text);
void insertTab(HWND tabs, int32_t index, const std::string& text);

void insertListViewColumn(HWND list, int32_t column, const std::string& text, int32_t width);
int32_t insertListViewItem(HWND list, int32_t row, const std::string& text);
void setListViewItemText(HWND list, int32_t row, int32_t column, const std::string& text);
std::string listViewItemText(HWND list, int32_t row, int32_t column);

// Images from the bitmap resource of the module, imageSize pixels each.
void addToolbarButtons(HWND toolbar, HINSTANCE module, int32_t bitmapId, ui::Size imageSize,
                       const std::vector<ui::ToolbarButton>& buttons);

void setStatusBarParts(HWND statusBar, const std::vector<int32_t>& edges);
std::string statusBarText(HWND statusBar, int32_t part);

}  // namespace win32
