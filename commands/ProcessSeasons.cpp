#include "ProcessSeasons.h"

#include "DialogControls.h"
#include "SeasonComparison.h"

namespace trelvane {

std::int32_t ProcessSeasons(const CommandArgs& args) {
    DialogControls controls(args.form);
    CompareSeasons(controls);
    return 0;
}

}  // namespace trelvane
