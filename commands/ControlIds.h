#pragma once

namespace trelvane {
// The main form's window class, registered with ":" and a number after it:
// what finds the running program's form from outside.
inline constexpr char kMainFormClass[] = "FORM_KOV_TRELVANE_FORM1_CLASS";
}  // namespace trelvane

namespace trelvane::control_id {

// The main form's fourteen controls, in creation and tab order. The
// commands find every control they use by (form, identifier).
inline constexpr int kDepartedCountBox = 1000;
inline constexpr int kArrivalsCountBox = 1001;
inline constexpr int kPriorExportButton = 1002;
inline constexpr int kCurrentExportButton = 1003;
inline constexpr int kExitButton = 1004;
inline constexpr int kMainFolderButton = 1005;
inline constexpr int kPriorFolderButton = 1006;
inline constexpr int kCurrentFolderButton = 1007;
inline constexpr int kMainFolderBox = 1008;
inline constexpr int kPriorFolderBox = 1009;
inline constexpr int kCurrentFolderBox = 1010;
inline constexpr int kProcessButton = 1011;
inline constexpr int kArrivalsList = 1012;
inline constexpr int kDepartedList = 1013;

inline constexpr int kFirst = kDepartedCountBox;
inline constexpr int kLast = kDepartedList;

}  // namespace trelvane::control_id
