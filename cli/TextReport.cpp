#include <charconv>

#include "ListLine.h"
#include "Reports.h"
#include "Windows1252.h"

namespace trelvane::cli {

void AppendNumber(std::string& out, std::size_t number) {
    char digits[20];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

namespace {

void AppendCounted(std::string& out, std::size_t count, std::string_view thing) {
    AppendNumber(out, count);
    out += ' ';
    out += thing;
    if (count != 1) out += 's';
}

void AppendTotals(std::string& out, std::string_view season, const Season& players) {
    out += season;
    out += " season: ";
    AppendCounted(out, players.players.Count(), "player");
    out += ", ";
    AppendCounted(out, players.rosters.TeamCount(), "team");
    out += '\n';
}

void AppendList(ReportOutput& output, std::string_view heading, const ListLines& lines, SavedList* file, bool utf8) {
    std::string& text = output.Text();
    text += '\n';
    text += heading;
    text += '\n';
    std::string scratch;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines(i, scratch);
        if (file) file->Add(line);
        if (utf8) {
            AppendUtf8FromWindows1252(text, line);
        } else {
            text += line;
        }
        text += '\n';
        output.EndLine();
    }
}

}  // namespace

void WriteTextReport(const SeasonComparison& comparison, const std::array<ListLines, 3>& lists,
                     const std::array<SavedList*, 3>& files, bool utf8, ReportOutput& output) {
    static constexpr std::string_view kCounts[] = {"Departed:", "Arrivals:", "Moved:"};
    static constexpr std::string_view kHeadings[] = {
        "Departed (in the prior season, not in the current one):",
        "Arrivals (in the current season, not in the prior one):",
        "Moved (in both seasons, on another team):",
    };
    std::string& text = output.Text();
    AppendTotals(text, "Prior", comparison.prior);
    AppendTotals(text, "Current", comparison.current);
    for (std::size_t i = 0; i < 3; ++i) {
        text += kCounts[i];
        text += CountText(lists[i].Count());
        text += '\n';
    }
    for (std::size_t i = 0; i < 3; ++i) AppendList(output, kHeadings[i], lists[i], files[i], utf8);
}

}  // namespace trelvane::cli
