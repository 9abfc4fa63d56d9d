#include "FileProblems.h"

#include <gtest/gtest.h>

#include "ErrnoProblems.h"

namespace trelvane {
namespace {

// The words the window and the command line show for each reason.
TEST(FileProblem, EachReasonHasItsOwnWords) {
    const std::pair<FileProblem, std::string_view> cases[] = {
        {FileProblem::kNone, ""},
        {FileProblem::kNoFolderGiven, "no folder was given"},
        {FileProblem::kNotFound, "not found"},
        {FileProblem::kFolderMissing, "the folder does not exist"},
        {FileProblem::kInUse, "another program is using it"},
        {FileProblem::kAccessDenied, "access is denied"},
        {FileProblem::kPathTooLong, "the path is longer than 255 characters"},
        {FileProblem::kNotAFile, "it is not a file"},
        {FileProblem::kFolderIsAFile, "its folder is a file, not a folder"},
        {FileProblem::kReadOnly, "the file is read-only"},
        {FileProblem::kDiskFull, "the disk is full"},
        {FileProblem::kFolderRefusesFiles, "the folder does not accept new files"},
        {FileProblem::kNoRoomForNewName, "the path is too long"},
        {FileProblem::kSeasonFile, "it is a season file of the game"},
        {FileProblem::kSettingsFile, "Trelvane keeps its folders in it"},
        {FileProblem::kDeviceName, "it is a device name, not a file"},
        {FileProblem::kWriteFailed, "the write failed"},
    };
    for (const auto& [reason, words] : cases) EXPECT_EQ(Problem(reason).Words(), words) << static_cast<int>(reason);
}

TEST(FileProblem, TheCLibrarysErrorsAsReasons) {
    const std::pair<int, FileProblem> cases[] = {
        {0, FileProblem::kWriteFailed},   {ENOENT, FileProblem::kNotFound},     {ENOTDIR, FileProblem::kFolderIsAFile},
        {EISDIR, FileProblem::kNotAFile}, {EACCES, FileProblem::kAccessDenied}, {EPERM, FileProblem::kAccessDenied},
        {EROFS, FileProblem::kReadOnly},  {ENOSPC, FileProblem::kDiskFull},     {EBUSY, FileProblem::kInUse},
        {ETXTBSY, FileProblem::kInUse},   {EIO, FileProblem::kOther},
    };
    for (const auto& [error, reason] : cases) EXPECT_EQ(ProblemOfErrno(error).Reason(), reason) << error;
}

}  // namespace
}  // namespace trelvane
