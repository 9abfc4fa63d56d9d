#include "SystemText.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>

#include "WindowsText.h"

namespace trelvane {

std::string Utf8FromSystemText(std::string_view text) { return std::string(text); }

std::filesystem::path FileSystemPath(const std::string& name) { return std::filesystem::path(WideFromUtf8(name)); }

int ErrnoOfFailedWrite() {
    const int error = errno;
    const unsigned long systemError = _doserrno;
    const bool readerGone = systemError == ERROR_NO_DATA || systemError == ERROR_BROKEN_PIPE;
    return (error == EINVAL || error == EPIPE) && readerGone ? EPIPE : error;
}

}  // namespace trelvane
