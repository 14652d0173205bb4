#include "profiles/stored_screen.h"

#include <charconv>

#include "ini/bounded_ini.h"
#include "profiles/profile_file.h"

namespace orvx {
namespace {

std::optional<int32_t> parse_count(std::string_view text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<ScreenSize> parse_screen_size_text(std::string_view text) {
  const size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<int32_t> width = parse_count(text.substr(0, x));
  const std::optional<int32_t> height = parse_count(text.substr(x + 1));
  if (!width || !height || *width <= 0 || *height <= 0) return std::nullopt;
  return ScreenSize{*width, *height};
}

StoredScreen read_stored_screen(const std::string& file_name) {
  const ini::IniText text = ini::load_small_ini(file_name);
  StoredScreen stored;
  if (const std::optional<std::string> res = text.value(kProfileInfoSection, "Res")) {
    stored.size = parse_screen_size_text(*res);
  }
  if (const std::optional<std::string> count = text.value(kProfileInfoSection, "Count")) {
    stored.monitor_count = parse_count(*count);
  }
  return stored;
}

bool profile_fits_screen(const StoredScreen& stored, const ScreenMeasures& screen) {
  if (!stored.size) return true;
  if (stored.size->width != screen.size.width || stored.size->height != screen.size.height) return false;
  return !stored.monitor_count || *stored.monitor_count == screen.monitor_count;
}

}  // namespace orvx
