// A prior player file, a current player file and a prior team file of any
// bytes, through the whole comparison: read record by record from memory,
// compared, and the lists made.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "ListLine.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"

namespace {

using namespace trelvane;

int IdOf(std::string_view line) {
    int id = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        fuzz::Check(line[i] >= '0' && line[i] <= '9', "a line starts with five digits");
        id = id * 10 + (line[i] - '0');
    }
    return id;
}

// What every list must be, whatever the files held: lines in strictly
// ascending identifier order from 10001 to 50000, the identifier followed by
// two blanks and a 22-character name column, arrivals lines ending there,
// and a count box that matches.
void CheckList(const LineBatch& lines, const std::string& count, bool departed) {
    fuzz::Check(count == " " + std::to_string(lines.Count()), "the count box shows the number of lines");
    int previous = kFirstTableId;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines[i];
        fuzz::Check(line.size() >= 29, "a line is at least 29 characters");
        fuzz::Check(departed || line.size() == 29, "an arrivals line is exactly 29 characters");
        const int id = IdOf(line);
        fuzz::Check(id > previous && id <= kLastPlayerId, "identifiers ascend within 10001-50000");
        fuzz::Check(line.substr(5, 2) == "  ", "two blanks follow the identifier");
        previous = id;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::SeasonInput input = fuzz::CutSeasonInput(data, size);
    SeasonSources sources;
    sources.priorPlayers.records.OpenBytes(input.priorPlayers, kPlayerRecordLength, kPlayerExaminedLength);
    sources.currentPlayers.records.OpenBytes(input.currentPlayers, kPlayerRecordLength, kPlayerExaminedLength);
    sources.priorTeams.records.OpenBytes(input.priorTeams, kTeamRecordLength, kTeamExaminedLength);
    const SeasonComparison result = CompareSources(sources);
    fuzz::Check(
        result.priorPlayerFile.WasRead() && result.currentPlayerFile.WasRead() && result.priorTeamFile.WasRead(),
        "files of any content are read to their end");

    const LineBatch departed = DepartedLines(result);
    const LineBatch arrivals = ArrivalLines(result);
    CheckList(departed, CountText(result.departed.size()), true);
    CheckList(arrivals, CountText(result.arrived.size()), false);
    // A player is in one season only, so no identifier is on both lists.
    for (std::size_t d = 0, a = 0; d < departed.Count() && a < arrivals.Count();) {
        const int departedId = IdOf(departed[d]), arrivalId = IdOf(arrivals[a]);
        fuzz::Check(departedId != arrivalId, "no identifier is on both lists");
        departedId < arrivalId ? ++d : ++a;
    }
    return 0;
}
