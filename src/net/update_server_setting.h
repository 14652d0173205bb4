#pragma once
// The update server the program talks to now: the key `update_server` of
// section `Settings` in config.qcf when it holds a usable address, the
// built-in one otherwise. Read anew at every use, so that a changed file
// takes effect with the next fetch.
#include <string>

namespace orvx::net {

// The base address for the language catalogue, the language files and the
// update information (net::UpdateServerBase of the configured value).
std::string configured_update_server(const std::string& config_path);

}  // namespace orvx::net
