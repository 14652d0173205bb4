#include "profiles/profile_file.h"

#include <unordered_map>

#include "config/ini_file.h"
#include "config/ini_syntax.h"
#include "platform/files.h"

namespace orvx {
namespace {

struct Entry {
  std::string key;
  std::string value;
};

struct Section {
  std::string name;  // the form first written
  std::vector<Entry> entries;
};

// Sections in the order of their first write; a write to an existing key
// replaces its value in place, as a key-by-key write of the file would.
class ProfileSections {
 public:
  void set(std::string_view section, std::string_view key, std::string value) {
    auto [it, added] = index_.try_emplace(ini::syntax::folded(section), sections_.size());
    if (added) sections_.push_back({std::string(section), {}});
    std::vector<Entry>& entries = sections_[it->second].entries;
    for (Entry& e : entries) {
      if (ini::syntax::names_equal(e.key, key)) {
        e.value = std::move(value);
        return;
      }
    }
    entries.push_back({std::string(key), std::move(value)});
  }

  std::string text() const {
    size_t size = 0;
    for (const Section& s : sections_) {
      size += s.name.size() + 4;
      for (const Entry& e : s.entries) size += e.key.size() + e.value.size() + 3;
    }
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
      out.append("[").append(s.name).append("]\r\n");
      for (const Entry& e : s.entries) out.append(e.key).append("=").append(e.value).append("\r\n");
    }
    return out;
  }

 private:
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> index_;  // folded name
};

}  // namespace

TIniSections ReadIniSections(const std::string& file_name) {
  TIniSections sections = ini::read_section_names(file_name);
  sections.emplace_back();
  return sections;
}

bool IsStorableCaption(std::string_view caption) {
  if (caption.empty()) return false;
  auto is_edge_blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  if (is_edge_blank(caption.front()) || is_edge_blank(caption.back())) return false;
  return caption.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string BuildProfileText(const TDesktopIconInfoArray& icons, ScreenSize screen_size,
                             int32_t monitor_count) {
  ProfileSections sections;
  for (const TDesktopIconInfo& icon : icons) {
    if (!IsStorableCaption(icon.Caption)) continue;
    sections.set(icon.Caption, "x", std::to_string(icon.X));
    sections.set(icon.Caption, "y", std::to_string(icon.Y));
  }
  sections.set(kProfileInfoSection, "Icons", std::to_string(icons.size()));
  sections.set(kProfileInfoSection, "Res",
               std::to_string(screen_size.width) + "x" + std::to_string(screen_size.height));
  sections.set(kProfileInfoSection, "Count", std::to_string(monitor_count));
  return sections.text();
}

bool WriteProfileFile(const TDesktopIconInfoArray& icons, const std::string& file_name,
                      ScreenSize screen_size, int32_t monitor_count) {
  return files::write_file_replacing(file_name,
                                     BuildProfileText(icons, screen_size, monitor_count));
}

TDesktopIconInfoArray ReadProfileFile(const std::string& file_name) {
  ini::IniText text = ini::IniText::load(file_name);
  TDesktopIconInfoArray icons;
  for (std::string& name : text.section_names()) {
    std::optional<std::string> x = text.value(name, "x");
    if (!x && ini::syntax::names_equal(name, kProfileInfoSection)) continue;
    std::optional<std::string> y = text.value(name, "y");
    TDesktopIconInfo icon;
    icon.X = ini::parse_integer(x.value_or(""), 0);
    icon.Y = ini::parse_integer(y.value_or(""), 0);
    icon.Caption = std::move(name);
    icons.push_back(std::move(icon));
  }
  return icons;
}

}  // namespace orvx
