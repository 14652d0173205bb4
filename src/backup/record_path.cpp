#include "backup/record_path.h"

#include <array>

#include "backup/container_error.h"
#include "platform/files.h"

namespace orvx::backup {

namespace {

bool is_stored_separator(char c) { return c == '\\' || c == '/'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Windows drops trailing dots and spaces from a path element, so ". ", "..."
// and ".. " act like "." or ".."; an element that is nothing but dots and
// spaces is never a real name.
bool only_dots_and_spaces(std::string_view element) {
  return element.find_first_not_of(". ") == std::string_view::npos;
}

// Windows opens devices under these names in every folder, with any
// extension: "nul.txt" is the null device, "com1" a serial port.
bool is_device_name(std::string_view element) {
  std::string_view stem = element.substr(0, element.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kDevices = {"con", "prn", "aux", "nul", "conin$", "conout$"};
  for (std::string_view device : kDevices) {
    if (equals_ignoring_case(stem, device)) return true;
  }
  return stem.size() == 4 &&
         (equals_ignoring_case(stem.substr(0, 3), "com") || equals_ignoring_case(stem.substr(0, 3), "lpt")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// Why `element` cannot be a folder or file name inside the target folder, or
// nullptr when it can.
const char* element_problem(std::string_view element) {
  if (element.empty()) return "an empty element";
  if (only_dots_and_spaces(element)) return "a \".\" or \"..\" element";
  if (element.find(':') != std::string_view::npos) return "a drive or stream colon";
  // Never part of a name on Windows, where containers come from.
  if (element.find_first_of("<>\"|?*") != std::string_view::npos) {
    return "a wildcard or reserved character";
  }
  for (char c : element) {
    if (static_cast<unsigned char>(c) < 0x20) return "a control character";
  }
  if (is_device_name(element)) return "a device name";
  return nullptr;
}

// The value as it can be shown in a message: control characters as \xNN.
std::string printable(std::string_view value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20)
      out += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
    else
      out += c;
  }
  return out;
}

[[noreturn]] void refuse(std::string_view what, std::string_view value, const char* problem) {
  throw ContainerError("the container holds a record whose " + std::string(what) + " \"" + printable(value) +
                       "\" has " + problem + "; it would not be written inside the target folder");
}

}  // namespace

std::string local_folder_part(std::string_view folder_part) {
  if (folder_part.empty()) return {};
  if (is_stored_separator(folder_part.front())) refuse("folder part", folder_part, "an absolute path");
  std::string_view rest = folder_part;
  if (is_stored_separator(rest.back())) rest.remove_suffix(1);
  std::string local;
  for (;;) {
    size_t end = 0;
    while (end < rest.size() && !is_stored_separator(rest[end])) ++end;
    std::string_view element = rest.substr(0, end);
    if (const char* problem = element_problem(element)) refuse("folder part", folder_part, problem);
    local.append(element);
    local += files::kSeparator;
    if (end == rest.size()) return local;
    rest.remove_prefix(end + 1);
  }
}

void check_file_name(std::string_view name) {
  for (char c : name) {
    if (is_stored_separator(c)) refuse("name", name, "a path separator");
  }
  if (const char* problem = element_problem(name)) refuse("name", name, problem);
}

}  // namespace orvx::backup
