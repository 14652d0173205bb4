#pragma once
// Small helpers for 8-bit Windows-1252 text: case-insensitive comparison the
// way Windows compares file names and key names (letters with accents too),
// and trimming.
#include <string>
#include <string_view>

namespace orvx::text {

// The lower-case form of a Windows-1252 letter; other bytes unchanged.
char fold_case(char c);

bool equal_ignoring_case(std::string_view a, std::string_view b);
bool starts_with_ignoring_case(std::string_view text, std::string_view prefix);

// Without the blanks and control characters (bytes up to 0x20) at both ends.
std::string_view trim(std::string_view text);

// Every occurrence of `from` (not empty) replaced by `to`, left to right.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

// A message's text with `detail` in place of its first "%s"; a text without
// one stays as it is.
std::string with_detail(std::string_view text, std::string_view detail);

}  // namespace orvx::text
