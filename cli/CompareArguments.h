#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Reports.h"

namespace trelvane::cli {

// What a run of trelvane-compare was asked to do.
struct CompareRequest {
    std::string priorFolder;
    std::string currentFolder;
    // "-" stands for standard output, which then carries that list instead
    // of the report.
    std::optional<std::string> departedFile;
    std::optional<std::string> arrivalsFile;
    std::optional<std::string> movedFile;
    ReportFormat format = ReportFormat::kText;
};

struct ParsedArguments {
    enum class Action { kCompare, kHelp, kVersion, kWrong } action = Action::kCompare;
    CompareRequest request;
    std::string problem;  // for kWrong: what is wrong, in a few words
};

ParsedArguments ParseCompareArguments(const std::vector<std::string>& args);

extern const char kCompareUsage[];

}  // namespace trelvane::cli
