#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace trelvane::testing {

// Starts trelvane.exe (from the driver's own folder) in a working folder of
// the caller's and drives it from outside, as a user would: by its window
// class and control identifiers, with messages that Windows carries across
// processes.
class ProgramDriver {
public:
    explicit ProgramDriver(const std::filesystem::path& workingFolder);
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    HWND Form() const { return form_; }
    HWND Control(int id) const { return GetDlgItem(form_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }

    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    std::vector<std::string> Lines(int listId) const;

    // Presses a button the way a click does and returns once its command
    // has run (for "Exit", once the program has ended).
    void Click(int id);
    // Presses a button without waiting: for the commands that open a dialog.
    void Press(int id);
    // Waits until the program has handled everything sent so far.
    void Sync() const;

    // A dialog of the program with this title (empty: any), once it shows.
    HWND WaitForDialog(const std::wstring& title, DWORD timeoutMs = 10000) const;

    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;

private:
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

}  // namespace trelvane::testing
