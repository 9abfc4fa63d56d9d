#include "ListLine.h"
#include "Reports.h"
#include "Windows1252.h"

namespace trelvane::cli {

void AppendNumber(std::string& out, std::size_t number) {
    char digits[20];
    std::size_t length = 0;
    do digits[length++] = static_cast<char>('0' + number % 10);
    while ((number /= 10) != 0);
    while (length > 0) out += digits[--length];
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

void AppendList(ReportOutput& output, std::string_view heading, const ListLines& lines, bool utf8) {
    std::string& text = output.Text();
    text += '\n';
    text += heading;
    text += '\n';
    std::string scratch;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        if (utf8) {
            AppendUtf8FromWindows1252(text, lines(i, scratch));
        } else {
            text += lines(i, scratch);
        }
        text += '\n';
        output.EndLine();
    }
}

}  // namespace

void WriteTextReport(const SeasonComparison& comparison, const TextLists& lists, bool utf8, ReportOutput& output) {
    std::string& text = output.Text();
    AppendTotals(text, "Prior", comparison.prior);
    AppendTotals(text, "Current", comparison.current);
    text += "Departed:" + CountText(lists.departed.Count()) + '\n';
    text += "Arrivals:" + CountText(lists.arrivals.Count()) + '\n';
    text += "Moved:" + CountText(lists.moved.Count()) + '\n';
    AppendList(output, "Departed (in the prior season, not in the current one):", lists.departed, utf8);
    AppendList(output, "Arrivals (in the current season, not in the prior one):", lists.arrivals, utf8);
    AppendList(output, "Moved (in both seasons, on another team):", lists.moved, utf8);
}

}  // namespace trelvane::cli
