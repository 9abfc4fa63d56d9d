#include <algorithm>
#include <array>

#include "Reports.h"
#include "Windows1252.h"

namespace trelvane::cli {
namespace {

constexpr std::array<bool, 256> kNeedsQuotes = [] {
    std::array<bool, 256> needs{};
    for (const char c : {',', '"', '\r', '\n'}) needs[static_cast<unsigned char>(c)] = true;
    return needs;
}();

// Quoted only where a spreadsheet needs it: a comma, a quote or a line end
// inside the field. A quote inside is doubled.
void AppendField(std::string& out, std::string_view ansi) {
    // A table and an early end: find_first_of searches the set once per
    // character, and every name passes here.
    const bool quoted = std::ranges::any_of(ansi, [](char c) { return kNeedsQuotes[static_cast<unsigned char>(c)]; });
    if (!quoted) {
        AppendUtf8FromWindows1252(out, ansi);
        return;
    }
    out += '"';
    for (std::size_t quote; (quote = ansi.find('"')) != std::string_view::npos; ansi.remove_prefix(quote + 1)) {
        AppendUtf8FromWindows1252(out, ansi.substr(0, quote + 1));
        out += '"';
    }
    AppendUtf8FromWindows1252(out, ansi);
    out += '"';
}

}  // namespace

void WriteCsvReport(const SeasonComparison& comparison, ReportOutput& output) {
    std::string& text = output.Text();
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

}  // namespace trelvane::cli
