#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "ListFileNames.h"

namespace trelvane {

// The settings file (kSettingsFileName) holds the three folders of the main
// form, and is found in the directory that was current when the program
// started. Its name for the W functions:
inline constexpr auto kSettingsFileNameW = [] {
    std::array<wchar_t, std::size(kSettingsFileName)> wide{};
    for (std::size_t i = 0; i < wide.size(); ++i) wide[i] = static_cast<wchar_t>(kSettingsFileName[i]);
    return wide;
}();

// The file is written in the ANSI code page. When a folder holds a
// character the code page lacks, the whole file is written in UTF-8 after
// this byte-order mark instead, so that no folder is kept under another
// name.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether the file's bytes may be UTF-8: they start with the byte-order
// mark (then they are), or they are well-formed UTF-8 holding a character
// beyond ASCII (Notepad saves UTF-8, with or without the mark). ANSI text
// with accents is seldom well-formed UTF-8; where it is, the folders that
// exist decide.
bool SettingsAreUtf8(std::string_view bytes);

struct FolderSettings {
    std::string mainFolder;
    std::string priorFolder;
    std::string currentFolder;
    bool operator==(const FolderSettings&) const = default;
};

// What "Exit" writes: one line of three double-quoted fields separated by
// commas and ended by CR LF. Values are written byte for byte, without
// escaping, so a value holding a double quote does not read back the same.
std::string SettingsText(const FolderSettings& folders);

// Reads the three fields in order. Besides the written form it accepts
// unquoted values, one per line or separated by commas; a field that cannot
// be read (end of file, or the 0x1A end-of-file mark) is empty.
FolderSettings ParseSettings(std::string_view bytes);

}  // namespace trelvane
