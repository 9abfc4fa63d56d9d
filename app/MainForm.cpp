#include "MainForm.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <string>
#include <utility>

#include "Anchoring.h"
#include "AppState.h"
#include "CWindow.h"
#include "ControlRecord.h"
#include "FontSpec.h"
#include "Fonts.h"
#include "FormProc.h"
#include "MainFormLayout.h"
#include "MessageLoop.h"
#include "Tags.h"

namespace trelvane {
namespace {

// Buttons take the system's own face.
std::string FontSpecOf(const ControlLayout& control) {
    return control.kind == ControlKind::kButton ? SubstituteFace(control.fontSpec, WindowsVersion()) : control.fontSpec;
}

ControlSetup SetupFor(const ControlLayout& control) {
    ControlSetup setup;
    setup.subclass = true;
    setup.useFont = true;
    setup.fontSpec = control.fontSpec;
    setup.newProc = ControlProc;
    setup.anchorSpec = "S,S,S,S";  // every edge follows the form's size
    if (control.kind == ControlKind::kButton) {
        setup.substituteFace = true;
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
        // Every window carries both tags, empty; nothing reads them back.
        SetTag(hwnd, "");
        SetTag2(hwnd, "");
        if (control.kind == ControlKind::kEdit) {
            SendMessageW(hwnd, EM_LIMITTEXT, 0, 0);
            SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
            if (control.id >= control_id::kMainFolderBox && control.id <= control_id::kCurrentFolderBox) {
                // A folder dropped from Explorer, and typed paths completed
                // to folders, as in every Windows path box.
                DragAcceptFiles(hwnd, TRUE);
                SHAutoComplete(hwnd, SHACF_FILESYS_DIRS);
            }
        }
    }
    SetFocus(GetDlgItem(form, control_id::kDepartedCountBox));
    return 0;
}

void RescaleMainForm(HWND form, std::int32_t dpi, const RECT* suggested) {
    const CWindowRef object = ObjectOfWindow(form);
    if (!object || dpi <= 0) return;
    object->SetDpi(static_cast<float>(dpi));
    const Scaling scaling{dpi, object->GetScaleX(), object->GetScaleY()};
    for (const ControlLayout& control : kMainFormControls) {
        const HWND hwnd = GetDlgItem(form, control.id);
        ControlRecord* const record = RecordOf(hwnd);
        if (!record) continue;
        if (UniqueFont font = FontFromSpecAt(FontSpecOf(control), dpi)) {
            // The control lets go of the old font before it is deleted.
            const UniqueFont old = std::exchange(record->font, std::move(font));
            SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(record->font.get()), TRUE);
        }
    }
    if (suggested) {
        SetWindowPos(form, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(form, nullptr, 0, 0, ScaleDesignUnits(kMainFormWidth, scaling.ScaleX),
                     ScaleDesignUnits(kMainFormHeight, scaling.ScaleY), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // What a start at dpi captures: each control's design rectangle scaled,
    // in the client area of the form at its design size, with the frame the
    // form has now.
    RECT outer{}, client{};
    GetWindowRect(form, &outer);
    GetClientRect(form, &client);
    const RECT designClient{
        0, 0, ScaleDesignUnits(kMainFormWidth, scaling.ScaleX) - (outer.right - outer.left - client.right),
        ScaleDesignUnits(kMainFormHeight, scaling.ScaleY) - (outer.bottom - outer.top - client.bottom)};
    for (const ControlLayout& control : kMainFormControls) {
        ControlRecord* const record = RecordOf(GetDlgItem(form, control.id));
        if (!record) continue;
        const Placement at = ScaleDesignUnits({control.left, control.top, control.width, control.height}, scaling);
        record->parent_rect0 = designClient;
        record->rect0 = {at.x, at.y, at.x + at.width, at.y + at.height};
        record->layout_captured = 1;
    }
    EnumChildWindows(form, ApplyAnchors, 0);
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
    // The primary monitor's scale may have changed since the user signed
    // in, which the system DPI still reflects.
    if (const auto dpi = static_cast<std::int32_t>(GetDpiForWindow(form)); dpi > 0 && dpi != object->GetDpi()) {
        RescaleMainForm(form, dpi, nullptr);
        object->Centre(nullptr, nullptr);
    }
    std::vector<UniqueWindow> tooltips = AddHelp(*object, form);
    return MainFormWindow{object, form, std::move(tooltips)};
}

std::intptr_t CreateAndRunMainForm(const MainFormRun& run) {
    const std::optional<MainFormWindow> main = MakeMainForm(run);
    if (!main) return -1;
    return RunForm(main->form, {.modality = run.modality, .owner = run.owner, .showCommand = SW_SHOWNORMAL});
}

}  // namespace trelvane
