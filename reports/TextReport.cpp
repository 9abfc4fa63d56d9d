#include <charconv>

#include "ListLine.h"
#include "Reports.h"
#include "SystemText.h"
#include "Windows1252.h"

namespace trelvane {

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

void AppendTotals(std::string& out, std::string_view season, const Season& tables) {
    out += season;
    out += " season: ";
    AppendCounted(out, tables.players.Count(), "player");
    out += ", ";
    AppendCounted(out, tables.rosters.TeamCount(), "team");
    out += kTextReportLineEnd;
}

// A list under its heading. An arrival's line goes on with the team he
// joined; the sink gets the list line alone, as the window shows it.
void AppendList(const SeasonComparison& comparison, ListKind kind, std::string_view heading, LineSink* sink,
                ChunkedOutput& output) {
    const ListLines lines(comparison, kind);
    const std::vector<std::int32_t>& ids = ChangeLists(comparison)[static_cast<std::size_t>(kind)].ids;
    std::string& text = output.Text();
    text += kTextReportLineEnd;
    text += heading;
    text += kTextReportLineEnd;
    std::string scratch;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines(i, scratch);
        if (sink) sink->Add(line);
        AppendUtf8FromWindows1252(text, line);
        if (kind == ListKind::kArrivals) AppendUtf8FromWindows1252(text, comparison.current.rosters.TeamNameOf(ids[i]));
        text += kTextReportLineEnd;
        output.EndLine();
    }
}

}  // namespace

void WriteTextReport(const SeasonComparison& comparison, const std::array<LineSink*, 3>& sinks, ChunkedOutput& output) {
    static constexpr std::string_view kCounts[] = {"Departed:", "Arrivals:", "Moved:"};
    static constexpr std::string_view kHeadings[] = {
        "Departed (in the prior season, not in the current one):",
        "Arrivals (in the current season, not in the prior one), with the team each joined:",
        "Moved (in both seasons, on another team):",
    };
    static constexpr ListKind kKinds[] = {ListKind::kDeparted, ListKind::kArrivals, ListKind::kMoved};
    std::string& text = output.Text();
    if (kTextReportHasMark) text += kUtf8ByteOrderMark;
    AppendTotals(text, "Prior", comparison.prior);
    AppendTotals(text, "Current", comparison.current);
    for (std::size_t i = 0; i < 3; ++i) {
        text += kCounts[i];
        if (kKinds[i] == ListKind::kMoved && !comparison.movedKnown) {
            text += " unknown, a team file was not read";
        } else {
            text += CountText(ListLines(comparison, kKinds[i]).Count());
        }
        text += kTextReportLineEnd;
    }
    // An unknown moved list has no section: an empty one would read as
    // nobody moved.
    const std::size_t sections = comparison.movedKnown ? 3 : 2;
    for (std::size_t i = 0; i < sections; ++i) AppendList(comparison, kKinds[i], kHeadings[i], sinks[i], output);
}

}  // namespace trelvane
