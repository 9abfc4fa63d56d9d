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

std::string FileProblemOfError(unsigned long error, const std::wstring& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DIRECTORY:
            if (LeadsThroughAFile(path)) return file_problem::kFolderIsAFile;
            return error == ERROR_FILE_NOT_FOUND ? file_problem::kNotFound : file_problem::kFolderMissing;
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
            return file_problem::kFolderMissing;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return file_problem::kInUse;
        case ERROR_ACCESS_DENIED:
            // Opening a folder as a file is refused as access denied.
            return IsFolder(path) ? file_problem::kNotAFile : file_problem::kAccessDenied;
        default:
            return SystemMessage(error);
    }
}

}  // namespace trelvane
