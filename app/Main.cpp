// trelvane.exe: compares two seasons of the game and lists who left and who
// joined.
#include <windows.h>
#include <commctrl.h>

#include "AppState.h"
#include "MainForm.h"
#include "RichEdit.h"
#include "WinHandles.h"

namespace trelvane {

AppState gApp;

namespace {

// The program proper: everything between COM's start and end.
int MainProcedure(HINSTANCE module) {
    UniqueLibrary richEdit;
    LoadRichEdit(&richEdit, &gApp.richEditClass);
    gApp.module = module;
    // The form always opens normally: the show command the process was
    // started with is not passed on. What this returns is not examined: a
    // form that could not be made shows nothing, and the process still ends
    // with the form result.
    CreateAndRunMainForm({.owner = nullptr, .modality = Modality::kModal, .initialResult = 0});
    return gApp.formResult;
}

}  // namespace
}  // namespace trelvane

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int) {
    // The folder browser needs a single-threaded apartment.
    const trelvane::ComApartment com;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    return trelvane::MainProcedure(module);
}
