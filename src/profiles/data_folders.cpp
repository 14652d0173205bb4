#include "profiles/data_folders.h"

namespace orvx {

DataFolders data_folders_under(std::string_view base, char separator) {
  if (base.empty()) return {};
  std::string root(base);
  if (root.back() != separator) root += separator;
  DataFolders folders;
  folders.vendor = root + "Quillfen" + separator;
  folders.data = folders.vendor + "OrvaneX" + separator;
  return folders;
}

namespace {

// One folder level; an existing folder counts as made.
bool make_folder(const std::string& folder) {
  return !folder.empty() && (files::folder_exists(folder) || files::create_folder(folder));
}

}  // namespace

bool ensure_data_folders(const DataFolders& folders, Prompts& prompts) {
  if (make_folder(folders.vendor) && make_folder(folders.data)) return true;
  prompts.show_message(std::string(kFolderNotCreatedMessage));
  return false;
}

void require_data_folders(const DataFolders& folders, Prompts& prompts) {
  if (!ensure_data_folders(folders, prompts)) throw FoldersMissing{};
}

}  // namespace orvx
