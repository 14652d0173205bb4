#pragma once
// Ending the program at once: the data folders could not be created, the
// user has been told so, and nothing may go on.
#include "app/data_folders.h"
#include "platform/prompts.h"

namespace orvx::app {

// Thrown after the user has been told why the program ends. It derives from
// no std::exception on purpose: it is no error to report. Flows let it pass;
// the start-up sequence turns it into StartupOutcome::EndProgram; the main
// window's handlers catch it before anything else, ahead of the general error
// handling, and end the program without a report.
struct EndProgramNow {};

// ensure_data_folders, and EndProgramNow when it fails (after its message).
void require_data_folders(const DataFolders& folders, Prompts& prompts);

}  // namespace orvx::app
