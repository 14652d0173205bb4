#include "config/settings.h"

#include "ini/bounded_ini.h"
#include "config/config_file.h"
#include "ini/ini_file.h"

namespace orvx::config {
namespace {

class SettingsReader {
 public:
  explicit SettingsReader(const std::string& path) : file_(ini::load_small_ini(path)) {}

  bool boolean(const char* key, bool fallback) const { return integer(key, fallback ? 1 : 0) != 0; }
  int32_t integer(const char* key, int32_t fallback) const {
    auto value = file_.value(kSettingsSection, key);
    return value ? ini::parse_integer(*value, fallback) : fallback;
  }
  std::string string(const char* key, std::string_view fallback) const {
    return file_.value(kSettingsSection, key).value_or(std::string(fallback));
  }

 private:
  ini::IniText file_;
};

}  // namespace

SettingsRecord read_settings(const std::string& config_path) {
  const SettingsRecord defaults;
  const SettingsReader in(config_path);
  SettingsRecord s;
  s.auto_check_icons = in.boolean("auto_check_icons", defaults.auto_check_icons);
  s.auto_check_icons_value = in.integer("auto_check_icons_value", defaults.auto_check_icons_value);
  s.sort_after_res = in.boolean("sort_after_res", defaults.sort_after_res);
  s.standard_profile = in.string("std_profil", defaults.standard_profile);
  s.live_desktop = in.boolean("live_desktop", defaults.live_desktop);
  s.active_hotkey = in.boolean("active_hotkey", defaults.active_hotkey);
  s.hot_key_value = in.string("HotKey_value", defaults.hot_key_value);
  s.lang_list = in.string("lang_list", defaults.lang_list);
  s.form_status_button_value = in.boolean("form_status_button_value", defaults.form_status_button_value);
  return s;
}

bool write_settings(const std::string& config_path, const SettingsRecord& s, bool with_language) {
  auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
  std::vector<std::pair<std::string, std::string>> entries = {
      {"auto_check_icons", flag(s.auto_check_icons)},
      {"auto_check_icons_value", std::to_string(s.auto_check_icons_value)},
      {"sort_after_res", flag(s.sort_after_res)},
      {"std_profil", s.standard_profile},
      {"active_hotkey", flag(s.active_hotkey)},
      {"HotKey_value", s.hot_key_value},
      {"live_desktop", flag(s.live_desktop)},
  };
  if (with_language) entries.emplace_back("lang_list", s.lang_list);
  return ini::write_strings(config_path, kSettingsSection, entries);
}

}  // namespace orvx::config
