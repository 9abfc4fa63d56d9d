#include "SettingsCommands.h"

#include <optional>

#include "BriefHolds.h"
#include "ControlIds.h"
#include "ControlTexts.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "SettingsFile.h"
#include "WinHandles.h"
#include "WindowsFileProblems.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

// Whether the last load found a settings file it could not read. The boxes
// it left empty must not replace the user's folders at "Exit": the one state
// kept from the start to the end, as the file may be free again by then.
bool gSettingsUnread = false;

// True only for an existing entry that is neither a folder nor a volume
// label.
bool SettingsFileExists() {
    WIN32_FIND_DATAW found;
    if (!UniqueSearch(FindFirstFileW(kSettingsFileNameW.data(), &found))) return false;
    return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | 0x8 /* volume label */)) == 0;
}

// The whole file, or nothing when it cannot be opened or a read fails.
std::optional<std::string> ReadSettingsFile() {
    // Shared for reading, so that a scanner reading it too is no obstacle.
    const UniqueFile file = RetryBriefHolds([] {
        return UniqueFile(CreateFileW(kSettingsFileNameW.data(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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

// How many of the folders name a folder that exists (UTF-8 texts).
int FoldersThatExist(const FolderSettings& folders) {
    int count = 0;
    for (const std::string* folder : {&folders.mainFolder, &folders.priorFolder, &folders.currentFolder}) {
        if (!folder->empty() && IsFolder(WideFromUtf8(*folder))) ++count;
    }
    return count;
}

// The folders in UTF-8, as the boxes take them. Without the mark the file
// is the program's own ANSI, or Notepad's UTF-8; ANSI bytes can be valid
// UTF-8 by chance (GBK "D:\一" is D2 BB, UTF-8 for "D:\һ"), so where both
// readings are possible the one under which more folders exist wins, and
// ANSI when they tie.
FolderSettings FoldersFromFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return ParseSettings(bytes.substr(kUtf8Mark.size()));
    const FolderSettings asUtf8 = ParseSettings(bytes);
    FolderSettings fromAnsi = asUtf8;
    for (std::string* folder : {&fromAnsi.mainFolder, &fromAnsi.priorFolder, &fromAnsi.currentFolder}) {
        *folder = Utf8FromWide(WideFromAnsi(*folder));
    }
    if (SettingsAreUtf8(bytes) && FoldersThatExist(asUtf8) > FoldersThatExist(fromAnsi)) return asUtf8;
    return fromAnsi;
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
    return ReplaceFileContents(kSettingsFileNameW.data(), FileFromFolders(folders));
}

std::int32_t SaveSettingsAndEnd(const CommandArgs& args) {
    if (const FileWriteResult saved = SaveSettings(args.form); !saved.Written() || !saved.oldContentIn.empty()) {
        ShowFailure(args.form, FoldersNotSavedText({.path = Utf8FromWide(FullPath(kSettingsFileNameW.data())),
                                                    .problem = saved.problem,
                                                    .newIn = saved.newContentIn,
                                                    .oldIn = saved.oldContentIn}));
    }
    ExitProcess(0);
}

}  // namespace trelvane
