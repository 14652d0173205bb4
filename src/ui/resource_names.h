#pragma once
// Names of the pictures in the program file's resources
// (resources/pictures.rc).

namespace orvx::ui {

inline constexpr const char* kProgramIcon = "APPICON";
// The Minidesk toggle: "B_OPEN" shows it (shown while it is hidden),
// "B_CLOSE" hides it (shown while it is shown).
inline constexpr const char* kShowMinideskPicture = "B_OPEN";
inline constexpr const char* kHideMinideskPicture = "B_CLOSE";

}  // namespace orvx::ui
