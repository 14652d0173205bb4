#include "net/update_server_setting.h"

#include "ini/ini_file.h"
#include "net/update_server.h"

namespace orvx::net {

std::string configured_update_server(const std::string& config_path) {
  return net::update_server_base(ini::read_string(config_path, net::kUpdateServerSection, net::kUpdateServerKey, ""));
}

}  // namespace orvx::net
