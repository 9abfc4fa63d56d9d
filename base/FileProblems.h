#pragma once

#include <string>

namespace trelvane::file_problem {

// Why a season file was not read, in the words the user is shown. Other
// failures (a read error part way) carry the system's own message.
inline constexpr char kNoFolderGiven[] = "no folder was given";
inline constexpr char kNotFound[] = "not found";
inline constexpr char kFolderMissing[] = "the folder does not exist";
inline constexpr char kInUse[] = "another program is using it";
inline constexpr char kAccessDenied[] = "access is denied";
inline constexpr char kPathTooLong[] = "the path is longer than 255 characters";
inline constexpr char kNotAFile[] = "it is not a file";
// A file named where a folder belongs: as a season folder, or on the way
// to a list.
inline constexpr char kFolderIsAFile[] = "its folder is a file, not a folder";

}  // namespace trelvane::file_problem

namespace trelvane::write_problem {
// Why a file was not written, in the words the user is shown, besides the
// reasons a file is not read.
inline constexpr char kReadOnly[] = "the file is read-only";
inline constexpr char kDiskFull[] = "the disk is full";
inline constexpr char kFolderRefusesFiles[] = "the folder does not accept new files";
inline constexpr char kPathTooLong[] = "the path is too long";  // for its folder to take a new file
inline constexpr char kSeasonFile[] = "it is a season file of the game";
inline constexpr char kSettingsFile[] = "Trelvane keeps its folders in it";
inline constexpr char kDeviceName[] = "it is a device name, not a file";
}  // namespace trelvane::write_problem
