#pragma once
// The command-line switches. Only the first argument counts, compared exactly
// and with letter case, so at most one switch takes effect.
#include <string>
#include <string_view>
#include <vector>

namespace orvx::app {

enum class StartSwitch {
  Normal,     // nothing, or an argument that is no switch
  Portable,   // "/u": the data folder lives beside the program file
  Autostart,  // "/auto": hide the main window right after start-up
  Updated,    // "/" + own version: first start after an update
  Template,   // "/dev": write the language template, then end
};

// `arguments` are the program's arguments without the program name.
// `own_version` is the version string of the running program file; an empty
// one (no version resource) never forms the update switch, so a bare "/" is
// an ordinary argument.
StartSwitch classify_start_switch(const std::vector<std::string>& arguments,
                                  std::string_view own_version);

}  // namespace orvx::app
