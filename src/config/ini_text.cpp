// IniText: one file's bytes parsed once, for many lookups.
#include "config/ini_file.h"
#include "platform/files.h"

namespace orvx::ini {

using syntax::LineKind;

IniText::IniText(std::string bytes) : bytes_(std::move(bytes)) {
  syntax::LineReader reader(bytes_);
  syntax::Line line;
  while (reader.next(line)) {
    if (line.kind == LineKind::kHeader) {
      Section s;
      s.header = lines_.size();
      s.first_entry = lines_.size() + 1;
      lines_.push_back(line);
      std::string_view name = name_of(line);
      if (!name.empty()) first_section_by_name_.try_emplace(syntax::folded(name), sections_.size());
      sections_.push_back(s);
    } else if (line.kind == LineKind::kEntry && !sections_.empty()) {
      // Entries before the first header belong to no section a name can reach.
      lines_.push_back(line);
      ++sections_.back().entry_count;
    }
  }
}

IniText IniText::load(const std::string& path) {
  return IniText(files::read_file(path).value_or(std::string()));
}

std::string_view IniText::name_of(const syntax::Line& line) const {
  return syntax::name_of(bytes_, line);
}

const IniText::Section* IniText::find_section(std::string_view name) const {
  std::string_view q = syntax::query_name(name);
  if (q.empty()) return nullptr;
  auto it = first_section_by_name_.find(syntax::folded(q));
  return it == first_section_by_name_.end() ? nullptr : &sections_[it->second];
}

std::vector<std::string> IniText::section_names() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) {
    std::string_view name = name_of(lines_[s.header]);
    if (!name.empty()) names.emplace_back(name);
  }
  return names;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
  const Section* s = find_section(section);
  std::string_view k = syntax::query_name(key);
  if (!s || k.empty()) return std::nullopt;
  for (size_t i = s->first_entry; i < s->first_entry + s->entry_count; ++i) {
    const syntax::Line& line = lines_[i];
    if (!syntax::names_equal(name_of(line), k)) continue;
    if (!line.has_value) return std::nullopt;
    return std::string(syntax::strip_quotes(syntax::value_of(bytes_, line)));
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniText::entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> out;
  const Section* s = find_section(section);
  if (!s) return out;
  for (size_t i = s->first_entry; i < s->first_entry + s->entry_count; ++i) {
    const syntax::Line& line = lines_[i];
    std::string_view name = name_of(line);
    if (!line.has_value || name.empty() || name.front() == ';') continue;
    out.emplace_back(name, syntax::value_of(bytes_, line));
  }
  return out;
}

bool IniText::has_section(std::string_view section) const { return find_section(section) != nullptr; }

}  // namespace orvx::ini
