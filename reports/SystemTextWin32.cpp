#include "SystemText.h"
#include "WindowsText.h"

namespace trelvane {

std::string Utf8FromSystemText(std::string_view text) { return std::string(text); }

std::filesystem::path FileSystemPath(const std::string& name) { return std::filesystem::path(WideFromUtf8(name)); }

}  // namespace trelvane
