#pragma once
// The autostart shortcut through the shell: the Startup folder from the
// shell's special folders, the shortcut written by the shell's link object.
#include <string>

#include "autostart/autostart_link.h"

namespace orvx::autostart {

// The user's Startup folder without a trailing backslash; empty when the
// shell cannot tell it.
std::string get_startup_folder();
bool autostart_link_exists(const std::string& name);
// Leaves an existing shortcut of that name as it is.
void create_autostart_link(const std::string& target, const std::string& name);
void delete_autostart_link(const std::string& name);
// A shell link to `target` with the arguments " /auto" and `description`,
// saved as `link_path`. False when the link object could not be made or
// saved. COM must be initialised on the calling thread.
bool create_shell_link(const std::string& target, const std::string& link_path, const std::string& description);

// The program's own entry, "OrvaneX".
class ShellAutostartLink final : public AutostartLink {
 public:
  bool exists() const override { return autostart_link_exists(kAutostartLinkName); }
  void create(const std::string& target) override { create_autostart_link(target, kAutostartLinkName); }
  void remove() override { delete_autostart_link(kAutostartLinkName); }
};

}  // namespace orvx::autostart
