#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "AsciiCase.h"
#include "PathParts.h"
#include "Reports.h"

namespace trelvane {

// The report's file types in the order its save dialog offers them.
struct ReportFileType {
    ReportFormat format;
    std::wstring_view extension;  // with its dot
};
inline constexpr std::array<ReportFileType, 4> kReportFileTypes{{
    {ReportFormat::kCsv, L".csv"},
    {ReportFormat::kJson, L".json"},
    {ReportFormat::kText, L".txt"},
    {ReportFormat::kHtml, L".html"},
}};

struct ReportFile {
    std::wstring path;
    ReportFormat format;
};

// A name that ends in one of the types' extensions (in any letter case)
// has that format; any other name takes the type chosen (1 for the first),
// and a name without an extension gets that type's.
inline ReportFile ReportFileFor(std::wstring path, std::size_t chosenType) {
    const std::size_t nameStart = path.size() - FileNameOf<wchar_t>(path, L"\\/").size();
    const std::size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && dot > nameStart) {
        std::wstring extension = path.substr(dot);
        for (wchar_t& c : extension) c = AsciiLower(c);
        for (const ReportFileType& type : kReportFileTypes) {
            if (extension == type.extension) return {std::move(path), type.format};
        }
    }
    const ReportFileType& chosen =
        kReportFileTypes[chosenType >= 1 && chosenType <= kReportFileTypes.size() ? chosenType - 1 : 0];
    if (dot == std::wstring::npos || dot <= nameStart) path += chosen.extension;
    return {std::move(path), chosen.format};
}

}  // namespace trelvane
