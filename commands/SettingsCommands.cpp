#include "SettingsCommands.h"

#include <optional>

#include "BriefHolds.h"
#include "ControlIds.h"
#include "ControlTexts.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "SettingsFile.h"
#include "WinHandles.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

// Whether the last load found a settings file it could not read. The boxes
// it left empty must not replace the user's folders at "Exit".
bool gSettingsUnread = false;

// True only for an existing entry that is neither a folder nor a volume
// label.
bool SettingsFileExists() {
    WIN32_FIND_DATAW found;
    if (!UniqueSearch(FindFirstFileW(kSettingsFileNameW, &found))) return false;
    return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | 0x8 /* volume label */)) == 0;
}

// The whole file, or nothing when it cannot be opened or a read fails.
std::optional<std::string> ReadSettingsFile() {
    // Shared for reading, so that a scanner reading it too is no obstacle.
    const UniqueFile file = RetryBriefHolds([] {
        return UniqueFile(CreateFileW(kSettingsFileNameW, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    });
    if (!file) return std::nullopt;
    std::string bytes;
    char block[64 * 1024];
    DWORD got = 0;
    while (true) {
        if (!ReadFile(file.get(), block, sizeof block, &got, nullptr)) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(block, got);
    }
}

// The folders in UTF-8, as the boxes take them.
FolderSettings FoldersFromFile(std::string_view bytes) {
    const bool utf8 = SettingsAreUtf8(bytes);
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    FolderSettings folders = ParseSettings(bytes);
    if (!utf8) {
        for (std::string* folder : {&folders.mainFolder, &folders.priorFolder, &folders.currentFolder}) {
            *folder = Utf8FromWide(WideFromAnsi(*folder));
        }
    }
    return folders;
}

// The file's bytes for the folders (given in UTF-8): in the ANSI code page
// when it holds every character, never a best-fit stand-in for one.
std::string FileFromFolders(const FolderSettings& folders) {
    FolderSettings ansi;
    const std::pair<const std::string*, std::string*> fields[] = {{&folders.mainFolder, &ansi.mainFolder},
                                                                  {&folders.priorFolder, &ansi.priorFolder},
                                                                  {&folders.currentFolder, &ansi.currentFolder}};
    for (const auto& [utf8, bytes] : fields) {
        std::optional<std::string> exact = ExactAnsiFromWide(WideFromUtf8(*utf8));
        if (!exact) return std::string(kUtf8Mark) + SettingsText(folders);
        *bytes = std::move(*exact);
    }
    return SettingsText(ansi);
}

}  // namespace

std::int32_t LoadSettings(HWND form) {
    gSettingsUnread = false;
    if (!SettingsFileExists()) return 0;
    const std::optional<std::string> bytes = ReadSettingsFile();
    gSettingsUnread = !bytes;
    const FolderSettings folders = FoldersFromFile(bytes.value_or(""));
    ControlTexts controls(form);
    controls.SetBoxText(kMainFolderBox, folders.mainFolder);
    controls.SetBoxText(kPriorFolderBox, folders.priorFolder);
    controls.SetBoxText(kCurrentFolderBox, folders.currentFolder);
    return 0;
}

FileWriteResult SaveSettings(HWND form) {
    ControlTexts controls(form);
    FolderSettings folders;
    folders.mainFolder = controls.EditText(kMainFolderBox);
    folders.priorFolder = controls.EditText(kPriorFolderBox);
    folders.currentFolder = controls.EditText(kCurrentFolderBox);
    if (gSettingsUnread && folders == FolderSettings{}) return {};
    return ReplaceFileContents(kSettingsFileNameW, FileFromFolders(folders));
}

std::int32_t SaveSettingsAndEnd(const CommandArgs& args) {
    if (const FileWriteResult saved = SaveSettings(args.form); !saved.Written() || !saved.oldContentIn.empty()) {
        ShowFailure(args.form, FoldersNotSavedText({.path = Utf8FromWide(FullPath(kSettingsFileNameW)),
                                                    .problem = saved.problem,
                                                    .newIn = saved.newContentIn,
                                                    .oldIn = saved.oldContentIn}));
    }
    ExitProcess(0);
}

}  // namespace trelvane
