#pragma once

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "TestFiles.h"

namespace trelvane::testing {

// The folder of the running test program, where the programs it drives are.
inline std::filesystem::path ProgramFolder() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path();
}

// What a program run to its end gave: its exit code (STILL_ACTIVE when it
// had not ended within 20 s) and its standard output and standard error.
struct ProgramRun {
    DWORD code = STILL_ACTIVE;
    std::string out, err;
};

// Runs a program with a wide command line as cmd passes it, in folder, with standard output and standard error sent to
// files there as "> out 2> err" sends them, or standard output to a pipe whose reader has gone, as "| more" quit early
// leaves it. (Started with CREATE_NO_WINDOW, Wine 8 lets the wait end before the program has written its output.)
inline ProgramRun RunProgram(const std::filesystem::path& program, const std::wstring& arguments,
                             const std::filesystem::path& folder, bool readerGone = false) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const std::filesystem::path outFile = folder / "program-out", errFile = folder / "program-err";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileW(outFile.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    if (HANDLE reader = nullptr; readerGone) {
        CloseHandle(startup.hStdOutput);
        CreatePipe(&reader, &startup.hStdOutput, &inherited, 0);
        CloseHandle(reader);
    }
    startup.hStdError = CreateFileW(errFile.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    PROCESS_INFORMATION process{};
    ProgramRun run;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 20000);
        GetExitCodeProcess(process.hProcess, &run.code);
        if (run.code == STILL_ACTIVE) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    run.out = FileBytes(outFile);
    run.err = FileBytes(errFile);
    return run;
}

// Starts trelvane.exe (from the driver's own folder, or program) in a
// working folder of the caller's and drives it from outside, as a user
// would: by its window class and control identifiers, with messages that
// Windows carries across processes. Texts are UTF-8.
class ProgramDriver {
public:
    explicit ProgramDriver(const std::filesystem::path& workingFolder,
                           const std::filesystem::path& program = ProgramFolder() / L"trelvane.exe");
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    HWND Form() const { return form_; }
    HWND Control(int id) const { return GetDlgItem(form_, id); }

    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    std::vector<std::string> Lines(int listId) const;

    // Presses a button the way a click does and returns once its command
    // has run (for "Exit", once the program has ended); false when it had
    // not within timeoutMs, as when a message box waits for an answer.
    bool Click(int id, DWORD timeoutMs = 60000);
    // Presses a button without waiting: for the commands that open a dialog.
    void Press(int id);
    // Waits until the program has handled everything sent so far.
    void Sync() const;

    // A dialog of the program with this title (empty: any), once it shows.
    HWND WaitForDialog(const std::wstring& title, DWORD timeoutMs = 10000) const;
    // Fills the save dialog of this title with file and confirms it; false
    // when no such dialog showed.
    bool SaveAs(const std::wstring& title, const std::filesystem::path& file);
    // The same onto a file that exists: answers the system's question
    // whether to replace it with answer (IDYES or IDNO) and returns its
    // text, empty when none came. After "No" the dialog is still open.
    std::string SaveOver(const std::wstring& title, const std::filesystem::path& file, int answer);

    // The program's message box (owned by the form, with its caption), once
    // it shows; null when none showed within timeoutMs. Under Xvfb without a
    // window manager one shows at once but takes about 2 s to go.
    HWND WaitForMessageBox(DWORD timeoutMs = 20000) const;
    // Whether the program has a message box now, shown or not yet: one that
    // a command shows exists as soon as the command is waiting on it.
    bool HasMessageBox() const;
    // The text of the program's next message box, once it has been answered
    // with OK and has gone; empty when none showed.
    std::string AnswerMessageBox(DWORD timeoutMs = 20000);

    // Puts the program's form in front and the focus on a control, as a
    // click on it does.
    void Focus(int id);
    // The window with the keyboard focus in the program; null: none.
    HWND Focused() const;
    // Types keys on the keyboard, as a user does, into the window in front:
    // each a virtual key, with a modifier (VK_CONTROL, VK_SHIFT) held or 0.
    void TypeKeys(std::initializer_list<std::pair<WORD, WORD>> keys);
    // Right-clicks a control, and returns the menu that shows (null: none).
    HWND RightClick(int id);
    // The program's pop-up menu, once it shows.
    HWND WaitForMenu(DWORD timeoutMs = 10000) const;

    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;

private:
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

// The clipboard's Unicode text, in UTF-16; empty when it holds none.
std::wstring ClipboardText();

// A window's text, asked of the process that owns it.
std::wstring WindowText(HWND window);
// A message box's text: the longest of its Static children's.
std::wstring MessageBoxText(HWND box);
// Presses a dialog's button and waits until the dialog has gone.
void PressAndWaitGone(HWND dialog, int button);

}  // namespace trelvane::testing
