// trelvane-demo-driver: presses the running program's buttons from outside,
// for the demo and the benchmark.
//
//   trelvane-demo-driver click ID     press button ID and wait until it is done
//   trelvane-demo-driver time ID      the same, printing how long it took
//   trelvane-demo-driver text ID      print the text of control ID
//   trelvane-demo-driver close        close the program with its close box
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ControlIds.h"
#include "WindowQueries.h"
#include "WindowsText.h"

namespace {

BOOL CALLBACK MatchForm(HWND window, LPARAM lParam) {
    if (!trelvane::ClassNameOf(window).starts_with(std::string(trelvane::kMainFormClass) + ":")) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

// A first start on a busy machine can take minutes (a new prefix, a build
// beside it): the driver waits up to ten.
HWND WaitForForm() {
    for (int waited = 0; waited < 600000; waited += 50) {
        HWND form = nullptr;
        EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&form));
        if (form && IsWindowVisible(form)) return form;
        Sleep(50);
    }
    return nullptr;
}

void Sync(HWND form) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &ignored);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: trelvane-demo-driver click ID | time ID | text ID | menu ID | escape | close\n", stderr);
        return 2;
    }
    const HWND form = WaitForForm();
    if (!form) {
        std::fputs("trelvane-demo-driver: the program's window did not appear\n", stderr);
        return 1;
    }
    Sync(form);
    const int id = argc > 2 ? std::atoi(argv[2]) : 0;
    if (!std::strcmp(argv[1], "click") || !std::strcmp(argv[1], "time")) {
        const auto start = std::chrono::steady_clock::now();
        // Sent, not posted: the click's command runs inside this call, so
        // its return marks the command's end.
        SendMessageW(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (argv[1][0] == 't') std::printf("%.3f\n", took.count());
    } else if (!std::strcmp(argv[1], "text")) {
        // WM_GETTEXT itself: GetWindowText does not ask another process's
        // controls for their text.
        wchar_t text[256] = {};
        SendMessageW(GetDlgItem(form, id), WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", trelvane::Utf8FromWide(text).c_str());
    } else if (!std::strcmp(argv[1], "menu")) {
        // A right-click on the control; returns once its menu shows.
        const HWND control = GetDlgItem(form, id);
        PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 60));
        PostMessageW(control, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
        for (int i = 0; i < 250 && !FindWindowW(L"#32768", nullptr); ++i) Sleep(20);
    } else if (!std::strcmp(argv[1], "escape")) {
        // Closes an open menu: the form's default handling of this ends it.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(form, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 10000, &ignored);
    } else if (!std::strcmp(argv[1], "close")) {
        PostMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        return 2;
    }
    return 0;
}
