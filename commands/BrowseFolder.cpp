#include "BrowseFolder.h"

#include <shlobj.h>

#include "WindowsText.h"
#include "DialogControls.h"
#include "DialogPlacement.h"
#include "UniqueAny.h"

namespace trelvane {
namespace {

void FreeItemList(LPITEMIDLIST items) { CoTaskMemFree(items); }
using UniqueItemList = UniqueAny<LPITEMIDLIST, &FreeItemList>;

int CALLBACK OnBrowserEvent(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    const HWND form = reinterpret_cast<HWND>(data);
    switch (message) {
        case BFFM_INITIALIZED: {
            PlaceByForm(browser, form, 10);
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(kBrowseStartFolder));
            break;
        }
        case BFFM_SELCHANGED:
            SendMessageW(browser, BFFM_ENABLEOK, 0, lParam != 0);
            if (lParam == 0) MessageBeep(MB_OK);
            break;
    }
    return 0;
}

}  // namespace

std::int32_t BrowseForFolder(const BrowseConfig& config, const CommandArgs& args) {
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW request{};
    request.hwndOwner = args.form;
    request.pszDisplayName = displayName;
    request.lpszTitle = config.title;
    request.ulFlags = BIF_NEWDIALOGSTYLE;
    request.lpfn = OnBrowserEvent;
    request.lParam = reinterpret_cast<LPARAM>(args.form);

    const UniqueItemList chosen(SHBrowseForFolderW(&request));
    wchar_t path[MAX_PATH] = {};
    if (chosen && SHGetPathFromIDListW(chosen.get(), path)) {
        // The path goes through the ANSI code page, as every folder value does.
        DialogControls(args.form).SetBoxText(config.box, AnsiFromWide(path));
    }
    return 0;
}

}  // namespace trelvane
