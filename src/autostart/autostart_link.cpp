#include "autostart/autostart_link.h"

namespace orvx::autostart {
namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_separator(char c) { return c == '\\' || c == '/'; }

// "C:\..." or "\\server\share\...".
bool is_absolute(std::string_view path) {
  if (path.size() >= 3 && is_letter(path[0]) && path[1] == ':' && is_separator(path[2])) return true;
  return path.size() >= 3 && is_separator(path[0]) && is_separator(path[1]) && !is_separator(path[2]);
}

bool is_drive_root(std::string_view path) {
  while (!path.empty() && is_separator(path.back())) path.remove_suffix(1);
  return path.size() == 2 && path[1] == ':';
}

}  // namespace

std::string autostart_link_path(std::string_view startup_folder, std::string_view name) {
  if (name.empty() || !is_absolute(startup_folder) || is_drive_root(startup_folder)) return {};
  std::string path(startup_folder);
  if (!is_separator(path.back())) path += '\\';
  path += name;
  path += ".lnk";
  return path;
}

}  // namespace orvx::autostart
