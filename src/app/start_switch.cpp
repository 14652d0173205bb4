#include "app/start_switch.h"

namespace orvx::app {

StartSwitch classify_start_switch(const std::vector<std::string>& arguments,
                                  std::string_view own_version) {
  if (arguments.empty()) return StartSwitch::Normal;
  const std::string& first = arguments.front();
  if (first == "/u") return StartSwitch::Portable;
  if (first == "/auto") return StartSwitch::Autostart;
  if (first == "/dev") return StartSwitch::Template;
  if (!own_version.empty() && first.size() == own_version.size() + 1 && first[0] == '/' &&
      std::string_view(first).substr(1) == own_version) {
    return StartSwitch::Updated;
  }
  return StartSwitch::Normal;
}

}  // namespace orvx::app
