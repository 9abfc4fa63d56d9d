#include <windows.h>

#include "FileProblems.h"
#include "SystemMessage.h"
#include "WindowsFileProblems.h"

namespace trelvane {
namespace {

// Whether the nearest part of path that exists is a file, so that path
// leads through a file as if it were a folder.
bool LeadsThroughAFile(std::wstring path) {
    for (std::size_t separator; (separator = path.find_last_of(L"\\/")) != std::wstring::npos;) {
        path.resize(separator);
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    return false;
}

}  // namespace

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Problem FileProblemOfError(unsigned long error, const std::wstring& path) {
    switch (error) {
        // ReplaceFileW could not move the old file aside: another program
        // holds it.
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
            return FileProblem::kInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileProblem::kDiskFull;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DIRECTORY:
            if (LeadsThroughAFile(path)) return FileProblem::kFolderIsAFile;
            return error == ERROR_FILE_NOT_FOUND ? FileProblem::kNotFound : FileProblem::kFolderMissing;
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
            return FileProblem::kFolderMissing;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileProblem::kInUse;
        case ERROR_ACCESS_DENIED:
            // Opening a folder as a file is refused as access denied.
            return IsFolder(path) ? FileProblem::kNotAFile : FileProblem::kAccessDenied;
        default:
            return Problem::Other(SystemMessage(error));
    }
}

}  // namespace trelvane
