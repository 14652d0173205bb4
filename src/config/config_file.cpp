#include "config/config_file.h"

#include "platform/files.h"

namespace orvx::config {

std::string config_file_path(const std::string& folder) {
  if (folder.empty()) return {};
  return files::with_separator(folder) + std::string(kConfigFileName);
}

}  // namespace orvx::config
