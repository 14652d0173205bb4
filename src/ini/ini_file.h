#pragma once
// The one INI reader and writer of the program: configuration, profiles,
// language files and update information all go through it.
//
// Conventions (as the platform's private-profile functions behave):
//  - section and key names match without regard to case (Windows-1252
//    letters included); the first section of a name is the one searched, and
//    the first matching key in it wins;
//  - names given to a read or write are trimmed of blanks;
//  - a value is read trimmed, without one pair of matching quotes around it,
//    up to a NUL byte; a key line without "=" reads as missing;
//  - an integer read takes a leading signed decimal number that fits 32 bits,
//    else the default ("0x10" reads as 0: our numbers are decimal);
//  - a write changes only its key and keeps every other byte of the file; a new
//    key goes after the last line of its section, a new section at the end;
//    lines end in CR LF; 8-bit bytes are kept verbatim;
//  - the free functions open the file for each access and hold nothing open;
//  - a file of UTF-16LE text with its byte-order mark is read converted to
//    Windows-1252 and written back as UTF-16LE (ini/ini_encoding.h).
// Syntax details: ini/ini_syntax.h.
//
// IniText is the parsed form of one file's bytes, for callers that read many
// values of one file at once (a profile, a language file): it is parsed once
// and each lookup costs a hash probe and a walk of one section.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ini/ini_syntax.h"

namespace orvx::ini {

class IniText {
 public:
  IniText() = default;
  // The bytes of a file, decoded as ini/ini_encoding.h says.
  explicit IniText(std::string bytes);
  // The file's bytes, or an empty text when it cannot be read.
  static IniText load(const std::string& path);

  // Section names in file order, as written, duplicates included; headers
  // with an empty name ("[]") are left out, as the platform lists them.
  std::vector<std::string> section_names() const;
  // The value of section/key as a string read returns it, or nullopt when
  // the section or the key is missing or the key line has no "=".
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The key=value lines of a section in file order (the first section of that
  // name), for readers that walk a whole section. Values are as written
  // (trimmed, quotes kept); lines without "=", ";" comments and empty names
  // are left out.
  std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
  bool has_section(std::string_view section) const;

  // Every section by its place in the file, headers with an empty name
  // included, for readers that walk all sections once: its name, and a
  // value of it as value(section_name(index), key) returns it, without a
  // copy.
  size_t section_count() const { return sections_.size(); }
  std::string_view section_name(size_t index) const;
  std::optional<std::string_view> section_value(size_t index, std::string_view key) const;

  // The text, in Windows-1252.
  const std::string& bytes() const { return bytes_; }

 private:
  // Offsets into bytes_ of a name or value, already cut at a NUL.
  struct Span {
    size_t begin = 0;
    size_t size = 0;
  };
  struct Entry {
    Span name;
    Span value;
    bool has_value = false;
  };
  struct Section {
    Span name;
    size_t first_entry = 0;  // index into entries_
    size_t entry_count = 0;
    size_t first_of_name = 0;  // index into sections_ of the first section of this name
  };
  std::string_view text_of(Span span) const { return std::string_view(bytes_).substr(span.begin, span.size); }
  const Section* find_section(std::string_view name) const;
  std::optional<std::string_view> value_in(const Section* section, std::string_view key) const;

  std::string bytes_;
  std::vector<Section> sections_;
  std::vector<Entry> entries_;  // grouped by section, in file order
  // The first section of each name, found by any case of it.
  std::unordered_map<std::string, size_t, syntax::FoldedHash, syntax::FoldedEqual> first_section_by_name_;
};

// Reads.
std::string read_string(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view default_value);
int32_t read_integer(const std::string& path, std::string_view section, std::string_view key, int32_t default_value);
bool read_bool(const std::string& path, std::string_view section, std::string_view key, bool default_value);
std::vector<std::string> read_section_names(const std::string& path);

// Leading signed decimal number of `text`, else `default_value`.
int32_t parse_integer(std::string_view text, int32_t default_value);

// Writes: create the file, the section or the key as needed; the file is
// replaced as a whole, so it is never left half written. False on failure,
// and for names or values a line cannot hold: an empty section or key name,
// a CR, LF or NUL anywhere, a key with "=" or starting with "[".
bool write_string(const std::string& path, std::string_view section, std::string_view key, std::string_view value);
bool write_integer(const std::string& path, std::string_view section, std::string_view key, int32_t value);
bool write_bool(const std::string& path, std::string_view section, std::string_view key, bool value);
// Several keys of one section in one write, in this order, as write_string
// would write them one by one: either all of them reach the file or none.
bool write_strings(const std::string& path, std::string_view section,
                   const std::vector<std::pair<std::string, std::string>>& entries);

// The same reads and writes on a file's bytes in memory.
namespace in_memory {
std::optional<std::string> find_value(std::string_view text, std::string_view section, std::string_view key);
std::vector<std::string> section_names(std::string_view text);
// Whether write_string accepts these names and this value.
bool can_write(std::string_view section, std::string_view key, std::string_view value);
// The text with section/key set to value (names and value as can_write
// accepts them), or nullopt when the text holds that value already.
std::optional<std::string> with_value(std::string text, std::string_view section, std::string_view key,
                                      std::string_view value);
}  // namespace in_memory

}  // namespace orvx::ini
