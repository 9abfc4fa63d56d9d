#include "SaveReport.h"

#include "ControlIds.h"
#include "ControlTexts.h"
#include "ExportFile.h"
#include "FailureMessage.h"
#include "FailureText.h"
#include "ReportFile.h"
#include "Reports.h"
#include "SeasonFilesShown.h"
#include "WindowsText.h"

namespace trelvane {

std::int32_t SaveLeagueReport(const CommandArgs& args) {
    // The types in kReportFileTypes' order.
    static constexpr SaveDialog kDialog{L"FILE FOR THE LEAGUE REPORT",
                                        L"CSV for a spreadsheet (*.csv)\0*.csv\0JSON (*.json)\0*.json\0"
                                        L"Text report (*.txt)\0*.txt\0Web page (*.html)\0*.html\0",
                                        // Any default makes the dialog give a name typed
                                        // without an extension the chosen type's, and ask
                                        // before it replaces that file.
                                        L"csv"};
    const auto choice = AskForSaveFile(args.form, kDialog);
    if (!choice) return 0;
    const ReportFile file = ReportFileFor(choice->path, choice->type);

    ControlTexts controls(args.form);
    const std::string prior = controls.EditText(control_id::kPriorFolderBox);
    const std::string current = controls.EditText(control_id::kCurrentFolderBox);
    const SeasonComparison result = CompareSeasons(prior, current, {.readCurrentTeams = true});
    const SeasonFilesShown shown(prior, current, result);
    const std::string notRead = ReportFilesNotReadText(shown.Files());
    if (!result.priorPlayerFile.WasRead() || !result.currentPlayerFile.WasRead()) {
        ShowFailure(args.form, notRead);
        return 0;
    }
    const FileWriteResult written = WriteExportFile(file.path, [&](const PutBytes& put) {
        ChunkedOutput output(put);
        WriteReport(file.format, {result, prior, current}, output);
        return output.Finish();
    });
    // One box: a report not written says only that.
    if (!written.Written()) {
        TellIfNotSaved(args.form, file.path, written, ReportNotSavedText);
    } else if (!notRead.empty()) {
        ShowFailure(args.form, notRead);
    }
    return 0;
}

}  // namespace trelvane
