#pragma once

#include <windows.h>

#include <cstdint>

#include "CommandArgs.h"
#include "ControlIds.h"

namespace trelvane {

// One folder choice: the button that starts it, the box it fills and the
// text the folder browser shows above its tree.
struct BrowseConfig {
    int button;
    int box;
    const wchar_t* title;
};

inline constexpr BrowseConfig kMainFolderBrowse{control_id::kMainFolderButton, control_id::kMainFolderBox,
                                                L"Select KOV Folder"};
inline constexpr BrowseConfig kPriorFolderBrowse{control_id::kPriorFolderButton, control_id::kPriorFolderBox,
                                                 L"Select Prior Season Folder"};
inline constexpr BrowseConfig kCurrentFolderBrowse{control_id::kCurrentFolderButton, control_id::kCurrentFolderBox,
                                                   L"Select Current Season Folder"};

// The folder the browser starts on when its box names no folder that exists.
inline constexpr wchar_t kBrowseStartFolder[] = L"C:\\KOV11";

// Lets the user pick a folder in the shell's folder browser, opened at the
// box's folder, and puts its path into the configured box. OK is offered
// only on a file-system folder; cancelling leaves the box as it was, and so
// does an item without a folder path, which a box tells the user of.
// Returns 0.
std::int32_t BrowseForFolder(const BrowseConfig& config, const CommandArgs& args);

}  // namespace trelvane
