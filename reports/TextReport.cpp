#include <algorithm>
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

void AppendName(std::string& out, std::string_view windows1252) { AppendUtf8FromWindows1252(out, windows1252); }

// A name left-aligned in a column of width characters and the two blanks
// that part it from the next; each byte of the files' code page is one
// character.
void AppendCell(std::string& out, std::string_view windows1252, std::size_t width) {
    AppendName(out, windows1252);
    out.append(width - windows1252.size() + 2, ' ');
}

// A number right-aligned under a heading, after two blanks.
void AppendFigure(std::string& out, std::size_t figure, std::string_view heading) {
    char digits[20];
    const std::size_t length =
        static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, figure).ptr - digits);
    out.append(2 + heading.size() - std::min(length, heading.size()), ' ');
    out.append(digits, length);
}

void AppendByTeam(const SeasonComparison& comparison, std::string& text) {
    static constexpr std::string_view kHeadings[] = {"Prior",   "Current",  "Departed",
                                                     "Arrived", "Moved in", "Moved out"};
    text += kTextReportLineEnd;
    if (!comparison.movedKnown) {
        text += "By team: unknown, a team file was not read";
        text += kTextReportLineEnd;
        return;
    }
    text += "By team (players in each season, then the changes):";
    text += kTextReportLineEnd;
    std::size_t width = 4;
    for (const TeamChanges& team : comparison.teams) width = std::max(width, team.name.size());
    text += "Team";
    text.append(width - 4, ' ');
    for (const std::string_view heading : kHeadings) {
        text += "  ";
        text += heading;
    }
    text += kTextReportLineEnd;
    for (const TeamChanges& team : comparison.teams) {
        AppendName(text, team.name);
        text.append(width - team.name.size(), ' ');
        const std::size_t figures[] = {team.priorPlayers, team.currentPlayers, team.departed,
                                       team.arrived,      team.movedIn,        team.movedOut};
        for (std::size_t i = 0; i < 6; ++i) AppendFigure(text, figures[i], kHeadings[i]);
        text += kTextReportLineEnd;
    }
}

// The team column of a list: a departed player's prior team, the team an
// arrival joined, or a move's two teams.
void AppendTeams(std::string& out, const Change& change, ListKind kind) {
    if (kind != ListKind::kMoved) {
        AppendName(out, kind == ListKind::kDeparted ? change.priorTeam : change.currentTeam);
        return;
    }
    AppendName(out, change.priorTeam.empty() ? kFreeAgent : change.priorTeam);
    out += " -> ";
    AppendName(out, change.currentTeam.empty() ? kFreeAgent : change.currentTeam);
}

// A list under its heading, in columns as wide as its longest names, so
// that names are never cut nor run into the next column. The sink gets
// the list line, as the window shows it.
void AppendList(const SeasonComparison& comparison, ListKind kind, std::string_view heading, LineSink* sink,
                ChunkedOutput& output) {
    const ListLines lines(comparison, kind);
    const std::vector<std::int32_t>& ids = ChangeLists(comparison)[static_cast<std::size_t>(kind)].ids;
    std::size_t lastWidth = 9, firstWidth = 10;  // the headings' "Last name" and "First name"
    for (const std::int32_t id : ids) {
        const Change change = ChangeOf(comparison, kind, id);
        lastWidth = std::max(lastWidth, change.lastName.size());
        firstWidth = std::max(firstWidth, change.firstName.size());
    }
    std::string& text = output.Text();
    text += kTextReportLineEnd;
    text += heading;
    text += kTextReportLineEnd;
    if (ids.empty()) return;
    text += "Id     ";
    AppendCell(text, "Last name", lastWidth);
    AppendCell(text, "First name", firstWidth);
    text += kind == ListKind::kMoved ? "Teams" : "Team";
    text += kTextReportLineEnd;
    std::string scratch;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (sink) sink->Add(lines(i, scratch));
        const Change change = ChangeOf(comparison, kind, ids[i]);
        const std::size_t start = text.size();
        AppendNumber(text, static_cast<std::size_t>(change.id));
        text.append(7 - (text.size() - start), ' ');
        AppendCell(text, change.lastName, lastWidth);
        AppendCell(text, change.firstName, firstWidth);
        AppendTeams(text, change, kind);
        // No blanks at the end of a line without a team.
        while (text.back() == ' ') text.pop_back();
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
    AppendByTeam(comparison, text);
    // An unknown moved list has no section: an empty one would read as
    // nobody moved.
    const std::size_t sections = comparison.movedKnown ? 3 : 2;
    for (std::size_t i = 0; i < sections; ++i) AppendList(comparison, kKinds[i], kHeadings[i], sinks[i], output);
}

}  // namespace trelvane
