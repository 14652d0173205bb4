#pragma once
// The stand-in desktop's command line:
//   standin_desktop.exe [/autoarrange] [/snaptogrid] [/activedesktop]
//                       [/ready:<file>] [<item file>]
// /activedesktop puts the view host inside an "HTML_Internet Explorer"
// layer, as the shell does with the active desktop. /ready:<file> writes
// that file once the desktop is shown. Without an item file the desktop
// starts empty.
#include <string>
#include <vector>

namespace standin {

struct Options {
  bool auto_arrange = false;
  bool snap_to_grid = false;
  bool active_desktop = false;
  std::string ready_file;
  std::string item_file;
};

Options parse_options(const std::vector<std::string>& arguments);

}  // namespace standin
