#pragma once
// The one INI reader and writer of the program: configuration, profiles,
// language files and update information all go through it.
//
// Conventions (as the platform's private-profile functions behave):
//  - section and key names match without regard to case; the first match wins;
//  - an integer read takes a leading signed decimal number, else the default;
//  - a write changes only its key and keeps every other byte of the file;
//  - lines end in CR LF; 8-bit bytes are kept verbatim;
//  - the free functions open the file for each access and hold nothing open.
//
// IniText is the parsed form of one file's bytes, for callers that read many
// values of one file at once (a profile, a language file).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvx::ini {

class IniText {
 public:
  IniText() = default;
  explicit IniText(std::string bytes);
  // The file's bytes, or an empty text when it cannot be read.
  static IniText load(const std::string& path);

  // Section names in file order, as written (duplicates included as the
  // platform lists them).
  std::vector<std::string> section_names() const;
  // The raw value of section/key, or nullopt when either is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The key=value lines of a section in file order (the first section of that
  // name), for readers that walk a whole section.
  std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
  bool has_section(std::string_view section) const;

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads.
std::string read_string(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view default_value);
int32_t read_integer(const std::string& path, std::string_view section, std::string_view key,
                     int32_t default_value);
bool read_bool(const std::string& path, std::string_view section, std::string_view key,
               bool default_value);
std::vector<std::string> read_section_names(const std::string& path);

// Leading signed decimal number of `text`, else `default_value`.
int32_t parse_integer(std::string_view text, int32_t default_value);

// Writes: create the file, the section or the key as needed. False on failure.
bool write_string(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value);
bool write_integer(const std::string& path, std::string_view section, std::string_view key,
                   int32_t value);
bool write_bool(const std::string& path, std::string_view section, std::string_view key, bool value);

}  // namespace orvx::ini
