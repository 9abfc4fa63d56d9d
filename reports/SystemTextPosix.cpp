#include "SystemText.h"

#include <cerrno>

#include "Windows1252.h"

namespace trelvane {

std::string Utf8FromSystemText(std::string_view text) {
    if (IsUtf8(text)) return std::string(text);
    std::string utf8;
    AppendUtf8FromWindows1252(utf8, text);
    return utf8;
}

std::filesystem::path FileSystemPath(const std::string& name) { return std::filesystem::path(name); }

int ErrnoOfFailedWrite() { return errno; }

}  // namespace trelvane
