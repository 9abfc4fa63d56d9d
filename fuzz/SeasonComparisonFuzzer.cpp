// A prior player file, a current player file and a prior team file of any
// bytes, through the whole comparison: files on disk, read record by record,
// compared, and the lists filled.
#include <cstdint>
#include <fstream>
#include <string>

#include "FuzzInput.h"
#include "MemoryForm.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"
#include "TempFolder.h"

namespace {

using namespace trelvane;
using namespace trelvane::control_id;

void PutFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

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
    static const tools::TempFolder root;
    static const std::filesystem::path prior = root / "prior", current = root / "current";
    static const bool made = std::filesystem::create_directories(prior) && std::filesystem::create_directories(current);
    fuzz::Check(made, "the season folders exist");

    const fuzz::SeasonInput input = fuzz::CutSeasonInput(data, size);
    PutFile(prior / kPlayerFileName, input.priorPlayers);
    PutFile(current / kPlayerFileName, input.currentPlayers);
    PutFile(prior / kTeamFileName, input.priorTeams);

    MemoryForm form;
    form.SetBoxText(kPriorFolderBox, prior.string());
    form.SetBoxText(kCurrentFolderBox, current.string());
    const ComparisonReport report = CompareSeasons(form);

    fuzz::Check(report.priorPlayers.Read() && report.currentPlayers.Read() && report.priorTeams.Read(),
                "files of any content are read to their end");
    const LineBatch& departed = form.Lines(kDepartedList);
    const LineBatch& arrivals = form.Lines(kArrivalsList);
    CheckList(departed, form.EditText(kDepartedCountBox), true);
    CheckList(arrivals, form.EditText(kArrivalsCountBox), false);
    fuzz::Check(report.departed == departed.Count() && report.arrivals == arrivals.Count(),
                "the report counts the lines");
    // A player is in one season only, so no identifier is on both lists.
    for (std::size_t d = 0, a = 0; d < departed.Count() && a < arrivals.Count();) {
        const int departedId = IdOf(departed[d]), arrivalId = IdOf(arrivals[a]);
        fuzz::Check(departedId != arrivalId, "no identifier is on both lists");
        departedId < arrivalId ? ++d : ++a;
    }
    return 0;
}
