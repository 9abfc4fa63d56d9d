#include "Reports.h"

namespace trelvane {

void WriteReport(ReportFormat format, const ReportSubject& subject, ChunkedOutput& output,
                 const std::array<LineSink*, 3>& sinks) {
    switch (format) {
        case ReportFormat::kText:
            WriteTextReport(subject.comparison, sinks, output);
            return;
        case ReportFormat::kCsv:
            WriteCsvReport(subject.comparison, output);
            return;
        case ReportFormat::kJson:
            WriteJsonReport(subject, output);
            return;
        case ReportFormat::kHtml:
            WriteHtmlReport(subject, output);
            return;
    }
}

}  // namespace trelvane
