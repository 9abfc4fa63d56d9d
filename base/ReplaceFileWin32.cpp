#include "ReplaceFile.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "BriefHolds.h"
#include "FileProblems.h"
#include "Limits.h"
#include "PathParts.h"
#include "RunningUnderWine.h"
#include "SystemMessage.h"
#include "WinHandles.h"
#include "WindowsFileProblems.h"
#include "WindowsText.h"
namespace trelvane {
namespace {

constexpr std::wstring_view kSeparators = L"\\/";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Why an existing file at path cannot be replaced; empty when it can, or
// when there is none. A read-only file is refused here, with its own
// reason, before anything is written: ReplaceFileW on Windows says only
// "access denied", and Wine's, run as root, replaces it.
Problem ProblemWithOldFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileProblem::kNotAFile;
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileProblem::kReadOnly;
    // Only to learn whether another program holds it: nothing is written.
    // It asks what the replace asks, and shares what the replace shares, so
    // a scanner that reads the file with full sharing is no obstacle.
    const UniqueFile probe = RetryBriefHolds([&] {
        return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    });
    return probe ? Problem() : FileProblemOfError(GetLastError(), path);
}

// The empty rf*.tmp files in folder. Wine's ReplaceFileW first moves the old
// file aside onto such a name, and when that fails (the file is held) it
// leaves the empty file behind. Windows makes no such file, so there the
// set is always empty: a file of that name is another program's.
std::set<std::wstring> AsideFiles(const std::wstring& folder) {
    std::set<std::wstring> names;
    if (!RunningUnderWine()) return names;
    WIN32_FIND_DATAW found;
    const UniqueSearch search(FindFirstFileW((folder + L"rf*.tmp").c_str(), &found));
    if (!search) return names;
    do {
        if (found.nFileSizeLow == 0 && found.nFileSizeHigh == 0) names.insert(found.cFileName);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

// A new, unused name in folder: GetTempFileNameW makes the file, which goes
// again at once.
std::wstring FreeNameIn(const std::wstring& folder, const wchar_t* prefix) {
    wchar_t name[MAX_PATH];
    if (!GetTempFileNameW(folder.c_str(), prefix, 0, name)) return {};
    DeleteFileW(name);
    return name;
}

bool Move(const std::wstring& from, const std::wstring& to) {
    return RetryBriefHolds([&] { return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE; });
}

// Deletes the old content, moved to backup once the new file is in place;
// a scanner that grabbed it is waited out. The result names it when it is
// still there, so that it is not left unseen.
FileWriteResult DeleteBackup(const std::wstring& backup) {
    if (backup.empty() || RetryBriefHolds([&] { return DeleteFileW(backup.c_str()) != FALSE; }) || !Exists(backup)) {
        return {};
    }
    return {{}, {}, Utf8FromWide(backup)};
}

// After a swap that failed: the new content is complete in temporary, and
// the old content is at path or, once moved aside, at backup. Puts the new
// content in place if path is free, else the old one back; whatever cannot
// be put back stays where it is and is named.
FileWriteResult Recover(DWORD error, const std::wstring& temporary, const std::wstring& path,
                        const std::wstring& backup) {
    Problem problem = FileProblemOfError(error, path);
    const bool oldAside = !backup.empty() && Exists(backup);
    if (Exists(path) && !oldAside) {
        DeleteFileW(temporary.c_str());
        return {std::move(problem)};
    }
    if (!Exists(path) && Move(temporary, path)) return oldAside ? DeleteBackup(backup) : FileWriteResult{};
    if (oldAside && !Exists(path) && Move(backup, path)) {
        DeleteFileW(temporary.c_str());
        return {std::move(problem)};
    }
    return {std::move(problem), Utf8FromWide(temporary), oldAside ? Utf8FromWide(backup) : std::string()};
}

// ReplaceFileW opens the old file with WRITE_DAC, to carry its permissions
// over to the new one: on a share where the user may change files but not
// their permissions that is refused as access denied, though the file may
// be renamed and deleted. There the swap is done by moves: the old file to
// the backup name, the new one into place, the backup deleted.
FileWriteResult ReplaceByMoves(const std::wstring& temporary, const std::wstring& path, const std::wstring& backup) {
    if (!Move(path, backup)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return {FileProblemOfError(error, path)};
    }
    if (Move(temporary, path)) return DeleteBackup(backup);
    return Recover(GetLastError(), temporary, path, backup);
}

// Puts the new file in the old one's place: ReplaceFileW keeps the old
// file's attributes and permissions; a new file is only moved in, never
// over a file that appeared meanwhile.
FileWriteResult MoveIntoPlace(const std::wstring& temporary, const std::wstring& path, FileReplacer replace) {
    if (!Exists(path)) {
        if (Move(temporary, path)) return {};
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return {FileProblemOfError(error, path)};
    }
    const std::wstring folder = FolderOf(path, kSeparators);
    const std::set<std::wstring> before = AsideFiles(folder);
    // Windows' ReplaceFileW gives the new file the old one's attributes;
    // Wine's drops them, so there the new file takes them before it moves in.
    constexpr DWORD kKept =
        FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (const DWORD attributes = GetFileAttributesW(path.c_str());
        RunningUnderWine() && attributes != INVALID_FILE_ATTRIBUTES) {
        SetFileAttributesW(temporary.c_str(), attributes & kKept);
    }
    // The old file is moved to a name of ours, so that a swap that fails
    // part way leaves it where it can be found.
    const std::wstring backup = FreeNameIn(folder, L"trb");
    if (RetryBriefHolds([&] { return replace(path, temporary, backup); })) return DeleteBackup(backup);
    const DWORD error = GetLastError();
    for (const std::wstring& name : AsideFiles(folder)) {
        if (!before.contains(name)) DeleteFileW((folder + name).c_str());
    }
    // Refused before it moved anything, on a file that is not read-only.
    if (error == ERROR_ACCESS_DENIED && !backup.empty() && Exists(path) && !Exists(backup) && Exists(temporary)) {
        return ReplaceByMoves(temporary, path, backup);
    }
    return Recover(error, temporary, path, backup);
}

}  // namespace

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size ? GetFullPathNameW(path.c_str(), size, full.data(), nullptr) : 0;
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

bool WriteAllBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), ask, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

namespace {

// A new, empty file in path's folder for the new content, open for
// writing, and its name; or why there can be none.
struct NewFile {
    UniqueFile file;
    std::wstring name;
    Problem problem;
};
NewFile NewFileBeside(const std::wstring& path) {
    // The new file's name is made in the same folder, which leaves room for
    // a folder of at most MAX_PATH - 14 characters.
    if (FolderOf(path, kSeparators).size() > MAX_PATH - 14) return {{}, {}, FileProblem::kNoRoomForNewName};
    // Wine's GetTempFileNameW gives a name even when it could not create the
    // file, so the open decides.
    wchar_t temporary[MAX_PATH];
    const bool named = GetTempFileNameW(FolderOf(path, kSeparators).c_str(), L"trv", 0, temporary);
    // A scanner may look at the empty file GetTempFileNameW has just made.
    UniqueFile file;
    if (named) {
        file = RetryBriefHolds([&] {
            return UniqueFile(
                CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        });
    }
    if (file) return {std::move(file), temporary, {}};
    const DWORD error = GetLastError();
    if (named) DeleteFileW(temporary);
    // Windows says "access denied" for a folder that refuses new files;
    // Wine says "not found" for one that exists (Z:\sys).
    const bool refused = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ||
                         (RunningUnderWine() && error == ERROR_FILE_NOT_FOUND && IsFolder(FolderOf(path, kSeparators)));
    return {{}, {}, refused ? FileProblem::kFolderRefusesFiles : FileProblemOfError(error, path)};
}

// Why path cannot be replaced before anything is written, with its full
// path; empty when it can.
Problem ProblemWithPath(const std::wstring& pathGiven, std::wstring& path) {
    // Longer paths are refused whole rather than cut to some other path.
    if (pathGiven.size() > kMaxPathLength) return FileProblem::kPathTooLong;
    // ReplaceFileW moves the old file aside within its folder, which a bare
    // file name does not give it.
    path = FullPath(pathGiven);
    return ProblemWithOldFile(path);
}

}  // namespace

Problem ProblemReplacing(const std::wstring& pathGiven) {
    std::wstring path;
    if (Problem problem = ProblemWithPath(pathGiven, path); !problem.empty()) return problem;
    NewFile probe = NewFileBeside(path);
    if (probe.file) {
        probe.file.reset();
        DeleteFileW(probe.name.c_str());
    }
    return probe.problem;
}

FileWriteResult ReplaceFileContents(const std::wstring& pathGiven, const FileContent& content, FileWriter write,
                                    FileReplacer replace) {
    std::wstring path;
    if (Problem problem = ProblemWithPath(pathGiven, path); !problem.empty()) return {std::move(problem)};
    NewFile target = NewFileBeside(path);
    if (!target.file) return {std::move(target.problem)};

    const PutBytes put = [&](std::string_view bytes) { return write(target.file.get(), bytes); };
    const bool written = content(put) && FlushFileBuffers(target.file.get());
    const DWORD error = written ? ERROR_SUCCESS : GetLastError();
    target.file.reset();
    if (written) return MoveIntoPlace(target.name, path, replace);
    DeleteFileW(target.name.c_str());
    return {FileProblemOfError(error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error, path)};
}

FileWriteResult ReplaceFileContents(const std::wstring& path, std::string_view bytes, FileWriter write,
                                    FileReplacer replace) {
    return ReplaceFileContents(
        path, [bytes](const PutBytes& put) { return put(bytes); }, write, replace);
}

bool ReplaceWithBackup(const std::wstring& replaced, const std::wstring& replacement, const std::wstring& backup) {
    return ReplaceFileW(replaced.c_str(), replacement.c_str(), backup.empty() ? nullptr : backup.c_str(),
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
}

}  // namespace trelvane
