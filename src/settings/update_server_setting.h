#pragma once
// The update server the program talks to: the built-in one, or the address
// in `update_server` of section `Settings` of config.qcf.
#include <string>

namespace orvx::settings {

// The base address from the file at `config_path`; the built-in one when
// the key is missing or names no address the download component can use.
std::string configured_update_server(const std::string& config_path);

}  // namespace orvx::settings
