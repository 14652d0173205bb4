#include "net/update_server.h"

#include "net/http_address.h"

namespace orvx::net {

std::string update_server_base(std::string_view configured) {
  while (!configured.empty() && configured.back() == '/') configured.remove_suffix(1);
  constexpr std::string_view kScheme = "http://";
  if (configured.size() <= kScheme.size()) return kBuiltInUpdateServer;
  for (size_t i = 0; i < kScheme.size(); ++i) {
    char c = configured[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kScheme[i]) return kBuiltInUpdateServer;
  }
  for (unsigned char c : configured) {
    if (c <= ' ' || c == 0x7F) return kBuiltInUpdateServer;
  }
  // Something must be left to fetch from: a host before any path.
  if (!split_http_address(std::string(configured) + "/")) return kBuiltInUpdateServer;
  return std::string(configured);
}

std::string update_server_url(std::string_view base, std::string_view path) {
  std::string url(base);
  url += path;
  return url;
}

}  // namespace orvx::net
