#pragma once

#include <windows.h>

#include "ControlIds.h"

namespace trelvane {

inline constexpr char kMainFormCaption[] = "KOV (V11) Utility - Trelvane";
// Not yet visible: the message loop shows it.
inline constexpr DWORD kMainFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                        WS_MAXIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
inline constexpr DWORD kMainFormExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
// Outer size in design units (pixels at 96 DPI).
inline constexpr int kMainFormWidth = 635;
inline constexpr int kMainFormHeight = 500;

enum class ControlKind { kEdit, kButton, kList };

// Single-line editable box.
inline constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
// The caption wraps and starts at the top.
inline constexpr DWORD kWideButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_TOP | BS_MULTILINE | BS_NOTIFY;
inline constexpr DWORD kFolderButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_NOTIFY;
// Sorted, no selection, any height.
inline constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOSEL;

struct ControlLayout {
    int id;
    ControlKind kind;
    const char* className;
    const char* caption;
    int left, top, width, height;  // design units in the form's client area
    DWORD style;
    DWORD exStyle;
    const char* fontSpec;
};

// The fourteen controls in identifier order, which is their tab order.
inline constexpr ControlLayout kMainFormControls[] = {
    {control_id::kDepartedCountBox, ControlKind::kEdit, "Edit", "", 136, 128, 70, 30, kEditStyle, WS_EX_CLIENTEDGE,
     "Segoe UI,12,1"},
    {control_id::kArrivalsCountBox, ControlKind::kEdit, "Edit", "", 400, 130, 70, 30, kEditStyle, WS_EX_CLIENTEDGE,
     "Tahoma,12,1"},
    {control_id::kPriorExportButton, ControlKind::kButton, "Button", "Prior Season Names to a File", 176, 408, 120, 45,
     kWideButtonStyle, 0, "Tahoma,10,1"},
    {control_id::kCurrentExportButton, ControlKind::kButton, "Button", "Current Season Names to a File", 312, 408, 120,
     45, kWideButtonStyle, 0, "Tahoma,10,1"},
    {control_id::kExitButton, ControlKind::kButton, "Button", "Exit", 448, 408, 120, 45, kWideButtonStyle, 0,
     "Tahoma,10,1"},
    {control_id::kMainFolderButton, ControlKind::kButton, "Button", "Point to KOV Folder", 344, 8, 200, 35,
     kFolderButtonStyle, 0, "Tahoma,9,1"},
    {control_id::kPriorFolderButton, ControlKind::kButton, "Button", "Point to Prior Season Folder", 344, 48, 200, 35,
     kFolderButtonStyle, 0, "Tahoma,9,1"},
    {control_id::kCurrentFolderButton, ControlKind::kButton, "Button", "Point to Current Season Folder", 344, 88, 200,
     35, kFolderButtonStyle, 0, "Tahoma,9,1"},
    {control_id::kMainFolderBox, ControlKind::kEdit, "Edit", "", 40, 8, 300, 35, kEditStyle, WS_EX_CLIENTEDGE,
     "Tahoma,11,1"},
    {control_id::kPriorFolderBox, ControlKind::kEdit, "Edit", "", 40, 48, 300, 35, kEditStyle, WS_EX_CLIENTEDGE,
     "Tahoma,11,1"},
    {control_id::kCurrentFolderBox, ControlKind::kEdit, "Edit", "", 40, 88, 300, 35, kEditStyle, WS_EX_CLIENTEDGE,
     "Tahoma,11,1"},
    {control_id::kProcessButton, ControlKind::kButton, "Button", "Process", 40, 408, 120, 45, kWideButtonStyle, 0,
     "Tahoma,10,1"},
    // Courier New: fixed pitch, so the columns of the list lines line up.
    {control_id::kArrivalsList, ControlKind::kList, "ListBox", "", 312, 168, 300, 240, kListStyle, WS_EX_CLIENTEDGE,
     "Courier New,8,0"},
    {control_id::kDepartedList, ControlKind::kList, "ListBox", "", 6, 168, 304, 240, kListStyle, WS_EX_CLIENTEDGE,
     "Courier New,8,0"},
};

// What each control is for, in a short sentence: shown as a tooltip, and in
// a folder box as its cue while the box is empty (the box's text stays
// empty for the program and the settings file).
struct ControlHelp {
    int id;
    const char* tooltip;
    const wchar_t* cue;
};
inline constexpr ControlHelp kMainFormHelp[] = {
    {control_id::kDepartedCountBox, "How many players are on the departed list below", nullptr},
    {control_id::kArrivalsCountBox, "How many players are on the arrivals list below", nullptr},
    {control_id::kPriorExportButton, "Saves the departed list (left) to a text file", nullptr},
    {control_id::kCurrentExportButton, "Saves the arrivals list (right) to a text file", nullptr},
    {control_id::kExitButton, "Remembers the three folders and closes Trelvane", nullptr},
    {control_id::kMainFolderButton, "Choose the game's main folder", nullptr},
    {control_id::kPriorFolderButton, "Choose the folder of the prior season", nullptr},
    {control_id::kCurrentFolderButton, "Choose the folder of the current season", nullptr},
    {control_id::kMainFolderBox, nullptr, L"The game's main folder"},
    {control_id::kPriorFolderBox, nullptr, L"Folder of the prior season (holds KOVPLYR.DAT)"},
    {control_id::kCurrentFolderBox, nullptr, L"Folder of the current season (holds KOVPLYR.DAT)"},
    {control_id::kProcessButton, "Compares the two seasons and fills both lists and counts", nullptr},
    {control_id::kArrivalsList, "Players in the current season who are not in the prior one", nullptr},
    {control_id::kDepartedList, "Players in the prior season but not in the current one, with their prior team",
     nullptr},
};

}  // namespace trelvane
