#include "MainForm.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "AppState.h"
#include "CWindow.h"
#include "ControlRecord.h"
#include "FormProc.h"
#include "MainFormLayout.h"
#include "MessageLoop.h"
#include "Tags.h"

namespace trelvane {
namespace {

ControlSetup SetupFor(const ControlLayout& control) {
    ControlSetup setup;
    setup.subclass = true;
    setup.useFont = true;
    setup.fontSpec = control.fontSpec;
    setup.newProc = ControlProc;
    setup.anchorSpec = "S,S,S,S";  // every edge follows the form's size
    if (control.kind == ControlKind::kButton) {
        setup.substituteFace = true;  // buttons take the system's own face
    } else {
        setup.coloursOn = true;
        setup.textIsSys = setup.backIsSys = true;
        setup.textColour = COLOR_WINDOWTEXT;
        setup.backColour = COLOR_WINDOW;
    }
    return setup;
}

}  // namespace

int CreateMainFormControls(HWND form, const CREATESTRUCTW* create) {
    const CWindowRef object =
        (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_MDICHILD) ? ObjectOfWindow(form) : ObjectFromCreateData(create);
    if (!object) return -1;
    if (ControlRecord* record = RecordOf(form)) record->create_data = create ? create->lpCreateParams : nullptr;

    for (const ControlLayout& control : kMainFormControls) {
        const HWND hwnd = object->AddControl({.className = control.className,
                                              .parent = form,
                                              .id = control.id,
                                              .text = control.caption,
                                              .at = {control.left, control.top, control.width, control.height},
                                              .style = control.style,
                                              .exStyle = control.exStyle});
        SetupControl(hwnd, SetupFor(control));
        SetTag(hwnd, "");
        SetTag2(hwnd, "");
        gApp.controls[static_cast<std::size_t>(control.id - control_id::kFirst)] = hwnd;
        if (control.kind == ControlKind::kEdit) {
            SendMessageW(hwnd, EM_LIMITTEXT, 0, 0);
            SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
            if (ControlRecord* record = RecordOf(hwnd)) record->select_all_on_focus = 0;
            if (control.id >= control_id::kMainFolderBox && control.id <= control_id::kCurrentFolderBox) {
                // A folder dropped from Explorer, and typed paths completed
                // to folders, as in every Windows path box.
                DragAcceptFiles(hwnd, TRUE);
                SHAutoComplete(hwnd, SHACF_FILESYS_DIRS);
            }
        } else if (control.kind == ControlKind::kList) {
            ListBoxSelect(hwnd, -1);
        }
    }
    SetFocus(gApp.controls[0]);
    return 0;
}

// A tooltip for each control that has one, and a cue in each folder box.
std::vector<UniqueWindow> AddHelp(CWindow& object, HWND form) {
    std::vector<UniqueWindow> tooltips;
    for (const ControlHelp& help : kMainFormHelp) {
        const HWND control = GetDlgItem(form, help.id);
        if (help.tooltip) tooltips.push_back(object.AddTooltip(control, help.tooltip, false, false));
        if (help.cue) SendMessageW(control, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(help.cue));
    }
    return tooltips;
}

std::optional<MainFormWindow> MakeMainForm(const MainFormRun& run) {
    const CWindowRef object = CWindow::Create();
    if (!object) return std::nullopt;
    object->SetClassName(kMainFormClass);
    gApp.formResult = run.initialResult;
    object->SetDpi(-1);
    const HWND form = object->CreateForm({.parent = run.owner,
                                          .caption = kMainFormCaption,
                                          .at = {.width = kMainFormWidth, .height = kMainFormHeight},
                                          .style = kMainFormStyle,
                                          .exStyle = kMainFormExStyle,
                                          .windowProc = FormProc});
    if (!IsWindow(form)) return std::nullopt;

    object->SetClassStyle(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
    object->SetBackgroundBrush(reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // The program carries no icon of its own, so these come back null and
    // the system's default window icon shows.
    object->SetSmallIcon(LoadIconW(gApp.module, MAKEINTRESOURCEW(32512)));
    object->SetBigIcon(LoadIconW(gApp.module, MAKEINTRESOURCEW(32512)));
    object->Centre(nullptr, nullptr);
    std::vector<UniqueWindow> tooltips = AddHelp(*object, form);
    return MainFormWindow{object, form, std::move(tooltips)};
}

std::intptr_t CreateAndRunMainForm(const MainFormRun& run) {
    const std::optional<MainFormWindow> main = MakeMainForm(run);
    if (!main) return -1;
    return RunForm(main->form, {.modality = run.modality, .owner = run.owner, .showCommand = SW_SHOWNORMAL});
}

}  // namespace trelvane
