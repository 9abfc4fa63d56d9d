#include <windows.h>

#include <cstring>

#include "BriefHolds.h"
#include "FileProblems.h"
#include "Limits.h"
#include "PathParts.h"
#include "ReadOnlyFile.h"
#include "SystemMessage.h"
#include "WinHandles.h"
#include "WindowsFileProblems.h"
#include "WindowsText.h"

namespace trelvane {

void release::CloseFile(std::intptr_t file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

std::string NativePath(const std::string& path) { return path; }

std::optional<FileIdAnswer> QueryFileId(std::intptr_t file) {
    FILE_ID_INFO info{};
    if (!GetFileInformationByHandleEx(reinterpret_cast<HANDLE>(file), FileIdInfo, &info, sizeof info)) {
        return std::nullopt;
    }
    FileIdAnswer answer{.volume = info.VolumeSerialNumber};
    static_assert(sizeof answer.id == sizeof info.FileId.Identifier);
    std::memcpy(answer.id.data(), info.FileId.Identifier, sizeof answer.id);
    return answer;
}

std::optional<FileIdentity> FileIdentityOf(const std::string& path, FileIdQuery query) {
    // No access asked for: the identity is there even for a file another
    // program holds without sharing.
    const UniqueFile file(CreateFileW(WideFromUtf8(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return std::nullopt;
    const HANDLE handle = file.get();
    // The 64-bit file index is not unique on ReFS and can change on FAT;
    // the 128-bit id is unique where the file system gives one.
    if (const auto answer = query(reinterpret_cast<std::intptr_t>(handle));
        answer && answer->id != decltype(answer->id){}) {
        return FileIdentity{.volume = answer->volume, .file = answer->id};
    }
    std::wstring finalPath(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, finalPath.data(), MAX_PATH, FILE_NAME_NORMALIZED);
    if (length >= MAX_PATH) {
        finalPath.resize(length);
        length = GetFinalPathNameByHandleW(handle, finalPath.data(), length, FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= finalPath.size()) return std::nullopt;
    finalPath.resize(length);
    return FileIdentity{.finalPath = Utf8FromWide(finalPath)};
}

std::optional<FileIdentity> FileIdentityOf(const std::string& path) { return FileIdentityOf(path, QueryFileId); }

ReadOnlyFile ReadOnlyFile::Open(const std::string& path) {
    ReadOnlyFile file;
    // The path is UTF-8, exactly as the user gave it. Longer paths are
    // refused whole rather than cut to some other path.
    const std::wstring wide = WideFromUtf8(path);
    if (wide.size() > kMaxPathLength) {
        file.problem_ = FileProblem::kPathTooLong;
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
        file.problem_ = FileProblem::kNotAFile;
        return file;
    }
    file.openedPath_ = path;
    // The folder's listing spells the name as it is stored.
    WIN32_FIND_DATAW found{};
    if (UniqueSearch(FindFirstFileW(wide.c_str(), &found))) {
        file.openedPath_.resize(path.size() - FileNameOf<char>(path, "\\/").size());
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
        problem_ = Problem::Other(SystemMessage(GetLastError()));
        return 0;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1u << 30));
        if (!ReadFile(handle, buffer.data() + done, ask, &got, nullptr)) {
            problem_ = Problem::Other(SystemMessage(GetLastError()));
            break;
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace trelvane
