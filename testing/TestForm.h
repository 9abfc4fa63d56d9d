#pragma once

#include <windows.h>

#include <string>

#include "ControlIds.h"
#include "DialogControls.h"

namespace trelvane {

// A hidden window holding the controls the commands use, with the main
// form's identifiers and list styles: for tests and test programs.
class TestForm {
public:
    TestForm() {
        using namespace control_id;
        form_ = CreateWindowExW(0, L"STATIC", L"form", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
        for (const int id :
             {kDepartedCountBox, kArrivalsCountBox, kMainFolderBox, kPriorFolderBox, kCurrentFolderBox}) {
            Add(L"EDIT", id, WS_CHILD | ES_AUTOHSCROLL);
        }
        for (const int id : {kArrivalsList, kDepartedList}) {
            Add(L"LISTBOX", id, WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOSEL);
        }
    }
    ~TestForm() { DestroyWindow(form_); }
    TestForm(const TestForm&) = delete;
    TestForm& operator=(const TestForm&) = delete;

    HWND Handle() const { return form_; }
    std::string Text(int id) { return DialogControls(form_).EditText(id); }
    void SetText(int id, const std::string& text) { DialogControls(form_).SetBoxText(id, text); }

private:
    void Add(const wchar_t* className, int id, DWORD style) {
        CreateWindowExW(0, className, L"", style, 0, 0, 100, 100, form_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND form_;
};

}  // namespace trelvane
