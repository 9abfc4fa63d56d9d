#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ChunkedOutput.h"
#include "SeasonComparison.h"

namespace trelvane {

// The league report: everything a comparison knows, in one of four forms.
// trelvane-compare prints it and the window saves it, from this code alone.
enum class ReportFormat {
    kText,  // for people: totals, counts, then the three lists as list lines
    kCsv,   // one row per change, in UTF-8 after a byte-order mark
    kJson,  // one object, in UTF-8
    kHtml,  // one web page that needs nothing else, in UTF-8
};

// Takes each line of a list as the text report goes past it, so that a
// list saved beside the report is made once.
class LineSink {
public:
    virtual void Add(std::string_view line) = 0;

protected:
    ~LineSink() = default;
};

// What a report is about: the comparison, and its folders as the user gave
// them (UTF-8 on Windows).
struct ReportSubject {
    const SeasonComparison& comparison;
    std::string_view priorFolder;
    std::string_view currentFolder;
};

// Writes the whole report in format. The text report also hands the
// departed, arrivals and moved lines, in the saved lists' bytes, to the
// sinks given.
void WriteReport(ReportFormat format, const ReportSubject& subject, ChunkedOutput& output,
                 const std::array<LineSink*, 3>& sinks = {});

// A CSV file begins with it, so that a spreadsheet opened by a double-click
// reads UTF-8 rather than the ANSI code page.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The forms themselves.
void WriteTextReport(const SeasonComparison& comparison, const std::array<LineSink*, 3>& sinks, ChunkedOutput& output);
void WriteCsvReport(const SeasonComparison& comparison, ChunkedOutput& output);
void WriteJsonReport(const ReportSubject& subject, ChunkedOutput& output);
void WriteHtmlReport(const ReportSubject& subject, ChunkedOutput& output);

// One player's change, as the CSV and JSON forms show it. Texts are the
// files' Windows-1252 bytes; an empty team is no team.
struct Change {
    std::int32_t id;
    std::string_view lastName;
    std::string_view firstName;
    std::string_view priorTeam;
    std::string_view currentTeam;
};
struct ChangeList {
    ListKind kind;
    std::string_view name;  // "departed", "arrived", "moved"
    const std::vector<std::int32_t>& ids;
};
inline std::array<ChangeList, 3> ChangeLists(const SeasonComparison& comparison) {
    return {{{ListKind::kDeparted, "departed", comparison.departed},
             {ListKind::kArrivals, "arrived", comparison.arrived},
             {ListKind::kMoved, "moved", comparison.moved}}};
}
// A departed player as the prior season has him, the others as the current
// one has them.
inline Change ChangeOf(const SeasonComparison& comparison, ListKind kind, std::int32_t id) {
    const Season &prior = comparison.prior, &current = comparison.current;
    const Season& named = kind == ListKind::kDeparted ? prior : current;
    return {id, named.players.LastName(id), named.players.FirstName(id),
            kind == ListKind::kArrivals ? std::string_view{} : prior.rosters.TeamNameOf(id),
            kind == ListKind::kDeparted ? std::string_view{} : current.rosters.TeamNameOf(id)};
}

// The decimal digits of a number, appended.
void AppendNumber(std::string& out, std::size_t number);

}  // namespace trelvane
