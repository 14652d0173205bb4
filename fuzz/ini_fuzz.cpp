// Any bytes as an INI file. Besides not crashing or hanging, the parsed form
// and the single-value scan must agree on the file's text, and a write,
// stored in the file's own encoding, must read back without changing what
// the other sections hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ini/ini_encoding.h"
#include "ini/ini_file.h"

using namespace orvx::ini;

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// The value of the first key of each section (at most a few sections).
std::vector<std::optional<std::string>> first_values(const IniText& text, const std::vector<std::string>& names,
                                                     std::string_view skip) {
  std::vector<std::optional<std::string>> values;
  for (size_t i = 0; i < names.size() && i < 8; ++i) {
    if (syntax::names_equal(syntax::query_name(names[i]), syntax::query_name(skip))) continue;
    auto entries = text.entries(names[i]);
    values.push_back(entries.empty() ? std::nullopt : text.value(names[i], entries[0].first));
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const IniText text(bytes);
  // The scans work on the text, which for a UTF-16LE file is not its bytes.
  const std::string& decoded = text.bytes();
  const std::vector<std::string> names = text.section_names();
  require(names == in_memory::section_names(decoded));

  for (size_t i = 0; i < names.size() && i < 16; ++i) {
    const std::string& section = names[i];
    // A name cut by a NUL can end in a blank that no (trimmed) query has.
    if (syntax::query_name(section) == section) require(text.has_section(section));
    auto entries = text.entries(section);
    for (size_t e = 0; e < entries.size() && e < 8; ++e) {
      const auto& [key, value] = entries[e];
      require(text.value(section, key) == in_memory::find_value(decoded, section, key));
      parse_integer(value, 0);
    }
    require(text.value(section, "x") == in_memory::find_value(decoded, section, "x"));
  }

  // One write: into an existing section (and key) when there is one.
  std::string section = names.empty() ? "Neu" : names[size % names.size()];
  auto entries = text.entries(section);
  std::string key = entries.empty() ? "k" : entries[size % entries.size()].first;
  const std::string value = "v" + std::to_string(size);
  if (!in_memory::can_write(section, key, value)) return 0;
  std::optional<std::string> updated = in_memory::with_value(decoded, section, key, value);
  const FileEncoding encoding = decode_file_bytes(bytes).encoding;
  const IniText after(encode_file_text(updated ? *updated : decoded, encoding));
  require(after.value(section, key) == value);
  require(in_memory::find_value(after.bytes(), section, key) == value);
  require(first_values(after, names, section) == first_values(text, names, section));
  return 0;
}
