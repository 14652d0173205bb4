#include "options.h"

namespace standin {

Options parse_options(const std::vector<std::string>& arguments) {
  Options options;
  for (const std::string& argument : arguments) {
    if (argument == "/autoarrange")
      options.auto_arrange = true;
    else if (argument == "/snaptogrid")
      options.snap_to_grid = true;
    else if (argument == "/activedesktop")
      options.active_desktop = true;
    else if (argument.starts_with("/ready:"))
      options.ready_file = argument.substr(7);
    else
      options.item_file = argument;
  }
  return options;
}

}  // namespace standin
