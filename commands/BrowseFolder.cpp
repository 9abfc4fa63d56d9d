#include "BrowseFolder.h"

#include <shlobj.h>

#include "DialogControls.h"
#include "DialogPlacement.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "UniqueAny.h"
#include "WindowsText.h"

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
    request.ulFlags = BIF_NEWDIALOGSTYLE;
    request.lpfn = OnBrowserEvent;
    request.lParam = reinterpret_cast<LPARAM>(args.form);

    const UniqueItemList chosen(SHBrowseForFolderW(&request));
    wchar_t path[MAX_PATH] = {};
    if (chosen && SHGetPathFromIDListW(chosen.get(), path)) {
        DialogControls(args.form).SetBoxText(config.box, Utf8FromWide(path));
    }
    return 0;
}

}  // namespace trelvane
