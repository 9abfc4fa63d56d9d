// The settings file's field reader on any bytes, and the written form read
// back.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "SettingsFile.h"

using namespace trelvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Fields hold bytes of the file and nothing else, each at most once.
    const FolderSettings read = ParseSettings(bytes);
    fuzz::Check(read.mainFolder.size() + read.priorFolder.size() + read.currentFolder.size() <= size,
                "the fields together are no longer than the file");

    // Any three values without a double quote come back from what "Exit"
    // writes exactly as they were: commas, line ends, tabs, 0x1A and zero
    // bytes included.
    std::string text;
    for (const char c : bytes) {
        if (c != '"') text += c;
    }
    const std::size_t third = text.size() / 3;
    const FolderSettings folders{text.substr(0, third), text.substr(third, third), text.substr(2 * third)};
    fuzz::Check(ParseSettings(SettingsText(folders)) == folders, "written folders read back the same");
    return 0;
}
