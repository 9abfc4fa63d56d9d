#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "CommandArgs.h"
#include "ControlIds.h"
#include "DialogControls.h"

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
// the configured list to it. Cancelling writes nothing. Returns 0.
std::int32_t ExportList(const ExportConfig& config, const CommandArgs& args);

// Writes every line of a list to path, each ended by CR LF, replacing what
// the file held. The file is opened exclusively; when it cannot be opened
// (read-only, locked, no write access) it is left as it was. A path longer
// than 255 characters in the ANSI code page is refused and nothing is
// written anywhere. Returns whether the file was written.
bool WriteListFile(const std::wstring& path, DialogControls& controls, int list);

}  // namespace trelvane
