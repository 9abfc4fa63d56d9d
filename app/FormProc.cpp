#include "FormProc.h"

#include <cstdint>
#include <iterator>
#include <optional>

#include "Anchoring.h"
#include "AppState.h"
#include "BrowseFolder.h"
#include "CWindow.h"
#include "Colours.h"
#include "CommandArgs.h"
#include "ControlRecord.h"
#include "CopyList.h"
#include "DropFolder.h"
#include "ExportList.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "MainForm.h"
#include "ProcessSeasons.h"
#include "SaveReport.h"
#include "SettingsCommands.h"
#include "Tags.h"
#include "WinHandles.h"

namespace trelvane {
namespace {

using Command = std::int32_t (*)(const CommandArgs&);

// A command that takes a configuration, bound to that of one button.
template <const auto& config, auto command> std::int32_t Bound(const CommandArgs& args) {
    return command(config, args);
}

struct CommandEntry {
    int button;
    Command run;
};

// The buttons and their commands, tested in this order. The exports and
// the folder choices are one command each with a configuration per button.
constexpr CommandEntry kCommands[] = {
    {control_id::kProcessButton, ProcessSeasons},
    {kMainFolderBrowse.button, Bound<kMainFolderBrowse, BrowseForFolder>},
    {kPriorFolderBrowse.button, Bound<kPriorFolderBrowse, BrowseForFolder>},
    {kCurrentFolderBrowse.button, Bound<kCurrentFolderBrowse, BrowseForFolder>},
    {kPriorExport.button, Bound<kPriorExport, ExportList>},
    {kCurrentExport.button, Bound<kCurrentExport, ExportList>},
    {control_id::kExitButton, SaveSettingsAndEnd},
};

// The lists' menu and keys: commands of their own, past the controls'
// identifiers.
enum ListCommand : WORD {
    kCopyLines = 2001,
    kSaveList = 2002,
    kSaveReport = 2003,
    kOpenListMenu = 2004,
};
constexpr ACCEL kListKeys[] = {
    {FVIRTKEY | FCONTROL, 'C', kCopyLines},
    {FVIRTKEY | FSHIFT, VK_F10, kOpenListMenu},
    {FVIRTKEY, VK_APPS, kOpenListMenu},
};

// The export of each list, for its menu's "Save to a file...".
const ExportConfig* ExportOf(HWND list) {
    for (const ExportConfig* config : {&kPriorExport, &kCurrentExport}) {
        if (GetDlgCtrlID(list) == config->list) return config;
    }
    return nullptr;
}

// The list with the focus, or the list a message names; null for any
// other window.
HWND AsList(HWND form, HWND window) {
    return window && GetParent(window) == form && ExportOf(window) ? window : nullptr;
}

void RunListCommand(HWND form, HWND list, UINT command) {
    const CommandArgs args{0, form, reinterpret_cast<LPARAM>(list), static_cast<std::int32_t>(command)};
    switch (command) {
        case kCopyLines:
            if (!CopyListLines(form, list)) ShowFailure(form, kLinesNotCopiedText);
            break;
        case kSaveList:
            ExportList(*ExportOf(list), args);
            break;
        case kSaveReport:
            SaveLeagueReport(args);
            break;
    }
}

// The lists' menu, owned by the form, at screen point at; from the keyboard
// at the list's top-left corner.
void ShowListMenu(HWND form, HWND list, std::optional<POINT> at) {
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, kCopyLines, L"&Copy all lines\tCtrl+C");
    AppendMenuW(menu.get(), MF_STRING, kSaveList, L"&Save to a file...");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, kSaveReport, L"Save the &league report...");
    POINT point{};
    if (at) {
        point = *at;
    } else {
        ClientToScreen(list, &point);
    }
    const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, form, nullptr);
    RunListCommand(form, list, chosen);
}

// A right-click on a list. The keys that open the menu are the form's own
// (kListKeys), so a menu asked for from the keyboard (-1, -1) has opened
// already.
bool OnContextMenu(HWND form, WPARAM wParam, LPARAM lParam) {
    const HWND list = AsList(form, reinterpret_cast<HWND>(wParam));
    if (!list) return false;
    if (lParam != -1)
        ShowListMenu(form, list, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return true;
}

// Ctrl+C and the menu keys. Elsewhere than on a list they do what the
// focused box does with them itself: copy its selection, open its menu.
void OnListKey(HWND form, WORD key) {
    const HWND focus = GetFocus();
    if (const HWND list = AsList(form, focus)) {
        if (key == kCopyLines) RunListCommand(form, list, kCopyLines);
        if (key == kOpenListMenu) ShowListMenu(form, list, std::nullopt);
    } else if (focus) {
        if (key == kCopyLines) SendMessageW(focus, WM_COPY, 0, 0);
        if (key == kOpenListMenu) SendMessageW(focus, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(focus), -1);
    }
}

// The user value of the control a message comes from; -1 without one.
std::int32_t UserValueOf(HWND source) {
    const ControlRecord* record = source ? RecordOf(source) : nullptr;
    return record ? record->user_value : -1;
}

LRESULT OnCreate(HWND form, WPARAM wParam, LPARAM lParam) {
    ControlRecord* const record = CreateFormRecord(form);
    if (!record) return -1;
    record->accel.reset(CreateAcceleratorTableW(const_cast<ACCEL*>(kListKeys), std::size(kListKeys)));
    gApp.mainForm = form;
    // Like each control, the form carries both tags, empty.
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
    // An accelerator's command comes with 1 in the high word and no control.
    if (HIWORD(wParam) == 1 && lParam == 0 && (LOWORD(wParam) == kCopyLines || LOWORD(wParam) == kOpenListMenu)) {
        OnListKey(form, LOWORD(wParam));
        return 0;
    }
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

// Items dropped on a folder box, which its control hands over with itself
// in lParam; a drop anywhere else is only finished.
void OnDropFiles(HWND form, WPARAM wParam, LPARAM lParam) {
    const UniqueDrop drop{reinterpret_cast<HDROP>(wParam)};
    const int id = lParam ? GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) : 0;
    for (const BrowseConfig* folder : {&kMainFolderBrowse, &kPriorFolderBrowse, &kCurrentFolderBrowse}) {
        if (folder->box == id) PutDroppedFolder(form, id, drop.get());
    }
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
        case WM_DPICHANGED:
            // Under Wine a sent WM_DPICHANGED leaves GetDpiForWindow at the
            // old DPI: the new one is taken from the message itself.
            RescaleMainForm(form, LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
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
        case WM_DROPFILES:
            OnDropFiles(form, wParam, lParam);
            return 0;
        case WM_CONTEXTMENU:
            if (OnContextMenu(form, wParam, lParam)) return 0;
            break;
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
