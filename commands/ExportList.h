#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "CommandArgs.h"
#include "ControlIds.h"
#include "ControlTexts.h"
#include "ReplaceFile.h"

namespace trelvane {

// One export: the button that starts it, the list it saves and the title
// of its save-file dialog.
struct ExportConfig {
    int button;
    int list;
    const wchar_t* title;
};

inline constexpr ExportConfig kPriorExport{control_id::kPriorExportButton, control_id::kDepartedList,
                                           L"FILE FOR PRIOR PLAYERS"};
inline constexpr ExportConfig kCurrentExport{control_id::kCurrentExportButton, control_id::kArrivalsList,
                                             L"FILE FOR CURRENT PLAYERS"};

// Asks for a file name with the save-file dialog, then writes every line of
// the configured list to it. Cancelling writes nothing; a failure is
// told in a message box. Returns 0.
std::int32_t ExportList(const ExportConfig& config, const CommandArgs& args);

// Writes every line of a list to path, each ended by CR LF, replacing the
// file whole or not at all (see ReplaceFileContents). The game's season
// files and the settings file are refused by name, and nothing is written.
FileWriteResult WriteListFile(const std::wstring& path, ControlTexts& controls, int list);

}  // namespace trelvane
