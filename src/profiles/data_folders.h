#pragma once
// Where everything the program stores lives: the vendor folder and, below it,
// the data folder with config.qcf, the profiles and the lang folder.
#include <string>
#include <string_view>

#include "platform/error_report.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace orvx {

struct DataFolders {
  std::string vendor;  // base + "Quillfen" + separator
  std::string data;    // base + "Quillfen" + separator + "OrvaneX" + separator
};

// The folders below `base`; a separator is added to `base` unless it ends
// with one. An empty base (it could not be determined) gives empty folders,
// never folders relative to the working directory.
DataFolders data_folders_under(std::string_view base, char separator = files::kSeparator);

// Shown when a folder cannot be created (CR LF line breaks, as message boxes
// break lines).
inline constexpr std::string_view kFolderNotCreatedMessage =
    "ORVX Folder ist not create!\r\n\r\nORVX Verzeichnis konnte nicht erstellt werden!";

// Creates the vendor folder and then the data folder, one level each, where
// they do not exist yet. True when both exist. Otherwise the folder message
// has been shown and the caller must end the program at once.
[[nodiscard]] bool ensure_data_folders(const DataFolders& folders, Prompts& prompts);

// Thrown when the data folders could not be created, after the user has
// been told. The operations below the program let it pass; the program ends
// at once (errors::ProgramMustEnd).
struct FoldersMissing : errors::ProgramMustEnd {};

// ensure_data_folders, and FoldersMissing when it fails (after its message).
void require_data_folders(const DataFolders& folders, Prompts& prompts);

}  // namespace orvx
