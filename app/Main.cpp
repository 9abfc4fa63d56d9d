// trelvane.exe: compares two seasons of the game and lists who left and who
// joined.
#include <windows.h>
#include <commctrl.h>

#include "AppState.h"
#include "MainForm.h"
#include "MainFormLayout.h"
#include "RichEdit.h"
#include "WinHandles.h"
#include "WindowsText.h"

namespace trelvane {

AppState gApp;

namespace {

constexpr char kWindowNotMadeText[] = "Trelvane could not open its window and has ended. Nothing was changed.";

// The program proper: everything between COM's start and end.
int MainProcedure(HINSTANCE module) {
    UniqueLibrary richEdit;
    LoadRichEdit(richEdit, gApp.richEditClass);
    gApp.module = module;
    // The form always opens normally: the show command the process was
    // started with is not passed on.
    if (CreateAndRunMainForm({.owner = nullptr, .modality = Modality::kModal, .initialResult = 0}) < 0) {
        // Without it the program would end having shown nothing at all.
        MessageBoxW(nullptr, WideFromUtf8(kWindowNotMadeText).c_str(), WideFromUtf8(kMainFormCaption).c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    return gApp.formResult;
}

}  // namespace
}  // namespace trelvane

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int) {
    // Libraries loaded from now on, by name or by other libraries, come from
    // the system folder, never from the program's folder or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The folder browser needs a single-threaded apartment.
    const trelvane::ComApartment com;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    return trelvane::MainProcedure(module);
}
