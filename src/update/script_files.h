#pragma once
// Writing the update and uninstall scripts into the temporary folder, once
// the temporary-name service has given a name. Starting the script and
// ending the program are left to the caller.
#include <cstdint>
#include <string>
#include <string_view>

#include "update/console_code_page.h"
#include "update/scripts.h"
#include "platform/message_ids.h"

namespace orvx::update {

enum class ScriptOutcome {
  kWritten,            // the script is in place; start it and end the program
  kNotAProgram,        // the download is no program for this build; it was removed
  kFolderNotWritable,  // the program's folder takes no new file
  kUnsafePaths,        // a path or the version cannot stand in the script
  kNoConsoleForm,      // a path holds a character the console cannot read
  kWriteFailed,        // the script file could not be written
};

// How a script is written: in the console's code page, waiting a bounded
// number of rounds for the program file.
struct ScriptWriting {
  ConsoleCodePage code_page;
  int wait_rounds = kWaitRounds;
};

// Whether a new file can be created in `folder` (a probe file is created and
// removed again).
bool can_write_into(const std::string& folder);

// The first of the script's paths (program, temporary folder, data folder,
// script) that has a character without a form in `code_page`; empty when
// there is none.
std::string path_without_console_form(const ScriptPaths& paths, const ConsoleCodePage& code_page);

// For `temp_name` from the temporary-name service: checks the download
// ({T}OrvaneX.tmp) and the program's folder, writes the update script
// (paths.script is set from temp_name). The ".tmp" placeholder is deleted
// whatever the outcome.
// A download that is no program for `machine` is deleted.
ScriptOutcome write_update_script(ScriptPaths& paths, std::string_view temp_name, std::string_view version,
                                  StartMode start_mode, uint16_t machine, const ScriptWriting& writing);

// The same for the uninstall script. An unsafe data folder writes nothing.
ScriptOutcome write_uninstall_script(ScriptPaths& paths, std::string_view temp_name, const ScriptWriting& writing);

}  // namespace orvx::update
