#pragma once

#include <windows.h>

#include "ControlIds.h"

namespace trelvane {

inline constexpr char kMainFormClass[] = "FORM_KOV_TRELVANE_FORM1_CLASS";
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

}  // namespace trelvane
