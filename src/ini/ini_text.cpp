// IniText: one file's bytes parsed once, for many lookups.
#include <algorithm>

#include "ini/ini_file.h"
#include "ini/ini_encoding.h"
#include "platform/files.h"

namespace orvx::ini {

using syntax::LineKind;

IniText::IniText(std::string bytes) : bytes_(decode_file_bytes(std::move(bytes)).text) {
  // A line holds at most one header or entry, so the line count bounds both;
  // room made once keeps a large file from being copied as the lists grow.
  const size_t lines = static_cast<size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1;
  entries_.reserve(lines);
  sections_.reserve(lines / 2 + 1);
  first_section_by_name_.reserve(lines / 2 + 1);
  syntax::LineReader reader(bytes_);
  syntax::Line line;
  auto span_of = [](size_t begin, std::string_view cut) { return Span{begin, cut.size()}; };
  while (reader.next(line)) {
    if (line.kind == LineKind::kHeader) {
      std::string_view name = syntax::name_of(bytes_, line);
      Section s;
      s.name = span_of(line.name_begin, name);
      s.first_entry = entries_.size();
      s.first_of_name = sections_.size();
      // emplace keeps the first section of a name.
      if (!name.empty()) s.first_of_name = first_section_by_name_.emplace(name, sections_.size()).first->second;
      sections_.push_back(s);
    } else if (line.kind == LineKind::kEntry && !sections_.empty()) {
      // Entries before the first header belong to no section a name can reach.
      Entry e;
      e.name = span_of(line.name_begin, syntax::name_of(bytes_, line));
      e.has_value = line.has_value;
      if (line.has_value) e.value = span_of(line.value_begin, syntax::value_of(bytes_, line));
      entries_.push_back(e);
      ++sections_.back().entry_count;
    }
  }
}

IniText IniText::load(const std::string& path) { return IniText(files::read_file(path).value_or(std::string())); }

const IniText::Section* IniText::find_section(std::string_view name) const {
  std::string_view q = syntax::query_name(name);
  if (q.empty()) return nullptr;
  auto it = first_section_by_name_.find(q);
  return it == first_section_by_name_.end() ? nullptr : &sections_[it->second];
}

std::vector<std::string> IniText::section_names() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) {
    if (s.name.size > 0) names.emplace_back(text_of(s.name));
  }
  return names;
}

std::optional<std::string_view> IniText::value_in(const Section* s, std::string_view key) const {
  std::string_view k = syntax::query_name(key);
  if (!s || k.empty()) return std::nullopt;
  for (size_t i = s->first_entry; i < s->first_entry + s->entry_count; ++i) {
    const Entry& e = entries_[i];
    if (!syntax::names_equal(text_of(e.name), k)) continue;
    if (!e.has_value) return std::nullopt;
    return syntax::strip_quotes(text_of(e.value));
  }
  return std::nullopt;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
  std::optional<std::string_view> found = value_in(find_section(section), key);
  if (!found) return std::nullopt;
  return std::string(*found);
}

std::string_view IniText::section_name(size_t index) const { return text_of(sections_[index].name); }

std::optional<std::string_view> IniText::section_value(size_t index, std::string_view key) const {
  const Section& s = sections_[index];
  std::string_view name = text_of(s.name);
  // A name the file spells as a query would finds the first section of its
  // name, which the section knows; any other goes the way of a query.
  if (syntax::query_name(name).size() == name.size()) {
    return name.empty() ? std::nullopt : value_in(&sections_[s.first_of_name], key);
  }
  return value_in(find_section(name), key);
}

std::vector<std::pair<std::string, std::string>> IniText::entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> out;
  const Section* s = find_section(section);
  if (!s) return out;
  for (size_t i = s->first_entry; i < s->first_entry + s->entry_count; ++i) {
    const Entry& e = entries_[i];
    std::string_view name = text_of(e.name);
    if (!e.has_value || name.empty() || name.front() == ';') continue;
    out.emplace_back(name, text_of(e.value));
  }
  return out;
}

bool IniText::has_section(std::string_view section) const { return find_section(section) != nullptr; }

}  // namespace orvx::ini
