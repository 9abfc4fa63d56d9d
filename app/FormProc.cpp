#include "FormProc.h"

#include <cstdint>

#include "Anchoring.h"
#include "AppState.h"
#include "BrowseFolder.h"
#include "CWindow.h"
#include "Colours.h"
#include "CommandArgs.h"
#include "ControlRecord.h"
#include "ExportList.h"
#include "MainForm.h"
#include "ProcessSeasons.h"
#include "SettingsCommands.h"
#include "Tags.h"

namespace trelvane {
namespace {

using Command = std::int32_t (*)(const CommandArgs&);

struct CommandEntry {
    int button;
    Command run;
};

// The buttons and their commands, tested in this order. The exports and
// the folder choices are one command each with a configuration per button.
constexpr CommandEntry kCommands[] = {
    {control_id::kProcessButton, ProcessSeasons},
    {kMainFolderBrowse.button, [](const CommandArgs& args) { return BrowseForFolder(kMainFolderBrowse, args); }},
    {kPriorFolderBrowse.button, [](const CommandArgs& args) { return BrowseForFolder(kPriorFolderBrowse, args); }},
    {kCurrentFolderBrowse.button, [](const CommandArgs& args) { return BrowseForFolder(kCurrentFolderBrowse, args); }},
    {kPriorExport.button, [](const CommandArgs& args) { return ExportList(kPriorExport, args); }},
    {kCurrentExport.button, [](const CommandArgs& args) { return ExportList(kCurrentExport, args); }},
    {control_id::kExitButton, SaveSettingsAndEnd},
};

// The user value of the control a message comes from; -1 without one.
std::int32_t UserValueOf(HWND source) {
    const ControlRecord* record = source ? RecordOf(source) : nullptr;
    return record ? record->user_value : -1;
}

LRESULT OnCreate(HWND form, WPARAM wParam, LPARAM lParam) {
    if (!CreateFormRecord(form)) return -1;
    gApp.mainForm = form;
    SetTag(form, "");
    SetTag2(form, "");
    CreateMainFormControls(form, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    if (const std::int32_t loaded = LoadSettings(form)) return loaded;
    gApp.formResult = 0;
    return DefWindowProcW(form, WM_CREATE, wParam, lParam);
}

LRESULT OnDestroy(HWND form) {
    gApp.mainForm = nullptr;
    DestroyFormRecord(form);
    PostQuitMessage(0);
    return 0;
}

LRESULT OnCommand(HWND form, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        const auto id = static_cast<std::int16_t>(LOWORD(wParam));
        for (const CommandEntry& command : kCommands) {
            if (command.button != id) continue;
            const CommandArgs args{UserValueOf(reinterpret_cast<HWND>(lParam)), form, lParam, id};
            if (const std::int32_t result = command.run(args)) return result;
            break;
        }
    }
    return DefWindowProcW(form, WM_COMMAND, wParam, lParam);
}

// Hands focus back to the control that had it when the form lost it.
void OnSetFocus(HWND form) {
    if (const ControlRecord* record = RecordOf(form)) SetFocus(record->last_focus);
}

// A modal form gives its owner back before it goes, so that the owner, not
// some other program, is activated when the form is destroyed. RunForm
// enables the owner again on every other way out.
void OnClose(HWND form) {
    const ControlRecord* record = RecordOf(form);
    if (!record || !record->modal) return;
    if (record->owner) {
        EnableWindow(record->owner, TRUE);
        SetActiveWindow(record->owner);
    }
    ShowWindow(form, SW_HIDE);
}

}  // namespace

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(form, wParam, lParam);
        case WM_DESTROY:
            return OnDestroy(form);
        case WM_SIZE:
            AnchorOnSize(form, wParam);
            break;
        case WM_ACTIVATE:
            // The high word says whether the form is minimised, active or not.
            gApp.activeForm = LOWORD(wParam) == WA_INACTIVE ? nullptr : form;
            break;
        case WM_SETFOCUS:
            OnSetFocus(form);
            break;
        case WM_CLOSE:
            OnClose(form);
            break;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            EnumChildWindows(form, RefreshSysColors, 0);
            break;
        case WM_GETMINMAXINFO:
            if (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_MDICHILD) break;
            DefWindowProcW(form, message, wParam, lParam);  // no limits of our own
            return 0;
        case WM_COMMAND:
            return OnCommand(form, wParam, lParam);
        case WM_SYSCOMMAND:
            if (SysCloseToClose(form, wParam)) return 0;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            if (const auto brush = ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(*brush);
            }
            break;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

}  // namespace trelvane
