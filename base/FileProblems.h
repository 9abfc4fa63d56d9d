#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace trelvane {

// Why a file was not read or not written. Code decides on the reason; the
// words the user is shown are made from it here, once, for the window and
// the command line alike.
enum class FileProblem {
    kNone,
    kNoFolderGiven,
    kNotFound,
    kFolderMissing,
    kInUse,
    kAccessDenied,
    kPathTooLong,
    kNotAFile,
    kFolderIsAFile,  // a file named where a folder belongs: as a season folder, or on the way to a list
    // Only writing meets these.
    kReadOnly,
    kDiskFull,
    kFolderRefusesFiles,
    kNoRoomForNewName,  // the folder's path leaves no room for the new file's name
    kSeasonFile,
    kSettingsFile,
    kDeviceName,
    kWriteFailed,
    kOther,  // the system's own words go with it
};

constexpr std::string_view WordsOf(FileProblem reason) {
    switch (reason) {
        case FileProblem::kNone:
        case FileProblem::kOther:
            return "";
        case FileProblem::kNoFolderGiven:
            return "no folder was given";
        case FileProblem::kNotFound:
            return "not found";
        case FileProblem::kFolderMissing:
            return "the folder does not exist";
        case FileProblem::kInUse:
            return "another program is using it";
        case FileProblem::kAccessDenied:
            return "access is denied";
        case FileProblem::kPathTooLong:
            return "the path is longer than 255 characters";
        case FileProblem::kNotAFile:
            return "it is not a file";
        case FileProblem::kFolderIsAFile:
            return "its folder is a file, not a folder";
        case FileProblem::kReadOnly:
            return "the file is read-only";
        case FileProblem::kDiskFull:
            return "the disk is full";
        case FileProblem::kFolderRefusesFiles:
            return "the folder does not accept new files";
        case FileProblem::kNoRoomForNewName:
            return "the path is too long";
        case FileProblem::kSeasonFile:
            return "it is a season file of the game";
        case FileProblem::kSettingsFile:
            return "Trelvane keeps its folders in it";
        case FileProblem::kDeviceName:
            return "it is a device name, not a file";
        case FileProblem::kWriteFailed:
            return "the write failed";
    }
    return "";
}

// A reason, carried from where a file failed to the edge that shows it;
// for kOther with the system's own words.
class Problem {
public:
    Problem() = default;
    Problem(FileProblem reason) : reason_(reason) {}  // a reason is a problem of its own
    static Problem Other(std::string systemWords) {
        Problem problem(FileProblem::kOther);
        problem.systemWords_ = std::move(systemWords);
        return problem;
    }

    FileProblem Reason() const { return reason_; }
    bool empty() const { return reason_ == FileProblem::kNone; }
    std::string Words() const { return reason_ == FileProblem::kOther ? systemWords_ : std::string(WordsOf(reason_)); }
    friend bool operator==(const Problem&, const Problem&) = default;

private:
    FileProblem reason_ = FileProblem::kNone;
    std::string systemWords_;
};

inline std::ostream& operator<<(std::ostream& out, const Problem& problem) { return out << problem.Words(); }

}  // namespace trelvane
