#include "Windows1252.h"

#include <array>
#include <cstring>

namespace trelvane {
namespace {

// 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> kUpperControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t CodePointOfWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kUpperControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// The position of the first byte from from on that is not ASCII, or the end.
// Eight bytes are looked at together: names are nearly all ASCII, and this
// runs over every line of a report.
std::size_t NextNonAscii(std::string_view text, std::size_t from) {
    for (; from + 8 <= text.size(); from += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + from, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80) ++from;
    return from;
}

}  // namespace

void AppendUtf8FromWindows1252(std::string& out, std::string_view text) {
    for (std::size_t run = 0;;) {
        const std::size_t next = NextNonAscii(text, run);
        out.append(text, run, next - run);
        if (next == text.size()) return;
        AppendUtf8(out, CodePointOfWindows1252(static_cast<unsigned char>(text[next])));
        run = next + 1;
    }
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

std::wstring WideFromWindows1252(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        wide[i] = static_cast<wchar_t>(CodePointOfWindows1252(static_cast<unsigned char>(text[i])));
    }
    return wide;
}

std::string Windows1252FromWide(std::wstring_view text) {
    std::string bytes(text.size(), '?');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            bytes[i] = static_cast<char>(c);
            continue;
        }
        for (std::size_t k = 0; k < kUpperControls.size(); ++k) {
            if (kUpperControls[k] == c) bytes[i] = static_cast<char>(0x80 + k);
        }
    }
    return bytes;
}

}  // namespace trelvane
