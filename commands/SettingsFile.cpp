#include "SettingsFile.h"

#include <algorithm>

#include "Windows1252.h"

namespace trelvane {
namespace {

constexpr char kEndOfFileMark = 0x1A;

// Reads fields quoted or bare, separated by commas or line ends: the file
// Exit writes, and one typed by hand.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    std::string Next() {
        while (More() && Peek() == ' ') ++at_;
        if (!More() || Peek() == kEndOfFileMark) return {};

        std::string field;
        if (Peek() == '"') {
            const std::size_t close = bytes_.find('"', ++at_);
            const std::size_t end = close == std::string_view::npos ? bytes_.size() : close;
            field = bytes_.substr(at_, end - at_);
            at_ = close == std::string_view::npos ? end : end + 1;
        } else {
            for (; More() && Peek() != ',' && Peek() != '\r' && Peek() != kEndOfFileMark; ++at_) {
                if (Peek() != '\n' && Peek() != '\t') field += Peek();
            }
        }

        while (More() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n')) ++at_;
        if (More() && Peek() == ',') {
            ++at_;
        } else if (More() && Peek() == '\r') {
            // A lone CR ends a line too; an LF right after it belongs to it.
            ++at_;
            if (More() && Peek() == '\n') ++at_;
        }
        return field;
    }

private:
    bool More() const { return at_ < bytes_.size(); }
    char Peek() const { return bytes_[at_]; }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

bool SettingsAreUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return true;
    const bool beyondAscii = std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && IsUtf8(bytes);
}

std::string SettingsText(const FolderSettings& folders) {
    return '"' + folders.mainFolder + "\",\"" + folders.priorFolder + "\",\"" + folders.currentFolder + "\"\r\n";
}

FolderSettings ParseSettings(std::string_view bytes) {
    FieldReader reader(bytes);
    FolderSettings folders;
    folders.mainFolder = reader.Next();
    folders.priorFolder = reader.Next();
    folders.currentFolder = reader.Next();
    return folders;
}

}  // namespace trelvane
