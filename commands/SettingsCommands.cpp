#include "SettingsCommands.h"

#include "ControlIds.h"
#include "DialogControls.h"
#include "ReplaceFile.h"
#include "SettingsFile.h"
#include "Win32Handles.h"

namespace trelvane {
namespace {

using namespace control_id;

// True only for an existing entry that is neither a folder nor a volume
// label.
bool SettingsFileExists() {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(kSettingsFileNameW, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | 0x8 /* volume label */)) == 0;
}

std::string ReadWholeFile(HANDLE file) {
    std::string bytes;
    char block[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) bytes.append(block, got);
    return bytes;
}

}  // namespace

std::int32_t LoadSettings(HWND form) {
    if (!SettingsFileExists()) return 0;
    std::string bytes;
    if (const UniqueFile file = OpenedFile(
            CreateFileW(kSettingsFileNameW, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
        bytes = ReadWholeFile(file.get());
    }
    const FolderSettings folders = ParseSettings(bytes);
    DialogControls controls(form);
    controls.SetBoxText(kMainFolderBox, folders.mainFolder);
    controls.SetBoxText(kPriorFolderBox, folders.priorFolder);
    controls.SetBoxText(kCurrentFolderBox, folders.currentFolder);
    return 0;
}

bool SaveSettings(HWND form) {
    DialogControls controls(form);
    FolderSettings folders;
    folders.mainFolder = controls.EditText(kMainFolderBox);
    folders.priorFolder = controls.EditText(kPriorFolderBox);
    folders.currentFolder = controls.EditText(kCurrentFolderBox);
    return ReplaceFileContents(kSettingsFileNameW, SettingsText(folders));
}

std::int32_t SaveSettingsAndEnd(const CommandArgs& args) {
    SaveSettings(args.form);
    ExitProcess(0);
}

}  // namespace trelvane
