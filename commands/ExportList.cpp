#include "ExportList.h"

#include "ControlTexts.h"
#include "ExportFile.h"
#include "LineText.h"

namespace trelvane {
FileWriteResult WriteListFile(const std::wstring& path, ControlTexts& controls, int list) {
    const auto lineAt = [&](std::size_t index, std::string& line) -> std::string_view {
        controls.ReadListLine(list, static_cast<int>(index), line);
        return line;
    };
    const auto count = static_cast<std::size_t>(controls.ListCount(list));
    return WriteExportFile(path, [&](const PutBytes& put) { return WriteLines(count, lineAt, kSavedLineEnd, put); });
}

std::int32_t ExportList(const ExportConfig& config, const CommandArgs& args) {
    // One file type, whose display text is its pattern.
    const auto choice = AskForSaveFile(args.form, {config.title, L"*.txt\0*.txt\0", L"txt"});
    if (!choice) return 0;
    ControlTexts controls(args.form);
    TellIfNotSaved(args.form, choice->path, WriteListFile(choice->path, controls, config.list), ListNotSavedText);
    return 0;
}

}  // namespace trelvane
