#include "ExportFile.h"

#include <commdlg.h>

#include <vector>

#include "DialogPlacement.h"
#include "FailureMessage.h"
#include "ListFileNames.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

constexpr DWORD kFileNameCapacity = 0x8000;

// Places the dialog 20 pixels right of and below the form's top-left
// corner. The hook sees the dialog's inner child window; the dialog
// itself is its parent.
UINT_PTR CALLBACK PlaceDialog(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* request = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        PlaceByForm(GetParent(child), request->hwndOwner, 20);
    }
    return 0;
}

}  // namespace

OPENFILENAMEW SaveFileRequest(HWND form, const SaveDialog& dialog, std::vector<wchar_t>& fileName,
                              const wchar_t* folder) {
    fileName.assign(kFileNameCapacity, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = form;
    request.lpstrFilter = dialog.filter;
    request.nFilterIndex = 1;
    request.lpstrFile = fileName.data();
    request.nMaxFile = kFileNameCapacity;
    request.lpstrInitialDir = folder;
    request.lpstrTitle = dialog.title;
    request.lpstrDefExt = dialog.defaultExtension;
    // The system asks before a file is replaced: a wrong pick would lose
    // it. The current directory, where the settings file lives, must not
    // move.
    request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
    request.lpfnHook = PlaceDialog;
    return request;
}

std::optional<SaveChoice> AskForSaveFile(HWND form, const SaveDialog& dialog) {
    wchar_t currentDirectory[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, currentDirectory);
    std::vector<wchar_t> fileName;
    OPENFILENAMEW request = SaveFileRequest(form, dialog, fileName, currentDirectory);
    if (!GetSaveFileNameW(&request)) return std::nullopt;
    return SaveChoice{fileName.data(), request.nFilterIndex};
}

FileWriteResult WriteExportFile(const std::wstring& path, const FileContent& content) {
    if (const FileProblem refused = RefusedExportName(Utf8FromWide(path)); refused != FileProblem::kNone) {
        return {refused};
    }
    return ReplaceFileContents(path, content);
}

void TellIfNotSaved(HWND form, const std::wstring& path, const FileWriteResult& result,
                    std::string (*notSaved)(const NotSaved&)) {
    if (result.Written() && result.oldContentIn.empty()) return;
    ShowFailure(form, notSaved({.path = Utf8FromWide(path),
                                .problem = result.problem,
                                .newIn = result.newContentIn,
                                .oldIn = result.oldContentIn}));
}

}  // namespace trelvane
