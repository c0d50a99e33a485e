// The Win32 values that cross the window layer: message-box flags and answers, messages,
// notification codes, show commands, window-position flags and control states. They keep
// the values the Win32 API gives them (a Windows backend passes them through unchanged)
// but not its macro names, which <windows.h> defines.
#pragma once

#include <cstdint>

namespace ui {

// Message-box type flags (MB_*): the button set in the low four bits.
inline constexpr uint32_t kMbOk = 0x0;
inline constexpr uint32_t kMbOkCancel = 0x1;
inline constexpr uint32_t kMbYesNoCancel = 0x3;
inline constexpr uint32_t kMbYesNo = 0x4;
inline constexpr uint32_t kMbButtonsMask = 0xF;
inline constexpr uint32_t kMbIconStop = 0x10;
inline constexpr uint32_t kMbIconQuestion = 0x20;
inline constexpr uint32_t kMbIconWarning = 0x30;
inline constexpr uint32_t kMbIconInformation = 0x40;
inline constexpr uint32_t kMbIconMask = 0xF0;
inline constexpr uint32_t kMbDefButton2 = 0x100;
inline constexpr uint32_t kMbDefButton3 = 0x200;
inline constexpr uint32_t kMbDefButtonMask = 0xF00;

// Dialog answers and the ids of the standard buttons (ID*).
inline constexpr int32_t kIdOk = 1;
inline constexpr int32_t kIdCancel = 2;
inline constexpr int32_t kIdYes = 6;
inline constexpr int32_t kIdNo = 7;
// Controls nobody addresses (IDC_STATIC).
inline constexpr int32_t kIdStatic = -1;

// Messages (WM_*, BM_*).
inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmLButtonDown = 0x0201;
inline constexpr uint32_t kWmLButtonUp = 0x0202;
inline constexpr uint32_t kBmClick = 0x00F5;

// The computer-based-training hook's codes (HCBT_*).
inline constexpr int32_t kHcbtActivate = 5;
inline constexpr int32_t kHcbtCreateWnd = 3;
inline constexpr int32_t kHcbtDestroyWnd = 4;

// Command notifications (BN_*, STN_*, EN_*, CBN_*).
inline constexpr int32_t kBnClicked = 0;
inline constexpr int32_t kStnClicked = 0;
inline constexpr int32_t kEnChange = 0x0300;
inline constexpr int32_t kCbnSelChange = 1;

// WM_NOTIFY codes (TCN_*, TBN_*).
inline constexpr int32_t kTcnSelChange = -551;
inline constexpr int32_t kTbnHotItemChange = -713;

// Trackbar scroll codes of WM_HSCROLL (TB_*).
inline constexpr int32_t kTbThumbPosition = 4;
inline constexpr int32_t kTbThumbTrack = 5;
inline constexpr int32_t kTbEndTrack = 8;

// Check states (BST_*).
inline constexpr int32_t kBstUnchecked = 0;
inline constexpr int32_t kBstChecked = 1;

// Where a trackbar shows its tool tip (TBTS_*).
inline constexpr int32_t kTbtsTop = 0;
inline constexpr int32_t kTbtsLeft = 1;
inline constexpr int32_t kTbtsBottom = 2;
inline constexpr int32_t kTbtsRight = 3;

// Show commands (SW_*).
inline constexpr int32_t kSwHide = 0;
inline constexpr int32_t kSwShowNormal = 1;
inline constexpr int32_t kSwShowNoActivate = 4;
inline constexpr int32_t kSwShow = 5;
inline constexpr int32_t kSwShowNa = 8;

// SetWindowPos flags (SWP_*).
inline constexpr uint32_t kSwpNoSize = 0x0001;
inline constexpr uint32_t kSwpNoMove = 0x0002;
inline constexpr uint32_t kSwpNoZOrder = 0x0004;
inline constexpr uint32_t kSwpNoActivate = 0x0010;
inline constexpr uint32_t kSwpShowWindow = 0x0040;
inline constexpr uint32_t kSwpHideWindow = 0x0080;

// Toolbar button states (TBSTATE_*).
inline constexpr uint8_t kTbStateChecked = 0x01;
inline constexpr uint8_t kTbStatePressed = 0x02;
inline constexpr uint8_t kTbStateEnabled = 0x04;
inline constexpr uint8_t kTbStateHidden = 0x08;
inline constexpr uint8_t kTbStateIndeterminate = 0x10;

// List-view extended style (LVS_EX_GRIDLINES) and status-bar text style (SBT_NOBORDERS).
inline constexpr uint32_t kLvsExGridLines = 0x0001;
inline constexpr uint32_t kSbtNoBorders = 0x0100;

// Owner-drawing: item states (ODS_*) and the edges of DrawEdge (EDGE_*, BF_RECT).
inline constexpr uint32_t kOdsSelected = 0x0001;
inline constexpr uint32_t kOdsDisabled = 0x0004;
inline constexpr uint32_t kOdsFocus = 0x0010;
inline constexpr uint32_t kEdgeRaised = 0x0005;
inline constexpr uint32_t kEdgeSunken = 0x000A;
inline constexpr uint32_t kBfRect = 0x000F;

// System colours (COLOR_*) for GetSysColor.
inline constexpr int32_t kColor3DFace = 15;
inline constexpr int32_t kColor3DShadow = 16;
inline constexpr int32_t kColorGrayText = 17;
inline constexpr int32_t kColor3DHighlight = 20;

// Colour dialog (CC_*) and folder browser (BIF_*) flags.
inline constexpr uint32_t kCcRgbInit = 0x0001;
inline constexpr uint32_t kCcFullOpen = 0x0002;
inline constexpr uint32_t kBifEditBox = 0x0010;
inline constexpr uint32_t kBifNewDialogStyle = 0x0040;

// HTML Help commands (HH_*).
inline constexpr uint32_t kHhDisplayTopic = 0;

}  // namespace ui
