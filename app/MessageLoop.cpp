#include "MessageLoop.h"

#include "AppState.h"
#include "ControlRecord.h"
#include "FindForm.h"
#include "WindowQueries.h"

namespace trelvane {
namespace {

// In a multi-line edit box Escape would be swallowed and Tab typed into the
// text; turn them into the form's Cancel and a move to the next control.
void HandleMultiLineEditKeys(MSG& message) {
    const HWND focus = GetFocus();
    if (!focus || !(HasClassName(focus, "EDIT") || HasClassName(focus, gApp.richEditClass))) return;
    if (!(GetWindowLongW(focus, GWL_STYLE) & ES_MULTILINE)) return;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        message.message = WM_COMMAND;
        message.wParam = IDCANCEL;
        message.lParam = 0;
    } else if (message.message == WM_CHAR && message.wParam == '\t') {
        const bool backwards = GetAsyncKeyState(VK_SHIFT) & 0x8000;
        SetFocus(GetNextDlgTabItem(GetParent(focus), focus, backwards));
        message.message = WM_NULL;
    }
}

}  // namespace

std::intptr_t RunForm(HWND form, const FormRun& run) {
    ControlRecord* const record = RecordOf(form);
    if (!record) return 0;
    if (run.modality == Modality::kModeless || (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
        ShowWindow(form, run.showCommand);
        return reinterpret_cast<std::intptr_t>(form);
    }

    HWND owner = run.owner;
    while (owner && (GetWindowLongW(owner, GWL_STYLE) & WS_CHILD) &&
           !(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
        owner = GetParent(owner);
    }
    record->modal = 1;
    record->owner = owner;
    const DisabledOwner disabled = DisableOwner(owner);
    ShowWindow(form, run.showCommand);
    UpdateWindow(form);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && IsWindow(form) && message.message != WM_QUIT) {
        if (run.mdiAccelerators && TranslateMDISysAccel(form, &message)) continue;
        // The record is gone once the form is destroyed; read it afresh.
        if (ControlRecord* current = RecordOf(form);
            current && current->accel && TranslateAcceleratorW(form, current->accel.get(), &message)) {
            continue;
        }
        const HWND dialog = FindForm(gApp.activeForm);
        HandleMultiLineEditKeys(message);
        if (dialog && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    const std::int32_t result = gApp.formResult;
    gApp.formResult = 0;
    return result;
}

}  // namespace trelvane
