#include "ProgramDriver.h"

#include <stdexcept>

#include "ControlIds.h"
#include "Windows1252.h"
#include "WindowsText.h"

namespace trelvane::testing {
namespace {

struct FindRequest {
    DWORD processId;
    std::wstring classPrefix;
    std::wstring title;
    HWND owner = nullptr;
    bool shown = true;
    bool yesNo = false;  // only a box with "Yes" and "No"
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* request = reinterpret_cast<FindRequest*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != request->processId || (request->shown && !IsWindowVisible(window))) return TRUE;
    if (request->owner && GetWindow(window, GW_OWNER) != request->owner) return TRUE;
    if (request->yesNo && (!GetDlgItem(window, IDYES) || !GetDlgItem(window, IDNO))) return TRUE;
    wchar_t className[256] = {}, title[256] = {};
    GetClassNameW(window, className, 256);
    GetWindowTextW(window, title, 256);
    if (std::wstring(className).rfind(request->classPrefix, 0) != 0) return TRUE;
    if (!request->title.empty() && request->title != title) return TRUE;
    request->found = window;
    return FALSE;
}

HWND FindTopLevel(FindRequest request, DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += 20) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&request));
        if (request.found || waited >= timeoutMs) return request.found;
        Sleep(20);
    }
}

// A message box's text is a Static child whose identifier under Wine
// differs from Windows', so it is found by class; the icon is a Static too,
// without text.
BOOL CALLBACK KeepLongestStaticText(HWND child, LPARAM lParam) {
    auto* longest = reinterpret_cast<std::wstring*>(lParam);
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Static") == 0) {
        if (std::wstring text = WindowText(child); text.size() > longest->size()) *longest = std::move(text);
    }
    return TRUE;
}

}  // namespace

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(box, KeepLongestStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void PressAndWaitGone(HWND dialog, int button) {
    PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    for (int i = 0; i < 1000 && IsWindow(dialog); ++i) Sleep(20);
}

ProgramDriver::ProgramDriver(const std::filesystem::path& workingFolder, const std::filesystem::path& program) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.wstring().c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start trelvane.exe");
    }
    WaitForInputIdle(process_.hProcess, 10000);
    form_ = FindTopLevel({process_.dwProcessId, WideFromUtf8(kMainFormClass) + L":", L""}, 10000);
    if (!form_) throw std::runtime_error("trelvane.exe showed no main form");
    Sync();
}

ProgramDriver::~ProgramDriver() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string ProgramDriver::Text(int id) const { return Utf8FromWide(WindowText(Control(id))); }

void ProgramDriver::SetText(int id, const std::string& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
}

std::vector<std::string> ProgramDriver::Lines(int listId) const {
    const HWND list = Control(listId);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> lines;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t line[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.push_back(Windows1252FromWide(line));
    }
    return lines;
}

bool ProgramDriver::Click(int id, DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

void ProgramDriver::Press(int id) { PostMessageW(Control(id), BM_CLICK, 0, 0); }

void ProgramDriver::Sync() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
}

HWND ProgramDriver::WaitForDialog(const std::wstring& title, DWORD timeoutMs) const {
    return FindTopLevel({process_.dwProcessId, L"#32770", title}, timeoutMs);
}

namespace {

// The save dialog of this title with file typed into its name box; null
// when none showed.
HWND FillSaveDialog(const ProgramDriver& program, const std::wstring& title, const std::filesystem::path& file) {
    const HWND dialog = program.WaitForDialog(title);
    HWND name = dialog ? GetDlgItem(dialog, 0x47C) : nullptr;  // cmb13: the file name box
    if (dialog && !name) name = GetDlgItem(dialog, 0x480);
    if (!name) return nullptr;
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
    return dialog;
}

}  // namespace

bool ProgramDriver::SaveAs(const std::wstring& title, const std::filesystem::path& file) {
    const HWND dialog = FillSaveDialog(*this, title, file);
    if (!dialog) return false;
    PressAndWaitGone(dialog, IDOK);
    Sync();
    return true;
}

std::string ProgramDriver::SaveOver(const std::wstring& title, const std::filesystem::path& file, int answer) {
    const HWND dialog = FillSaveDialog(*this, title, file);
    if (!dialog) return {};
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    // The question is the program's box with "Yes" and "No".
    const HWND question = FindTopLevel({process_.dwProcessId, L"", L"", nullptr, true, true}, 20000);
    if (!question) return {};
    const std::wstring text = MessageBoxText(question);
    PressAndWaitGone(question, answer);
    for (int i = 0; i < 1000 && answer == IDYES && IsWindow(dialog); ++i) Sleep(20);
    Sync();
    return Utf8FromWide(text);
}

HWND ProgramDriver::WaitForMessageBox(DWORD timeoutMs) const {
    return FindTopLevel({process_.dwProcessId, L"#32770", WindowText(form_), form_, true}, timeoutMs);
}

bool ProgramDriver::HasMessageBox() const {
    return FindTopLevel({process_.dwProcessId, L"#32770", WindowText(form_), form_, false}, 0) != nullptr;
}

std::string ProgramDriver::AnswerMessageBox(DWORD timeoutMs) {
    const HWND box = WaitForMessageBox(timeoutMs);
    if (!box) return {};
    const std::wstring text = MessageBoxText(box);
    PressAndWaitGone(box, IDOK);
    Sync();
    return Utf8FromWide(text);
}

DWORD ProgramDriver::WaitForExit(DWORD timeoutMs) {
    WaitForSingleObject(process_.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void ProgramDriver::Focus(int id) {
    SetForegroundWindow(form_);
    PostMessageW(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    for (int i = 0; i < 250 && Focused() != Control(id); ++i) Sleep(20);
    Sync();
}

HWND ProgramDriver::Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &info);
    return info.hwndFocus;
}

void ProgramDriver::TypeKeys(std::initializer_list<std::pair<WORD, WORD>> keys) {
    for (const auto& [modifier, key] : keys) {
        std::vector<INPUT> inputs;
        const auto press = [&](WORD vk, DWORD flags) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        };
        if (modifier) press(modifier, 0);
        press(key, 0);
        press(key, KEYEVENTF_KEYUP);
        if (modifier) press(modifier, KEYEVENTF_KEYUP);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Sleep(100);
    }
}

HWND ProgramDriver::RightClick(int id) {
    PostMessageW(Control(id), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    PostMessageW(Control(id), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    return WaitForMenu();
}

HWND ProgramDriver::WaitForMenu(DWORD timeoutMs) const {
    return FindTopLevel({process_.dwProcessId, L"#32768", L""}, timeoutMs);
}

std::wstring ClipboardText() {
    std::wstring text;
    for (int i = 0; i < 50 && !OpenClipboard(nullptr); ++i) Sleep(20);
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool ProgramDriver::Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

}  // namespace trelvane::testing
