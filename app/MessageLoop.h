#pragma once

#include <windows.h>

#include <cstdint>

namespace trelvane {

enum class Modality { kModeless, kModal };

// How RunForm runs a form; read well with designated initialisers:
//     RunForm(form, {.modality = Modality::kModal, .owner = owner});
struct FormRun {
    Modality modality = Modality::kModal;  // an MDI child always runs modeless
    HWND owner = nullptr;
    int showCommand = SW_SHOWNORMAL;
    bool mdiAccelerators = false;  // the form is an MDI frame: translate its MDI keys
};

// Shows a form and, for a modal run, pumps its messages until it is gone:
// every message passes the dialog navigation of the active form (Tab and
// Shift+Tab among the controls) before it is dispatched. A modal run
// disables the owner until the run ends (however it ends) and returns the
// form result; a modeless run returns the form's handle. 0 when the form has
// no record.
std::intptr_t RunForm(HWND form, const FormRun& run);

}  // namespace trelvane
