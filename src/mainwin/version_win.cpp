#include "mainwin/version_win.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/pe_build_time.h"
#include "platform/calendar.h"
#include "mainwin/system_folders_win.h"
#include "mainwin/version_info.h"
#include "platform/date_time_format.h"

namespace orvx::mainwin {

std::string get_version_string(const std::string& program_file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(program_file.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(program_file.c_str(), 0, size, data.data())) return {};
  void* block = nullptr;
  UINT block_size = 0;
  char root[] = "\\";
  if (!VerQueryValueA(data.data(), root, &block, &block_size) || !block) return {};
  return version_from_fixed_file_info(std::string_view(static_cast<const char*>(block), block_size));
}

std::string get_version_string() { return get_version_string(program_file_path()); }

std::string format_local_datetime(double datetime) {
  const files::LocalTime t = calendar_from_datetime(datetime);
  if (t.year < 1601 || t.year > 30827) return {};
  const std::unique_ptr<DateTimeFormatter> format = user_date_time_formatter();
  return format->short_date(t) + " " + format->long_time(t);
}

std::string own_version_line() {
  const std::string program = program_file_path();
  return version_line(get_version_string(program), format_local_datetime(unix_to_datetime(get_build_time(program))));
}

}  // namespace orvx::mainwin
