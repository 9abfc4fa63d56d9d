#include "ReplaceFile.h"

#include <windows.h>

#include "Win32Handles.h"

namespace trelvane {
namespace {

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator + 1);
}

}  // namespace

bool WriteAllBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), ask, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool IsReadOnlyFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool ReplaceFileContents(const std::wstring& path, std::string_view bytes, FileWriter write) {
    if (IsReadOnlyFile(path)) return false;
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"trv", 0, temporary)) return false;

    bool written = false;
    {
        const UniqueFile file = OpenedFile(
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file && write(file.get(), bytes) && FlushFileBuffers(file.get());
    }
    if (written && MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}

}  // namespace trelvane
