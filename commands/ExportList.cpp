#include "ExportList.h"

#include <commdlg.h>

#include <vector>

#include "DialogControls.h"
#include "DialogPlacement.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "LineText.h"
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

FileWriteResult WriteListFile(const std::wstring& path, DialogControls& controls, int list) {
    if (const std::string_view refused = RefusedExportName(Utf8FromWide(path)); !refused.empty()) {
        return {std::string(refused)};
    }
    const auto lineAt = [&](std::size_t index, std::string& line) -> std::string_view {
        controls.ReadListLine(list, static_cast<int>(index), line);
        return line;
    };
    const auto count = static_cast<std::size_t>(controls.ListCount(list));
    return ReplaceFileContents(path,
                               [&](const PutBytes& put) { return WriteLines(count, lineAt, kSavedLineEnd, put); });
}

std::int32_t ExportList(const ExportConfig& config, const CommandArgs& args) {
    wchar_t currentDirectory[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, currentDirectory);

    std::vector<wchar_t> fileName(kFileNameCapacity, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = args.form;
    // One filter entry: its display text and its pattern.
    request.lpstrFilter = L"*.txt\0*.txt\0";
    request.lpstrFile = fileName.data();
    request.nMaxFile = kFileNameCapacity;
    request.lpstrInitialDir = currentDirectory;
    request.lpstrTitle = config.title;
    request.lpstrDefExt = L"txt";
    // No overwrite prompt; and the current directory, where the settings
    // file lives, must not move.
    request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    request.lpfnHook = PlaceDialog;
    if (!GetSaveFileNameW(&request)) return 0;

    DialogControls controls(args.form);
    const std::wstring path = fileName.data();
    if (const FileWriteResult result = WriteListFile(path, controls, config.list); !result.Written()) {
        ShowFailure(args.form, ListNotSavedText({.path = Utf8FromWide(path),
                                                 .problem = result.problem,
                                                 .newIn = result.newContentIn,
                                                 .oldIn = result.oldContentIn}));
    }
    return 0;
}

}  // namespace trelvane
