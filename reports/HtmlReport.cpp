#include <algorithm>
#include <array>
#include <initializer_list>
#include <tuple>

#include "ReadOnlyFile.h"
#include "Reports.h"
#include "SystemText.h"
#include "Windows1252.h"

namespace trelvane {
namespace {

// The page's whole look: light and dark by the reader's setting, tables
// that scroll sideways on a phone, a team's section kept on one printed
// page where it fits.
constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="color-scheme" content="light dark">
<title>League report</title>
<style>
:root{color-scheme:light dark;--line:#c9ced6;--head:#eef1f5;--in:#2e7d32;--out:#c62828}
@media (prefers-color-scheme:dark){:root{--line:#3e444d;--head:#262b33;--in:#66bb6a;--out:#ef6f6c}}
body{font-family:system-ui,-apple-system,"Segoe UI",sans-serif;line-height:1.4;max-width:64rem;margin:0 auto;padding:0 1rem 2rem}
h2{margin-top:2rem}
nav a{margin-right:1rem}
.wide{overflow-x:auto}
table{border-collapse:collapse;margin:.5rem 0 1rem;font-variant-numeric:tabular-nums}
caption{text-align:left;font-weight:600;padding:.3rem 0}
th,td{border-bottom:1px solid var(--line);padding:.25rem .6rem;text-align:left;vertical-align:top}
thead th{background:var(--head)}
.n,table.changes td:nth-child(2),table.list td:first-child{text-align:right}
svg{max-width:100%;height:auto}
svg text{fill:currentColor;font-size:12px}
.in{fill:var(--in)}
.out{fill:var(--out)}
@media print{body{max-width:none;padding:0}.wide{overflow:visible}nav{display:none}a{color:inherit;text-decoration:none}section.team{break-inside:avoid}}
</style>
</head>
<body>
<h1>League report</h1>
)";

// What a byte needs: a reference in place of a character that markup gives
// a meaning to (and of the carriage return, which a parser turns into a
// line feed), or a conversion from Windows-1252.
constexpr unsigned char kReference = 1, kConvert = 2;
constexpr std::array<unsigned char, 256> kNeeds = [] {
    std::array<unsigned char, 256> needs{};
    for (const char c : {'&', '<', '>', '"', '\'', '\r'}) needs[static_cast<unsigned char>(c)] = kReference;
    for (std::size_t byte = 0x80; byte < 0x100; ++byte) needs[byte] = kConvert;
    return needs;
}();

void AppendReference(std::string& out, char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            return;
        case '<':
            out += "&lt;";
            return;
        case '>':
            out += "&gt;";
            return;
        case '"':
            out += "&quot;";
            return;
        case '\'':
            out += "&#39;";
            return;
        default:
            out += "&#13;";
            return;
    }
}

// Text as HTML text or an attribute value: a season file's bytes
// (Windows-1252) when windows1252, else UTF-8. No byte of it becomes markup.
void AppendText(std::string& out, std::string_view text, bool windows1252 = true) {
    unsigned needs = 0;
    for (const char c : text) needs |= kNeeds[static_cast<unsigned char>(c)];
    if (needs == 0 || (needs == kConvert && !windows1252)) {
        out += text;
        return;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (kNeeds[byte] == kReference) {
            AppendReference(out, c);
        } else if (kNeeds[byte] == kConvert && windows1252) {
            AppendUtf8(out, CodePointOfWindows1252(byte));
        } else {
            out += c;
        }
    }
}

void AppendCell(std::string& out, std::string_view windows1252) {
    out += "<td>";
    AppendText(out, windows1252);
    out += "</td>";
}

void AppendNumberCell(std::string& out, std::size_t number) {
    out += "<td class=\"n\">";
    AppendNumber(out, number);
    out += "</td>";
}

// A team's change in the number of its players, with its sign.
void AppendNet(std::string& out, const TeamChanges& team) {
    out += "<td class=\"n\">";
    if (team.currentPlayers > team.priorPlayers) {
        out += '+';
        AppendNumber(out, team.currentPlayers - team.priorPlayers);
    } else if (team.currentPlayers < team.priorPlayers) {
        out += '-';
        AppendNumber(out, team.priorPlayers - team.currentPlayers);
    } else {
        out += '0';
    }
    out += "</td>";
}

void AppendAnchor(std::string& out, const TeamChanges& team) {
    if (team.number == 0) {
        out += "free-agents";
    } else {
        out += "team-";
        AppendNumber(out, static_cast<std::size_t>(team.number));
    }
}

// A table's start, its caption and its heading row; a heading marked with
// "#" heads a column of numbers. A table of players (class "changes" or
// "list") right-aligns its identifiers by its class, not cell by cell.
void AppendTableStart(std::string& out, std::string_view caption, std::initializer_list<std::string_view> headings,
                      std::string_view tableClass = {}) {
    out += "<div class=\"wide\"><table";
    if (!tableClass.empty()) {
        out += " class=\"";
        out += tableClass;
        out += '"';
    }
    out += "><caption>";
    out += caption;
    out += "</caption>\n<thead><tr>";
    for (const std::string_view heading : headings) {
        out += heading.starts_with('#') ? "<th scope=\"col\" class=\"n\">" : "<th scope=\"col\">";
        out += heading.substr(heading.starts_with('#') ? 1 : 0);
        out += "</th>";
    }
    out += "</tr></thead>\n<tbody>\n";
}
constexpr std::string_view kTableEnd = "</tbody></table></div>\n";

void AppendSeasons(std::string& out, const ReportSubject& subject) {
    const SeasonComparison& comparison = subject.comparison;
    AppendTableStart(out, "The seasons", {"Season", "Folder", "#Players", "#Teams"});
    const std::tuple<std::string_view, std::string_view, const Season*> seasons[] = {
        {"Prior", subject.priorFolder, &comparison.prior}, {"Current", subject.currentFolder, &comparison.current}};
    for (const auto& [name, folder, season] : seasons) {
        out += "<tr><th scope=\"row\">";
        out += name;
        out += "</th><td>";
        AppendText(out, Utf8FromSystemText(folder), false);
        out += "</td>";
        AppendNumberCell(out, season->players.Count());
        AppendNumberCell(out, season->rosters.TeamCount());
        out += "</tr>\n";
    }
    out += kTableEnd;
    out += "<p id=\"counts\">Departed: <b>";
    AppendNumber(out, comparison.departed.size());
    out += "</b> &middot; Arrivals: <b>";
    AppendNumber(out, comparison.arrived.size());
    out += "</b> &middot; Moved: <b>";
    if (comparison.movedKnown) {
        AppendNumber(out, comparison.moved.size());
    } else {
        out += "unknown";
    }
    out += "</b></p>\n";
    const SeasonFileReport* files[] = {&comparison.priorPlayerFile, &comparison.currentPlayerFile,
                                       &comparison.priorTeamFile,
                                       comparison.currentTeamFile ? &*comparison.currentTeamFile : nullptr};
    for (const SeasonFileReport* file : files) {
        if (!file || file->WasRead()) continue;
        out += "<p class=\"problem\">";
        AppendText(out, Utf8FromSystemText(NativePath(file->path)), false);
        out += " was not read: ";
        AppendText(out, Utf8FromSystemText(file->problem.Words()), false);
        out += ".</p>\n";
    }
    if (!comparison.movedKnown) {
        out +=
            "<p class=\"problem\">Who moved, and so the figures by team, are unknown: a team file was not "
            "read.</p>\n";
    }
}

void AppendByTeam(std::string& out, const std::vector<TeamChanges>& teams) {
    out += "<section id=\"by-team\">\n<h2>By team</h2>\n";
    AppendTableStart(out, "Players of each team in both seasons, and how they changed",
                     {"Team", "#Prior", "#Current", "#Departed", "#Arrived", "#Moved in", "#Moved out", "#Net"});
    for (const TeamChanges& team : teams) {
        out += "<tr><th scope=\"row\"><a href=\"#";
        AppendAnchor(out, team);
        out += "\">";
        AppendText(out, team.name);
        out += "</a></th>";
        for (const std::size_t figure :
             {team.priorPlayers, team.currentPlayers, team.departed, team.arrived, team.movedIn, team.movedOut}) {
            AppendNumberCell(out, figure);
        }
        AppendNet(out, team);
        out += "</tr>\n";
    }
    out += kTableEnd;
}

// Each team's ins (arrivals and moves in) as a bar to the right of a middle
// line and its outs to the left, drawn from the table's own figures.
void AppendChart(std::string& out, const std::vector<TeamChanges>& teams) {
    constexpr std::size_t kLabel = 230, kHalf = 170, kRow = 22, kTop = 24;
    std::size_t most = 1;
    for (const TeamChanges& team : teams) {
        most = std::max({most, team.arrived + team.movedIn, team.departed + team.movedOut});
    }
    const std::size_t middle = kLabel + kHalf, height = kTop + kRow * teams.size() + 4;
    const auto append = [&out](std::size_t number) { AppendNumber(out, number); };
    out +=
        "<figure>\n<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" aria-labelledby=\"chart-title "
        "chart-text\" viewBox=\"0 0 ";
    append(middle + kHalf + 40);
    out += ' ';
    append(height);
    out += "\" width=\"";
    append(middle + kHalf + 40);
    out += "\" height=\"";
    append(height);
    out +=
        "\">\n<title id=\"chart-title\">Players in and out by team</title>\n<desc id=\"chart-text\">For each "
        "team, the players it lost (departed or moved out) to the left and the players it gained (arrived or "
        "moved in) to the right; the table above gives the same figures.</desc>\n<text x=\"";
    append(middle - 6);
    out += "\" y=\"14\" text-anchor=\"end\">out</text><text x=\"";
    append(middle + 6);
    out += "\" y=\"14\">in</text>\n<line x1=\"";
    append(middle);
    out += "\" y1=\"18\" x2=\"";
    append(middle);
    out += "\" y2=\"";
    append(height);
    out += "\" stroke=\"currentColor\"/>\n";
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const TeamChanges& team = teams[i];
        const std::size_t y = kTop + kRow * i, outs = team.departed + team.movedOut, ins = team.arrived + team.movedIn;
        const std::size_t outWidth = outs * kHalf / most, inWidth = ins * kHalf / most;
        out += "<text x=\"";
        append(kLabel - 44);
        out += "\" y=\"";
        append(y + 15);
        out += "\" text-anchor=\"end\">";
        AppendText(out, team.name);
        out += "</text><rect class=\"out\" x=\"";
        append(middle - outWidth);
        out += "\" y=\"";
        append(y + 3);
        out += "\" width=\"";
        append(outWidth);
        out += "\" height=\"16\"/><rect class=\"in\" x=\"";
        append(middle);
        out += "\" y=\"";
        append(y + 3);
        out += "\" width=\"";
        append(inWidth);
        out += "\" height=\"16\"/><text x=\"";
        append(middle - outWidth - 4);
        out += "\" y=\"";
        append(y + 15);
        out += "\" text-anchor=\"end\">";
        append(outs);
        out += "</text><text x=\"";
        append(middle + inWidth + 4);
        out += "\" y=\"";
        append(y + 15);
        out += "\">";
        append(ins);
        out += "</text>\n";
    }
    out += "</svg>\n<figcaption>Players in and out by team</figcaption>\n</figure>\n</section>\n";
}

// The changes of one team, in the order the sections show them.
enum class TeamChange : std::uint8_t { kLeft, kJoined, kCameFrom, kWentTo };
struct TeamEntry {
    std::int32_t id;
    TeamChange change;
};

// Every change sorted into its team's run, in one pass over each list:
// a team's run holds its departures, arrivals, moves in, then moves out,
// each in identifier order.
std::vector<TeamEntry> EntriesByTeam(const SeasonComparison& comparison, std::vector<std::size_t>& runStart) {
    const std::vector<TeamChanges>& teams = comparison.teams;
    runStart.assign(teams.size() + 1, 0);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const TeamChanges& team = teams[i];
        runStart[i + 1] = runStart[i] + team.departed + team.arrived + team.movedIn + team.movedOut;
    }
    std::vector<TeamEntry> entries(runStart.back());
    std::vector<std::size_t> next(runStart.begin(), runStart.end() - 1);
    const TeamRows rows(teams);
    const auto put = [&](const Season& season, std::int32_t id, TeamChange change) {
        entries[next[rows[season.rosters.TeamNumberOf(id)]]++] = {id, change};
    };
    for (const std::int32_t id : comparison.departed) put(comparison.prior, id, TeamChange::kLeft);
    for (const std::int32_t id : comparison.arrived) put(comparison.current, id, TeamChange::kJoined);
    for (const std::int32_t id : comparison.moved) put(comparison.current, id, TeamChange::kCameFrom);
    for (const std::int32_t id : comparison.moved) put(comparison.prior, id, TeamChange::kWentTo);
    return entries;
}

std::string_view TeamOrFreeAgent(std::string_view team) { return team.empty() ? kFreeAgent : team; }

void AppendTeamSections(const SeasonComparison& comparison, ChunkedOutput& output) {
    static constexpr std::string_view kWords[] = {"Left", "Joined", "Came from", "Went to"};
    std::vector<std::size_t> runStart;
    const std::vector<TeamEntry> entries = EntriesByTeam(comparison, runStart);
    std::string& out = output.Text();
    for (std::size_t row = 0; row < comparison.teams.size(); ++row) {
        const TeamChanges& team = comparison.teams[row];
        out += "<section class=\"team\" id=\"";
        AppendAnchor(out, team);
        out += "\">\n<h2>";
        AppendText(out, team.name);
        out += "</h2>\n<p>";
        AppendNumber(out, team.priorPlayers);
        out += " players in the prior season, ";
        AppendNumber(out, team.currentPlayers);
        out += " in the current one.</p>\n";
        if (runStart[row] == runStart[row + 1]) {
            out += "<p>No changes.</p>\n</section>\n";
            continue;
        }
        AppendTableStart(out, "Who left, joined, came and went",
                         {"Change", "#Id", "Last name", "First name", "Other team"}, "changes");
        for (std::size_t i = runStart[row]; i < runStart[row + 1]; ++i) {
            const auto [id, change] = entries[i];
            const bool departed = change == TeamChange::kLeft;
            const Season& named = departed ? comparison.prior : comparison.current;
            out += "<tr><td>";
            out += kWords[static_cast<std::size_t>(change)];
            out += "</td><td>";
            AppendNumber(out, static_cast<std::size_t>(id));
            out += "</td>";
            AppendCell(out, named.players.LastName(id));
            AppendCell(out, named.players.FirstName(id));
            std::string_view other;
            if (change == TeamChange::kCameFrom) other = TeamOrFreeAgent(comparison.prior.rosters.TeamNameOf(id));
            if (change == TeamChange::kWentTo) other = TeamOrFreeAgent(comparison.current.rosters.TeamNameOf(id));
            AppendCell(out, other);
            out += "</tr>\n";
            output.EndLine();
        }
        out += kTableEnd;
        out += "</section>\n";
        output.EndLine();
    }
}

void AppendLists(const SeasonComparison& comparison, ChunkedOutput& output) {
    static constexpr std::string_view kHeadings[] = {"Departed", "Arrivals", "Moved"};
    static constexpr std::string_view kCaptions[] = {
        "In the prior season, not in the current one, with the team each left",
        "In the current season, not in the prior one, with the team each joined", "In both seasons, on another team"};
    std::string& out = output.Text();
    for (const ChangeList& list : ChangeLists(comparison)) {
        const auto kind = static_cast<std::size_t>(list.kind);
        out += "<section id=\"";
        out += list.name;
        out += "\">\n<h2>";
        out += kHeadings[kind];
        out += "</h2>\n";
        if (list.kind == ListKind::kMoved && !comparison.movedKnown) {
            out += "<p>Who moved is unknown: a team file was not read.</p>\n</section>\n";
            continue;
        }
        AppendTableStart(out, kCaptions[kind], {"#Id", "Last name", "First name", "Prior team", "Current team"},
                         "list");
        for (const std::int32_t id : list.ids) {
            const Change change = ChangeOf(comparison, list.kind, id);
            out += "<tr><td>";
            AppendNumber(out, static_cast<std::size_t>(id));
            out += "</td>";
            AppendCell(out, change.lastName);
            AppendCell(out, change.firstName);
            AppendCell(out, change.priorTeam);
            AppendCell(out, change.currentTeam);
            out += "</tr>\n";
            output.EndLine();
        }
        out += kTableEnd;
        out += "</section>\n";
    }
}

}  // namespace

void WriteHtmlReport(const ReportSubject& subject, ChunkedOutput& output) {
    const SeasonComparison& comparison = subject.comparison;
    std::string& out = output.Text();
    out += kHead;
    AppendSeasons(out, subject);
    out += "<nav>";
    if (comparison.movedKnown) out += "<a href=\"#by-team\">By team</a>";
    out += "<a href=\"#departed\">Departed</a><a href=\"#arrived\">Arrivals</a><a href=\"#moved\">Moved</a></nav>\n";
    if (comparison.movedKnown) {
        AppendByTeam(out, comparison.teams);
        AppendChart(out, comparison.teams);
        AppendTeamSections(comparison, output);
    }
    AppendLists(comparison, output);
    output.Text() += "</body>\n</html>\n";
}

}  // namespace trelvane
