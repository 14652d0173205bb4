#pragma once
// Windows refuses to replace a read-only file. A process that the system
// lets ignore the attribute (Wine run by the superuser) is held to that rule
// here, so that a file its owner made read-only stays as it is.
#include <windows.h>

#include <string>

namespace orvx::files {

inline bool is_read_only(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace orvx::files
