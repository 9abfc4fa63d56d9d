#include "ProcessSeasons.h"

#include "ControlIds.h"
#include "DialogControls.h"
#include "ListLine.h"
#include "SeasonComparison.h"

namespace trelvane {

using namespace control_id;

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
    return 0;
}

}  // namespace trelvane
