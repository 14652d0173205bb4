#include "ini/bounded_ini.h"

#include "platform/files.h"

namespace orvx::ini {

bool small_ini_file(const std::string& path) {
  const auto size = files::file_size(path);
  return size && *size <= kLargestSmallIniFile;
}

IniText load_small_ini(const std::string& path) { return small_ini_file(path) ? IniText::load(path) : IniText(); }

}  // namespace orvx::ini
