#include "ProcessSeasons.h"

#include "ControlIds.h"
#include "DialogControls.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "FileProblems.h"
#include "ListLine.h"
#include "ReplaceFile.h"
#include "SeasonComparison.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

// A folder typed as a relative path is shown as the file it named.
SeasonFileReport WithFullPath(SeasonFileReport file) {
    if (!file.Read() && file.problem != file_problem::kNoFolderGiven)
        file.path = Utf8FromWide(FullPath(WideFromUtf8(file.path)));
    return file;
}

}  // namespace

std::int32_t ProcessSeasons(const CommandArgs& args) {
    DialogControls controls(args.form);
    controls.EmptyList(kDepartedList);
    controls.EmptyList(kArrivalsList);
    const SeasonComparison result =
        CompareSeasons(controls.EditText(kPriorFolderBox), controls.EditText(kCurrentFolderBox));
    controls.AddLines(kDepartedList, DepartedLines(result));
    controls.AddLines(kArrivalsList, ArrivalLines(result));
    controls.SetBoxText(kDepartedCountBox, CountText(result.departed.size()));
    controls.SetBoxText(kArrivalsCountBox, CountText(result.arrived.size()));

    const std::string notRead =
        SeasonFilesNotReadText(WithFullPath(result.priorPlayerFile), WithFullPath(result.currentPlayerFile),
                               WithFullPath(result.priorTeamFile));
    if (!notRead.empty()) ShowFailure(args.form, notRead);
    return 0;
}

}  // namespace trelvane
