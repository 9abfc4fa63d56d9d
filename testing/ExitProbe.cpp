// trelvane-exit-probe MAIN PRIOR CURRENT: "Exit" as the program runs it, on a
// hidden form whose three folder boxes hold the arguments. The settings file
// is written in the current directory and the process ends at once, so a
// test can see the file and the exit code that "Exit" leaves.
#include "CommandArgs.h"
#include "ControlIds.h"
#include "SettingsCommands.h"
#include "TestForm.h"

int main(int argc, char** argv) {
    using namespace trelvane;
    using namespace trelvane::control_id;
    if (argc != 4) return 2;
    TestForm form;
    form.SetText(kMainFolderBox, argv[1]);
    form.SetText(kPriorFolderBox, argv[2]);
    form.SetText(kCurrentFolderBox, argv[3]);
    SaveSettingsAndEnd({0, form.Handle(), 0, kExitButton});
}
