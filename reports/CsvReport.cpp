#include <array>

#include "Reports.h"
#include "Windows1252.h"

namespace trelvane {
namespace {

// What a byte asks of a field: quotes around it (a comma, a quote or a line
// end inside), or a conversion to UTF-8 (a byte above 0x7F).
constexpr unsigned kQuote = 1, kConvert = 2;
constexpr std::array<unsigned char, 256> kNeeds = [] {
    std::array<unsigned char, 256> needs{};
    for (const char c : {',', '"', '\r', '\n'}) needs[static_cast<unsigned char>(c)] = kQuote;
    for (std::size_t byte = 0x80; byte < 0x100; ++byte) needs[byte] = kConvert;
    return needs;
}();

// Quoted only where a spreadsheet needs it. A quote inside is doubled.
void AppendField(std::string& out, std::string_view windows1252) {
    // One pass over the field says what it needs: every name passes here.
    unsigned needs = 0;
    for (const char c : windows1252) needs |= kNeeds[static_cast<unsigned char>(c)];
    if (needs == 0) {
        out += windows1252;
        return;
    }
    if (needs == kConvert) {
        AppendUtf8FromWindows1252(out, windows1252);
        return;
    }
    out += '"';
    for (std::size_t quote; (quote = windows1252.find('"')) != std::string_view::npos;
         windows1252.remove_prefix(quote + 1)) {
        AppendUtf8FromWindows1252(out, windows1252.substr(0, quote + 1));
        out += '"';
    }
    AppendUtf8FromWindows1252(out, windows1252);
    out += '"';
}

}  // namespace

void WriteCsvReport(const SeasonComparison& comparison, ChunkedOutput& output) {
    std::string& text = output.Text();
    text += kUtf8ByteOrderMark;
    text += "change,id,last_name,first_name,prior_team,current_team\r\n";
    for (const ChangeList& list : ChangeLists(comparison)) {
        for (const std::int32_t id : list.ids) {
            const Change change = ChangeOf(comparison, list.kind, id);
            text += list.name;
            text += ',';
            AppendNumber(text, static_cast<std::size_t>(change.id));
            text += ',';
            AppendField(text, change.lastName);
            text += ',';
            AppendField(text, change.firstName);
            text += ',';
            AppendField(text, change.priorTeam);
            text += ',';
            AppendField(text, change.currentTeam);
            text += "\r\n";
            output.EndLine();
        }
    }
}

}  // namespace trelvane
