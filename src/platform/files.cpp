#include "platform/files.h"

namespace orvx::files {

bool is_separator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

std::string with_separator(std::string folder) {
  if (!folder.empty() && !is_separator(folder.back())) folder += kSeparator;
  return folder;
}

std::string folder_of(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (is_separator(path[i - 1])) return std::string(path.substr(0, i));
  }
  return {};
}

std::string name_of(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (is_separator(path[i - 1])) return std::string(path.substr(i));
  }
  return std::string(path);
}

bool create_folders(const std::string& path) {
  std::string folder = path;
  while (!folder.empty() && is_separator(folder.back())) folder.pop_back();
  if (folder.empty()) return true;  // the current folder, or the root
  if (folder_exists(folder)) return true;
  std::string parent = folder_of(folder);
  if (!parent.empty() && !create_folders(parent)) return false;
  return create_folder(folder);
}

}  // namespace orvx::files
