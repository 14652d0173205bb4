#pragma once
// The start-up sequence: runs while the main window is being created, before
// it is first shown.
//
//  1. double buffering on             10. the map read                (guarded)
//  2. the error list window           11. the standard profile of the resolution
//  3. the data folders                12. the frames placed
//  4. the data and lang folders  (guarded)  13. the hint timing
//  5. the English language file  (guarded)  14. the notification-area icon
//  6. the window placement            15. the version line
//  7. load_settings              (guarded)  16. the window made opaque
//  8. the arrangement check (MSDLG_11; its result is not used)
//  9. update_layout                   17. "/auto": the waiting messages run,
//                                         then kHideAfterAutostart on
//                                     18. "/" + version: announce_update, once
//                                         the window has been shown
//
// Steps 1, 12 and 13 have nothing to do on Windows: the widgets paint through
// a buffer, update_layout has placed the frames, and the hints keep their
// timing from the start.
//
// A guarded step that fails does not stop the sequence; any other step that
// fails ends it there. Once the sequence is over, the last failure goes to the
// general error handling (platform/error_report.h), and the main window is
// shown all the same. When the data folders cannot be created (step 4, or a save in
// step 11), the user is told and the program must end.
#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"

namespace orvx::mainwin {

inline constexpr char kEnglishLanguageFileName[] = "English.qlf";

enum class StartupOutcome {
  kShowWindow,  // go on: the message loop shows the main window
  kEndProgram,  // the user has been told why; end the program at once
};

// Sets context.folders (step 3) and context.settings (step 7).
[[nodiscard]] StartupOutcome run_startup_sequence(const MainContext& context, MainWindowOps& window);

// Step 18, after the first show of the main window: with the update switch,
// the waiting messages run (the window is drawn), then MSDLG_7. Shown during
// the start, the message would stand alone on the screen before any window
// of the program, and a failure of the sequence would report over it.
void announce_update(const MainContext& context, MainWindowOps& window);

}  // namespace orvx::mainwin
