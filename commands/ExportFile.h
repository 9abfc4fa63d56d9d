#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FailureText.h"
#include "ReplaceFile.h"

namespace trelvane {

// The save-file dialog of every export: owned by the form and placed 20
// pixels right of and below its corner, starting in the current directory,
// asking before it replaces a file, and leaving the current directory
// (where the settings file lives) where it is.
struct SaveDialog {
    const wchar_t* title;
    const wchar_t* filter;            // pairs of display text and pattern, then an empty text
    const wchar_t* defaultExtension;  // added to a name typed without one; null for none
};
struct SaveChoice {
    std::wstring path;
    DWORD type;  // the file type chosen, 1 for the first
};
// Nothing when the dialog was cancelled or failed.
std::optional<SaveChoice> AskForSaveFile(HWND form, const SaveDialog& dialog);
// What AskForSaveFile asks the system's dialog for, starting in folder, with
// fileName made the buffer the chosen name comes back in.
OPENFILENAMEW SaveFileRequest(HWND form, const SaveDialog& dialog, std::vector<wchar_t>& fileName,
                              const wchar_t* folder);

// Writes an export: the game's season files and the settings file are
// refused by name before anything is written, and the file is replaced
// whole or not at all (ReplaceFileContents).
FileWriteResult WriteExportFile(const std::wstring& path, const FileContent& content);

// Tells the user in one box when an export was not written, in the words
// notSaved gives; nothing when it was.
void TellIfNotSaved(HWND form, const std::wstring& path, const FileWriteResult& result,
                    std::string (*notSaved)(const NotSaved&));

}  // namespace trelvane
