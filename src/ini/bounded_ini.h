#pragma once
// Reading the program's own small INI files (configuration, language files)
// with a size limit: each is a few kilobytes, and a file far beyond that is
// no such file. It reads as missing instead of being loaded whole into
// memory, which on a 32-bit system could fail outright or stall the program.
#include <cstdint>
#include <string>

#include "ini/ini_file.h"

namespace orvx::ini {

inline constexpr uint64_t kLargestSmallIniFile = uint64_t{16} << 20;

// True when `path` is a file of at most kLargestSmallIniFile bytes.
bool small_ini_file(const std::string& path);

// The parsed file; an empty text when it is missing, unreadable or too big.
IniText load_small_ini(const std::string& path);

}  // namespace orvx::ini
