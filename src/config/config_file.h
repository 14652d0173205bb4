#pragma once
// Where the configuration lives: config.qcf in the data folder.
#include <string>
#include <string_view>

namespace orvx::config {

inline constexpr std::string_view kConfigFileName = "config.qcf";

// folder + separator (when missing) + config.qcf; empty for an empty folder,
// so that a folder that was never set reads nothing and writes nowhere.
std::string config_file_path(const std::string& folder);

}  // namespace orvx::config
