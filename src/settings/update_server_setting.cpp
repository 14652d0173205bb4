#include "settings/update_server_setting.h"

#include "config/ini_file.h"
#include "net/update_server.h"

namespace orvx::settings {

std::string configured_update_server(const std::string& config_path) {
  return net::UpdateServerBase(ini::read_string(config_path, net::kUpdateServerSection, net::kUpdateServerKey, ""));
}

}  // namespace orvx::settings
