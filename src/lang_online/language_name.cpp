#include "lang_online/language_name.h"

#include <array>

#include "ini/ini_syntax.h"

namespace orvx::lang_online {
namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";
constexpr std::string_view kExtension = ".qlf";

bool forbidden(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F || kForbidden.find(c) != std::string_view::npos;
}

// Windows opens the device for its name with any extension, and ignores
// blanks and dots that end the base name.
bool device_name(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.remove_suffix(1);
  static constexpr std::array<std::string_view, 5> kPlain = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
  for (std::string_view device : kPlain) {
    if (ini::syntax::names_equal(base, device)) return true;
  }
  if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
    std::string_view stem = base.substr(0, 3);
    return ini::syntax::names_equal(stem, "COM") || ini::syntax::names_equal(stem, "LPT");
  }
  return false;
}

}  // namespace

NameProblem check_language_name(std::string_view name, std::string_view lang_folder) {
  if (name.empty()) return NameProblem::kEmpty;
  for (char c : name) {
    if (forbidden(c)) return NameProblem::kForbiddenCharacter;
  }
  if (name == "." || name == "..") return NameProblem::kDotName;
  if (device_name(name)) return NameProblem::kDeviceName;
  if (lang_folder.size() + name.size() + kExtension.size() > kMaxPathLength) {
    return NameProblem::kTooLong;
  }
  return NameProblem::kNone;
}

std::string name_problem_message(std::string_view name, NameProblem problem) {
  std::string text = "The language \"" + std::string(name) + "\" cannot be downloaded:\r";
  switch (problem) {
    case NameProblem::kNone:
      return {};
    case NameProblem::kEmpty:
      return text + "the name is empty.";
    case NameProblem::kForbiddenCharacter:
      return text +
             "the name holds a character that no file name may hold (\\ / : * ? \" < > | or a control character).";
    case NameProblem::kDotName:
      return text + "the name is not a file name.";
    case NameProblem::kDeviceName:
      return text + "the name is reserved by Windows for a device.";
    case NameProblem::kTooLong:
      return text + "the name is too long for a file in the language folder.";
  }
  return text;
}

}  // namespace orvx::lang_online
