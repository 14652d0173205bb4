// Writes of single values: one pass finds the place, the new text is spliced
// into the old bytes, and the file is replaced as a whole.
#include <optional>

#include "ini/ini_encoding.h"
#include "ini/ini_file.h"
#include "platform/files.h"

namespace orvx::ini {
namespace {

using syntax::LineKind;

bool has_line_break_or_nul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Where a write of section/key lands in a text.
struct Place {
  bool section_found = false;
  // Start of the line after the section's last non-blank line, and whether
  // that line has no line break of its own (the end of a file without one).
  size_t insert_at = 0;
  bool insert_needs_break = false;
  std::optional<syntax::Line> key_line;
};

Place find_place(std::string_view text, std::string_view section, std::string_view key) {
  Place place;
  syntax::LineReader reader(text);
  syntax::Line line;
  while (reader.next(line)) {
    if (line.kind == LineKind::kHeader) {
      if (place.section_found) break;
      place.section_found = syntax::names_equal(syntax::name_of(text, line), section);
    } else if (!place.section_found || line.kind == LineKind::kBlank) {
      continue;
    } else if (!place.key_line && syntax::names_equal(syntax::name_of(text, line), key)) {
      place.key_line = line;
    }
    if (place.section_found) {
      place.insert_at = line.next;
      place.insert_needs_break = !line.has_break();
    }
  }
  return place;
}

std::string entry_line(std::string_view key, std::string_view value) {
  std::string out;
  out.reserve(key.size() + value.size() + 3);
  out.append(key).append("=").append(value).append("\r\n");
  return out;
}

}  // namespace

namespace in_memory {

bool can_write(std::string_view section, std::string_view key, std::string_view value) {
  if (has_line_break_or_nul(section) || has_line_break_or_nul(key) || has_line_break_or_nul(value)) {
    return false;
  }
  std::string_view s = syntax::trim(section);
  std::string_view k = syntax::trim(key);
  return !s.empty() && !k.empty() && k.front() != '[' && k.find('=') == std::string_view::npos;
}

std::optional<std::string> with_value(std::string text, std::string_view section, std::string_view key,
                                      std::string_view value) {
  section = syntax::trim(section);
  key = syntax::trim(key);
  while (!value.empty() && syntax::is_blank(value.front())) value.remove_prefix(1);
  Place place = find_place(text, section, key);
  if (place.key_line) {
    const syntax::Line& line = *place.key_line;
    if (line.has_value) {
      if (syntax::value_of(text, line) == value) return std::nullopt;
      text.replace(line.value_begin, line.end - line.value_begin, value);
    } else {
      size_t name_end = line.name_begin + line.name_size;
      std::string assignment(1, '=');
      assignment.append(value);
      text.replace(name_end, line.end - name_end, assignment);
    }
  } else if (place.section_found) {
    std::string insert = place.insert_needs_break ? "\r\n" : "";
    insert += entry_line(key, value);
    text.insert(place.insert_at, insert);
  } else {
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    text.append("[").append(section).append("]\r\n").append(entry_line(key, value));
  }
  return text;
}

}  // namespace in_memory

bool write_string(const std::string& path, std::string_view section, std::string_view key, std::string_view value) {
  if (!in_memory::can_write(section, key, value)) return false;
  std::optional<FileText> old = read_file_text(path);
  if (!old && files::attributes_of(path)) return false;  // there, but unreadable
  FileText file = old.value_or(FileText{});
  std::optional<std::string> updated = in_memory::with_value(std::move(file.text), section, key, value);
  if (!updated) return true;  // nothing to change
  // Written back in the file's own encoding.
  return files::write_file_replacing(path, encode_file_text(*updated, file.encoding));
}

bool write_strings(const std::string& path, std::string_view section,
                   const std::vector<std::pair<std::string, std::string>>& entries) {
  for (const auto& [key, value] : entries) {
    if (!in_memory::can_write(section, key, value)) return false;
  }
  std::optional<FileText> old = read_file_text(path);
  if (!old && files::attributes_of(path)) return false;  // there, but unreadable
  FileText file = old.value_or(FileText{});
  std::string text = std::move(file.text);
  bool changed = false;
  for (const auto& [key, value] : entries) {
    std::optional<std::string> updated = in_memory::with_value(text, section, key, value);
    if (!updated) continue;
    text = std::move(*updated);
    changed = true;
  }
  if (!changed) return true;
  return files::write_file_replacing(path, encode_file_text(text, file.encoding));
}

bool write_integer(const std::string& path, std::string_view section, std::string_view key, int32_t value) {
  return write_string(path, section, key, std::to_string(value));
}

bool write_bool(const std::string& path, std::string_view section, std::string_view key, bool value) {
  return write_string(path, section, key, value ? "1" : "0");
}

}  // namespace orvx::ini
