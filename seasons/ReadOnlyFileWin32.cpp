#include <windows.h>

#include "BriefHolds.h"
#include "FileProblems.h"
#include "Limits.h"
#include "ReadOnlyFile.h"
#include "SystemMessage.h"
#include "WindowsFileProblems.h"
#include "WindowsText.h"

namespace trelvane {

void release::CloseFile(std::intptr_t file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

std::string NativePath(const std::string& path) { return path; }

std::optional<FileIdentity> FileIdentityOf(const std::string& path) {
    // No access asked for: the identity is there even for a file another
    // program holds without sharing.
    const UniqueAny<std::intptr_t, release::CloseFile, -1> file(reinterpret_cast<std::intptr_t>(
        CreateFileW(WideFromUtf8(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(reinterpret_cast<HANDLE>(file.get()), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

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
        return file;
    }
    file.openedPath_ = path;
    // The folder's listing spells the name as it is stored.
    WIN32_FIND_DATAW found{};
    if (const HANDLE search = FindFirstFileW(wide.c_str(), &found); search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        const std::size_t separator = file.openedPath_.find_last_of("\\/");
        file.openedPath_.resize(separator == std::string::npos ? 0 : separator + 1);
        file.openedPath_ += Utf8FromWide(found.cFileName);
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
