#include "ControlTexts.h"

#include "RunningUnderWine.h"
#include "Windows1252.h"
#include "WindowsText.h"

namespace trelvane {

HWND ControlTexts::Control(int id) {
    if (id != lastId_ || !last_) {
        lastId_ = id;
        last_ = GetDlgItem(form_, id);
    }
    return last_;
}

// Line-by-line list messages. On Windows they are sent as to any window.
// Under Wine they go straight to the list box's own procedure: the form's
// subclass procedure only passes them on, and finding its record costs a
// window-property look-up per message, which Wine answers through its
// server: seconds for the 40,000 lines of a full season.
LRESULT ControlTexts::ToList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    static const bool underWine = RunningUnderWine();
    if (!underWine) return SendMessageW(list, message, wParam, lParam);
    const auto listProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC));
    return listProc ? CallWindowProcW(listProc, list, message, wParam, lParam) : LB_ERR;
}

std::string ControlTexts::EditText(int id) {
    const HWND box = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return Utf8FromWide(text);
}

void ControlTexts::SetBoxText(int id, std::string_view text) {
    SetWindowTextW(Control(id), WideFromUtf8(text).c_str());
}

void ControlTexts::EmptyList(int id) { SendMessageW(Control(id), LB_RESETCONTENT, 0, 0); }

void ControlTexts::AddLine(int id, std::string_view line) {
    ToList(Control(id), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromWindows1252(line).c_str()));
}

void ControlTexts::AddLines(int id, const LineBatch& lines) {
    const HWND list = Control(id);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < lines.Count(); ++i) characters += lines[i].size() + 1;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, lines.Count(), characters * sizeof(wchar_t));
    // The lines come in identifier order, which is the order the sorted list
    // keeps (each starts with five digits): placed at the end, they need
    // none of the comparisons LB_ADDSTRING makes to find their place.
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        ToList(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(WideFromWindows1252(lines[i]).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int ControlTexts::ListCount(int id) {
    const LRESULT count = SendMessageW(Control(id), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

void ControlTexts::ReadListLine(int id, int index, std::string& line) {
    const HWND list = Control(id);
    const LRESULT length = ToList(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        line.clear();
        return;
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = ToList(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    line = Windows1252FromWide(text);
}

}  // namespace trelvane
