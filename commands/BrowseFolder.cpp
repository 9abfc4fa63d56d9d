#include "BrowseFolder.h"

#include <shlobj.h>

#include <string>

#include "ControlTexts.h"
#include "DialogPlacement.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "WinHandles.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

// What the browser's events need: its owner and the folder it opens at.
struct BrowserStart {
    HWND form;
    std::wstring folder;
};

int CALLBACK OnBrowserEvent(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    const auto* start = reinterpret_cast<const BrowserStart*>(data);
    switch (message) {
        case BFFM_INITIALIZED: {
            PlaceByForm(browser, start->form, 10);
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->folder.c_str()));
            break;
        }
        case BFFM_SELCHANGED: {
            // "This PC", a library or a network root has no path to put in
            // a box: OK stays off until a folder on a disk or share is chosen.
            wchar_t path[MAX_PATH];
            const auto item = reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam);
            SendMessageW(browser, BFFM_ENABLEOK, 0, item && SHGetPathFromIDListW(item, path));
            if (!item) MessageBeep(MB_OK);
            break;
        }
    }
    return 0;
}

// The browser needs a single-threaded apartment; without one it would
// return at once, as if the user had cancelled.
bool InSingleThreadedApartment() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    return SUCCEEDED(CoGetApartmentType(&type, &qualifier)) && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

}  // namespace

std::int32_t BrowseForFolder(const BrowseConfig& config, const CommandArgs& args) {
    if (!InSingleThreadedApartment()) {
        ShowFailure(args.form, kFolderBrowserFailedText);
        return 0;
    }
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW request{};
    request.hwndOwner = args.form;
    request.pszDisplayName = displayName;
    request.lpszTitle = config.title;
    request.ulFlags = BIF_NEWDIALOGSTYLE | BIF_RETURNONLYFSDIRS;
    // The box's folder when it exists, so that a second pick starts where
    // the first ended.
    BrowserStart start{args.form, WideFromUtf8(ControlTexts(args.form).EditText(config.box))};
    // A folder typed with a last separator is given to the browser without
    // it, as its own paths are; a drive's root keeps it.
    while (start.folder.size() > 3 && (start.folder.back() == L'\\' || start.folder.back() == L'/')) {
        start.folder.pop_back();
    }
    const DWORD attributes = GetFileAttributesW(start.folder.c_str());
    if (start.folder.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        start.folder = kBrowseStartFolder;
    }
    request.lpfn = OnBrowserEvent;
    request.lParam = reinterpret_cast<LPARAM>(&start);

    const UniqueItemList chosen(SHBrowseForFolderW(&request));
    wchar_t path[MAX_PATH] = {};
    if (!chosen) return 0;
    if (SHGetPathFromIDListW(chosen.get(), path)) {
        ControlTexts(args.form).SetBoxText(config.box, Utf8FromWide(path));
    } else {
        ShowFailure(args.form, kNotAFolderOnDiskText);
    }
    return 0;
}

}  // namespace trelvane
