#include "profiles/profile_store.h"

#include "ini/ini_syntax.h"
#include "platform/wildcard.h"

namespace orvx {
namespace {

bool is_blank_or_control(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view name) {
  while (!name.empty() && is_blank_or_control(name.front())) name.remove_prefix(1);
  while (!name.empty() && is_blank_or_control(name.back())) name.remove_suffix(1);
  return name;
}

bool is_device_name(std::string_view name) {
  // The device names hold with any extension too ("con.txt").
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (ini::syntax::names_equal(stem, device)) return true;
  }
  if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
    std::string_view prefix = stem.substr(0, 3);
    return ini::syntax::names_equal(prefix, "COM") || ini::syntax::names_equal(prefix, "LPT");
  }
  return false;
}

// Files of the folder whose names end in "." + extension, folders and volume
// labels left out. The name test also drops entries that the system lists
// for the pattern only because of their short 8.3 name ("x.qpfx").
std::vector<std::string> files_with_extension(const std::string& folder, std::string_view extension) {
  std::string pattern = "*." + std::string(extension);
  std::vector<std::string> names;
  for (const files::FolderEntry& e : files::list_folder(folder, pattern)) {
    if (e.attributes & (files::kDirectory | files::kVolumeLabel)) continue;
    if (!wildcard_match(pattern, e.name)) continue;
    names.push_back(e.name);
  }
  return names;
}

}  // namespace

std::string profile_file_name(const std::string& data_folder, std::string_view profile_name) {
  std::string file = files::with_separator(data_folder);
  file.append(trimmed(profile_name)).append(".").append(kProfileExtension);
  return file;
}

ProfileNameProblem find_profile_name_problem(std::string_view profile_name) {
  // The longest name a file may have on the file systems Windows uses.
  constexpr size_t kMaxFileNameLength = 255;
  std::string_view name = trimmed(profile_name);
  if (name.empty()) return ProfileNameProblem::kEmpty;
  for (char c : name) {
    if (is_blank_or_control(c) && c != ' ') return ProfileNameProblem::kForbiddenCharacter;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      return ProfileNameProblem::kForbiddenCharacter;
    }
  }
  // A quotation mark at either end does not survive config.qcf: the
  // platform's profile reader strips it, and the standard profile chosen by
  // that name would then be another file. '"' is forbidden anywhere already.
  if (name.front() == '\'' || name.back() == '\'') return ProfileNameProblem::kQuotedAtEnd;
  if (is_device_name(name)) return ProfileNameProblem::kDeviceName;
  if (name.size() + 1 + kProfileExtension.size() > kMaxFileNameLength) return ProfileNameProblem::kTooLong;
  return ProfileNameProblem::kNone;
}

bool is_usable_profile_name(std::string_view profile_name) {
  return find_profile_name_problem(profile_name) == ProfileNameProblem::kNone;
}

std::string resolution_profile_name(ScreenSize screen_size) {
  return "ORV - " + std::to_string(screen_size.width) + "x" + std::to_string(screen_size.height);
}

std::vector<std::string> list_profiles(const std::string& data_folder) {
  std::vector<std::string> names = files_with_extension(data_folder, kProfileExtension);
  for (std::string& name : names) name.resize(name.size() - kProfileExtension.size() - 1);
  return names;
}

std::vector<std::string> list_files(const std::string& folder, std::string_view extension) {
  return files_with_extension(folder, extension);
}

files::LocalTime file_change_time(const std::string& file_name) {
  return files::last_write_local_time(file_name).value_or(kZeroDate);
}

uint64_t data_folder_size(const std::string& folder) {
  uint64_t total = 0;
  for (const files::FolderEntry& e : files::list_folder(files::with_separator(folder), "*.*")) {
    total += e.size;
  }
  return total;
}

}  // namespace orvx
