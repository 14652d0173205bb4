#pragma once
// The command-line switches. The first argument counts, compared exactly and
// with letter case, so at most one switch takes effect; the one exception is
// the portable switch followed by the update switch ("/u" "/1.2.3.4"), with
// which the update script starts a portable program again: both count.
#include <string>
#include <string_view>
#include <vector>

namespace orvx::mainwin {

enum class StartSwitch {
  kNormal,           // nothing, or an argument that is no switch
  kPortable,         // "/u": the data folder lives beside the program file
  kAutostart,        // "/auto": hide the main window right after start-up
  kUpdated,          // "/" + own version: first start after an update
  kPortableUpdated,  // "/u" then "/" + own version: both of the above
  kTemplate,         // "/dev": write the language template, then end
};

// `arguments` are the program's arguments without the program name.
// `own_version` is the version string of the running program file; an empty
// one (no version resource) never forms the update switch, so a bare "/" is
// an ordinary argument.
StartSwitch classify_start_switch(const std::vector<std::string>& arguments, std::string_view own_version);

// Whether the data folder lies beside the program file.
bool is_portable(StartSwitch start_switch);

// Whether the start-up tells the user that the update went well (MSDLG_7).
bool follows_update(StartSwitch start_switch);

}  // namespace orvx::mainwin
