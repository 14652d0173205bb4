#pragma once
// The uninstall button's flow: the question, the autostart shortcut, the
// script, the message. The caller ends the program when the script runs.
#include <functional>
#include <string>
#include <string_view>

#include "platform/prompts.h"
#include "update/scripts.h"
#include "update/system_steps.h"
#include "platform/message_ids.h"

namespace orvx::update {

enum class UninstallEnd {
  kDeclined,    // No to MSDLG_12: nothing removed, nothing shown
  kRefused,     // no script could be written: MSDLG_10 (an unsafe data folder),
                // MSDLG_10_a (a path the console cannot read); nothing removed
  kNotStarted,  // the temporary folder could not be entered, or the script not started
  kStarted,     // the script runs: end the program at once
};

struct UninstallContext {
  Prompts& prompts;
  std::function<std::string(MessageId id)> message;  // get_message by id
  SystemSteps& system;
  std::function<void()> delete_autostart_link;  // the shortcut "OrvaneX"
};

// `paths`: program, temp_folder and data_folder set; the script's name is
// made here.
UninstallEnd run_uninstall(const UninstallContext& context, ScriptPaths paths);

}  // namespace orvx::update
