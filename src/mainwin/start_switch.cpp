#include "mainwin/start_switch.h"

namespace orvx::mainwin {
namespace {

bool is_update_switch(std::string_view argument, std::string_view own_version) {
  return !own_version.empty() && argument.size() == own_version.size() + 1 && argument[0] == '/' &&
         argument.substr(1) == own_version;
}

}  // namespace

StartSwitch classify_start_switch(const std::vector<std::string>& arguments, std::string_view own_version) {
  if (arguments.empty()) return StartSwitch::kNormal;
  const std::string& first = arguments.front();
  if (first == "/u") {
    return arguments.size() > 1 && is_update_switch(arguments[1], own_version) ? StartSwitch::kPortableUpdated
                                                                               : StartSwitch::kPortable;
  }
  if (first == "/auto") return StartSwitch::kAutostart;
  if (first == "/dev") return StartSwitch::kTemplate;
  if (is_update_switch(first, own_version)) return StartSwitch::kUpdated;
  return StartSwitch::kNormal;
}

bool is_portable(StartSwitch start_switch) {
  return start_switch == StartSwitch::kPortable || start_switch == StartSwitch::kPortableUpdated;
}

bool follows_update(StartSwitch start_switch) {
  return start_switch == StartSwitch::kUpdated || start_switch == StartSwitch::kPortableUpdated;
}

}  // namespace orvx::mainwin
