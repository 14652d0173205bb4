// Reads of single values: the file is read and scanned once per call, and the
// scan stops at the end of the first section of the wanted name.
#include "ini/ini_file.h"

#include <limits>

#include "ini/ini_encoding.h"

namespace orvx::ini {
namespace {

using syntax::LineKind;

std::optional<std::string> read_value(const std::string& path, std::string_view section, std::string_view key) {
  std::optional<FileText> file = read_file_text(path);
  if (!file) return std::nullopt;
  return in_memory::find_value(file->text, section, key);
}

// A default is returned as the platform returns it: without trailing blanks
// and without quotes around it.
std::string_view as_default(std::string_view value) {
  value = syntax::cut_at_nul(value);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return syntax::strip_quotes(value);
}

}  // namespace

namespace in_memory {

std::optional<std::string> find_value(std::string_view text, std::string_view section, std::string_view key) {
  std::string_view s = syntax::query_name(section);
  std::string_view k = syntax::query_name(key);
  if (s.empty() || k.empty()) return std::nullopt;
  syntax::LineReader reader(text);
  syntax::Line line;
  bool inside = false;
  while (reader.next(line)) {
    if (line.kind == LineKind::kHeader) {
      if (inside) break;  // only the first section of that name counts
      inside = syntax::names_equal(syntax::name_of(text, line), s);
    } else if (inside && line.kind == LineKind::kEntry && syntax::names_equal(syntax::name_of(text, line), k)) {
      if (!line.has_value) return std::nullopt;
      return std::string(syntax::strip_quotes(syntax::value_of(text, line)));
    }
  }
  return std::nullopt;
}

std::vector<std::string> section_names(std::string_view text) {
  std::vector<std::string> names;
  syntax::LineReader reader(text);
  syntax::Line line;
  while (reader.next(line)) {
    if (line.kind != LineKind::kHeader) continue;
    std::string_view name = syntax::name_of(text, line);
    if (!name.empty()) names.emplace_back(name);
  }
  return names;
}

}  // namespace in_memory

std::string read_string(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view default_value) {
  std::optional<std::string> value = read_value(path, section, key);
  return value ? *value : std::string(as_default(default_value));
}

int32_t read_integer(const std::string& path, std::string_view section, std::string_view key, int32_t default_value) {
  std::optional<std::string> value = read_value(path, section, key);
  return value ? parse_integer(*value, default_value) : default_value;
}

bool read_bool(const std::string& path, std::string_view section, std::string_view key, bool default_value) {
  return read_integer(path, section, key, default_value ? 1 : 0) != 0;
}

std::vector<std::string> read_section_names(const std::string& path) {
  std::optional<FileText> file = read_file_text(path);
  return file ? in_memory::section_names(file->text) : std::vector<std::string>();
}

int32_t parse_integer(std::string_view text, int32_t default_value) {
  size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size() || text[i] < '0' || text[i] > '9') return default_value;
  // Magnitude limit: 2147483647, or 2147483648 for a negative number.
  const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return default_value;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace orvx::ini
