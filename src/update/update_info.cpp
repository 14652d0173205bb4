#include "update/update_info.h"

#include <optional>

#include "ini/bounded_ini.h"
#include "ini/ini_file.h"

namespace orvx::update {
namespace {

UpdateInfo info_of(const ini::IniText& file, std::string_view server_base) {
  UpdateInfo info;
  const std::optional<std::string> version = file.value(kUpdateInfoSection, "version");
  info.version = version.value_or("0");
  info.version_given = version.has_value();
  info.up_infos = file.value(kUpdateInfoSection, "UP_INFOS").value_or(std::string(server_base));
  info.dl_url = file.value(kUpdateInfoSection, "DL_Url").value_or("ERROR");
  return info;
}

}  // namespace

UpdateInfo parse_update_info(std::string_view text, std::string_view server_base) {
  return info_of(ini::IniText(std::string(text)), server_base);
}

UpdateInfo read_update_info(const std::string& path, std::string_view server_base) {
  return info_of(ini::load_small_ini(path), server_base);
}

}  // namespace orvx::update
