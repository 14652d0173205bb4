#include "platform/files.h"

#include <cctype>

#include "platform/replacing_temp.h"

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

std::string replacing_temp_name(const std::string& folder, std::string_view unique) {
  std::string name = folder;
  name += kReplacingTempPrefix;
  name += unique;
  name += kReplacingTempSuffix;
  return name;
}

bool is_replacing_temp_name(std::string_view name) {
  auto same = [](std::string_view a, std::string_view b) {
    for (size_t i = 0; i < a.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
        return false;
      }
    }
    return true;
  };
  const size_t ends = kReplacingTempPrefix.size() + kReplacingTempSuffix.size();
  return name.size() > ends && same(name.substr(0, kReplacingTempPrefix.size()), kReplacingTempPrefix) &&
         same(name.substr(name.size() - kReplacingTempSuffix.size()), kReplacingTempSuffix);
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
