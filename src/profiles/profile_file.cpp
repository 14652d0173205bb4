#include "profiles/profile_file.h"

#include <charconv>
#include <unordered_map>

#include "ini/bounded_ini.h"
#include "ini/ini_file.h"
#include "ini/ini_syntax.h"
#include "platform/files.h"

namespace orvx {
namespace {

// One section of the file: the icon that named it first (its caption is the
// header) and the icon whose position it holds (the last of that caption).
struct IconSection {
  const DesktopIcon* first;
  const DesktopIcon* last;
};

void append_number(std::string& out, int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

void append_entry(std::string& out, std::string_view key, int64_t value) {
  out.append(key).append("=");
  append_number(out, value);
  out.append("\r\n");
}

DesktopIcons icons_of(const ini::IniText& text) {
  DesktopIcons icons;
  icons.reserve(text.section_count());
  for (size_t i = 0; i < text.section_count(); ++i) {
    std::string_view name = text.section_name(i);
    if (name.empty()) continue;
    std::optional<std::string_view> x = text.section_value(i, "x");
    if (!x && ini::syntax::names_equal(name, kProfileInfoSection)) continue;
    std::optional<std::string_view> y = text.section_value(i, "y");
    DesktopIcon icon;
    icon.x = ini::parse_integer(x.value_or(""), 0);
    icon.y = ini::parse_integer(y.value_or(""), 0);
    icon.caption = std::string(name);
    icons.push_back(std::move(icon));
  }
  return icons;
}

}  // namespace

SectionNames read_ini_sections(const std::string& file_name) {
  SectionNames sections = ini::read_section_names(file_name);
  sections.emplace_back();
  return sections;
}

bool is_storable_caption(std::string_view caption) {
  if (caption.empty()) return false;
  auto is_edge_blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  if (is_edge_blank(caption.front()) || is_edge_blank(caption.back())) return false;
  return caption.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string build_profile_text(const DesktopIcons& icons, ScreenSize screen_size, int32_t monitor_count) {
  // Sections in the order their captions first occur, compared without
  // regard to case, as writing the keys one by one would leave them.
  std::vector<IconSection> sections;
  std::unordered_map<std::string_view, size_t, ini::syntax::FoldedHash, ini::syntax::FoldedEqual> index;
  sections.reserve(icons.size());
  index.reserve(icons.size());
  size_t size = 64;
  for (const DesktopIcon& icon : icons) {
    if (!is_storable_caption(icon.caption)) continue;
    auto [it, added] = index.try_emplace(icon.caption, sections.size());
    if (added) {
      sections.push_back({&icon, &icon});
      size += icon.caption.size() + 32;
    } else {
      sections[it->second].last = &icon;
    }
  }
  // The information goes into the section of that name, which an icon may
  // have opened already, else into a last section of its own.
  auto info_section = index.find(kProfileInfoSection);
  size_t info = info_section == index.end() ? sections.size() : info_section->second;

  std::string out;
  out.reserve(size);
  auto append_info = [&] {
    append_entry(out, "Icons", static_cast<int64_t>(icons.size()));
    out.append("Res=");
    append_number(out, screen_size.width);
    out.append("x");
    append_number(out, screen_size.height);
    out.append("\r\n");
    append_entry(out, "Count", monitor_count);
  };
  for (size_t i = 0; i < sections.size(); ++i) {
    out.append("[").append(sections[i].first->caption).append("]\r\n");
    append_entry(out, "x", sections[i].last->x);
    append_entry(out, "y", sections[i].last->y);
    if (i == info) append_info();
  }
  if (info == sections.size()) {
    out.append("[").append(kProfileInfoSection).append("]\r\n");
    append_info();
  }
  return out;
}

bool write_profile_file(const DesktopIcons& icons, const std::string& file_name, ScreenSize screen_size,
                        int32_t monitor_count) {
  return files::write_file_replacing(file_name, build_profile_text(icons, screen_size, monitor_count));
}

DesktopIcons read_profile_file(const std::string& file_name) { return icons_of(ini::load_small_ini(file_name)); }

DesktopIcons read_profile_text(std::string bytes) { return icons_of(ini::IniText(std::move(bytes))); }

}  // namespace orvx
