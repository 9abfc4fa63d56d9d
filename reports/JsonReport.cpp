#include <array>

#include "ReadOnlyFile.h"
#include "Reports.h"
#include "SystemText.h"
#include "Windows1252.h"

namespace trelvane {
namespace {

void AppendEscaped(std::string& out, char32_t c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
    }
    // Every control character, the C1 ones and DEL included, as \u00XX.
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
        constexpr char kHex[] = "0123456789abcdef";
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    } else {
        AppendUtf8(out, c);
    }
}

// Bytes that go out as they are: printable ASCII but the quote and the
// backslash. A table, because every byte of every name passes here.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x7F; ++byte) plain[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    return plain;
}();
bool NeedsEscape(unsigned char byte) { return !kPlain[byte]; }

// A Windows-1252 text as a JSON string.
void AppendWindows1252String(std::string& out, std::string_view windows1252) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < windows1252.size(); ++i) {
        const auto byte = static_cast<unsigned char>(windows1252[i]);
        if (!NeedsEscape(byte)) continue;
        out.append(windows1252, run, i - run);
        AppendEscaped(out, CodePointOfWindows1252(byte));
        run = i + 1;
    }
    out.append(windows1252, run);
    out += '"';
}

// A UTF-8 text as a JSON string: only control characters need escaping.
void AppendUtf8String(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            AppendEscaped(out, static_cast<unsigned char>(utf8[++i]));
        } else if (byte < 0x80 && NeedsEscape(byte)) {
            AppendEscaped(out, byte);
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
}

void AppendTeam(std::string& out, std::string_view team) {
    if (team.empty()) {
        out += "null";
    } else {
        AppendWindows1252String(out, team);
    }
}

void AppendFile(std::string& out, const SeasonFileReport& file, bool last) {
    out += "    {\"path\": ";
    AppendUtf8String(out, Utf8FromSystemText(NativePath(file.path)));
    out += file.WasRead() ? ", \"read\": true, \"problem\": null}" : ", \"read\": false, \"problem\": ";
    if (!file.WasRead()) {
        AppendUtf8String(out, Utf8FromSystemText(file.problem.Words()));
        out += '}';
    }
    out += last ? "\n" : ",\n";
}

void AppendTotals(std::string& out, std::string_view season, const Season& totals) {
    out += "    \"";
    out += season;
    out += "\": {\"players\": ";
    AppendNumber(out, totals.players.Count());
    out += ", \"teams\": ";
    AppendNumber(out, totals.rosters.TeamCount());
    out += '}';
}

// Every team's figures; null when who moved, and so who went where, is
// unknown. The free agents are the team numbered 0, named null.
void AppendTeams(std::string& out, const SeasonComparison& comparison) {
    out += ",\n  \"teams\": ";
    if (!comparison.movedKnown) {
        out += "null";
        return;
    }
    out += comparison.teams.empty() ? "[]" : "[\n";
    for (const TeamChanges& team : comparison.teams) {
        out += "    {\"number\": ";
        AppendNumber(out, static_cast<std::size_t>(team.number));
        out += ", \"name\": ";
        AppendTeam(out, team.number == 0 ? std::string_view{} : std::string_view(team.name));
        const std::pair<const char*, std::size_t> figures[] = {
            {"prior_players", team.priorPlayers}, {"current_players", team.currentPlayers},
            {"departed", team.departed},          {"arrived", team.arrived},
            {"moved_in", team.movedIn},           {"moved_out", team.movedOut}};
        for (const auto& [name, figure] : figures) {
            out += ", \"";
            out += name;
            out += "\": ";
            AppendNumber(out, figure);
        }
        out += &team == &comparison.teams.back() ? "}\n  ]" : "},\n";
    }
}

}  // namespace

void WriteJsonReport(const ReportSubject& subject, ChunkedOutput& output) {
    const SeasonComparison& comparison = subject.comparison;
    std::string& text = output.Text();
    text += "{\n  \"prior_folder\": ";
    AppendUtf8String(text, Utf8FromSystemText(subject.priorFolder));
    text += ",\n  \"current_folder\": ";
    AppendUtf8String(text, Utf8FromSystemText(subject.currentFolder));
    text += ",\n  \"totals\": {\n";
    AppendTotals(text, "prior", comparison.prior);
    text += ",\n";
    AppendTotals(text, "current", comparison.current);
    text += "\n  }";
    for (const ChangeList& list : ChangeLists(comparison)) {
        text += ",\n  \"";
        text += list.name;
        // Without both team files nobody's move is known: null, not [].
        if (list.kind == ListKind::kMoved && !comparison.movedKnown) {
            text += "\": null";
            continue;
        }
        text += list.ids.empty() ? "\": []" : "\": [\n";
        for (std::size_t i = 0; i < list.ids.size(); ++i) {
            const Change change = ChangeOf(comparison, list.kind, list.ids[i]);
            text += "    {\"id\": ";
            AppendNumber(text, static_cast<std::size_t>(change.id));
            text += ", \"last_name\": ";
            AppendWindows1252String(text, change.lastName);
            text += ", \"first_name\": ";
            AppendWindows1252String(text, change.firstName);
            text += ", \"prior_team\": ";
            AppendTeam(text, change.priorTeam);
            text += ", \"current_team\": ";
            AppendTeam(text, change.currentTeam);
            text += i + 1 < list.ids.size() ? "},\n" : "}\n  ]";
            output.EndLine();
        }
    }
    AppendTeams(text, comparison);
    text += ",\n  \"files\": [\n";
    const SeasonFileReport* files[] = {&comparison.priorPlayerFile, &comparison.currentPlayerFile,
                                       &comparison.priorTeamFile,
                                       comparison.currentTeamFile ? &*comparison.currentTeamFile : nullptr};
    const std::size_t count = files[3] ? 4 : 3;
    for (std::size_t i = 0; i < count; ++i) {
        AppendFile(text, *files[i], i + 1 == count);
    }
    text += "  ]\n}\n";
}

}  // namespace trelvane
