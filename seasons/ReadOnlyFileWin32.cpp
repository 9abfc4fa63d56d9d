#include <windows.h>

#include "BriefHolds.h"
#include "FileProblems.h"
#include "Limits.h"
#include "ReadOnlyFile.h"
#include "SystemMessage.h"
#include "WindowsText.h"

namespace trelvane {

void release::CloseFile(std::intptr_t file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

std::string FileProblemOfError(unsigned long error, const std::wstring& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return file_problem::kNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
            return file_problem::kFolderMissing;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return file_problem::kInUse;
        case ERROR_ACCESS_DENIED: {
            // Opening a folder as a file is refused as access denied.
            const DWORD attributes = GetFileAttributesW(path.c_str());
            const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
            return folder ? file_problem::kNotAFile : file_problem::kAccessDenied;
        }
        default:
            return SystemMessage(error);
    }
}

std::string NativePath(const std::string& path) { return path; }

ReadOnlyFile ReadOnlyFile::Open(const std::string& path) {
    ReadOnlyFile file;
    // The path is UTF-8, exactly as the user gave it. Longer paths are
    // refused whole rather than cut to some other path.
    const std::wstring wide = WideFromUtf8(path);
    if (wide.size() > kMaxPathLength) {
        file.problem_ = file_problem::kPathTooLong;
        return file;
    }
    const HANDLE handle = RetryBriefHolds([&] {
        const HANDLE opened = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened == INVALID_HANDLE_VALUE ? nullptr : opened;
    });
    if (!handle) {
        file.problem_ = FileProblemOfError(GetLastError(), wide);
        return file;
    }
    file.file_.reset(reinterpret_cast<std::intptr_t>(handle));
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        // A folder text such as \\.\pipe\name opens a pipe, whose reads
        // wait for a writer that may never come.
        file.Close();
        file.problem_ = file_problem::kNotAFile;
    }
    return file;
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (!IsOpen()) return 0;
    const HANDLE handle = reinterpret_cast<HANDLE>(file_.get());
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(handle, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        problem_ = SystemMessage(GetLastError());
        return 0;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1u << 30));
        if (!ReadFile(handle, buffer.data() + done, ask, &got, nullptr)) {
            problem_ = SystemMessage(GetLastError());
            break;
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace trelvane
