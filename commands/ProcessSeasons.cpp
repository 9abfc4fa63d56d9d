#include "ProcessSeasons.h"

#include "ControlIds.h"
#include "ControlTexts.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "ListLine.h"
#include "ReadOnlyFile.h"
#include "SeasonComparison.h"
#include "SeasonFilesShown.h"

namespace trelvane {

using namespace control_id;

std::int32_t ProcessSeasons(const CommandArgs& args) {
    ControlTexts controls(args.form);
    controls.EmptyList(kDepartedList);
    controls.EmptyList(kArrivalsList);
    const std::string prior = controls.EditText(kPriorFolderBox), current = controls.EditText(kCurrentFolderBox);
    const SeasonComparison result = CompareSeasons(prior, current);
    controls.AddLines(kDepartedList, DepartedLines(result));
    controls.AddLines(kArrivalsList, ArrivalLines(result));
    controls.SetBoxText(kDepartedCountBox, CountText(result.departed.size()));
    controls.SetBoxText(kArrivalsCountBox, CountText(result.arrived.size()));

    // Everything the user must know, in one box.
    std::string text = SeasonFilesNotReadText(SeasonFilesShown(prior, current, result).Files());
    if (SameFolder(prior, current)) text += (text.empty() ? "" : "\n") + std::string(kSameFolderText);
    if (!text.empty()) ShowFailure(args.form, text);
    return 0;
}

}  // namespace trelvane
