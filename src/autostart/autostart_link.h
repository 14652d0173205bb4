#pragma once
// The autostart entry: a shortcut to the program in the user's Startup
// folder, which starts it hidden ("/auto") at logon. The shortcut file is
// the whole state: the entry exists exactly when the file does.
#include <string>
#include <string_view>

namespace orvx::autostart {

// The name of the program's shortcut, without ".lnk".
inline constexpr char kAutostartLinkName[] = "OrvaneX";
inline constexpr char kAutostartArguments[] = " /auto";
inline constexpr char kAutostartDescription[] = "Autostart Orvane X";

// Startup folder + "\" + name + ".lnk". Empty - no shortcut anywhere - when
// the folder is unknown (empty), is not an absolute path, or is a drive's
// root: the shortcut never lands in a place the user did not mean.
std::string autostart_link_path(std::string_view startup_folder, std::string_view name);

// What the settings dialog and the uninstall do with the entry.
class AutostartLink {
 public:
  virtual ~AutostartLink() = default;
  virtual bool exists() const = 0;
  // Creates the shortcut to `target` unless one of that name exists; an
  // existing shortcut is never rewritten, wherever it points.
  virtual void create(const std::string& target) = 0;
  // Deletes the shortcut when there is one; a failure is not reported.
  virtual void remove() = 0;
};

}  // namespace orvx::autostart
