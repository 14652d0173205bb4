#pragma once
// Splitting a download address into host and path. The download component
// speaks plain HTTP to port 80 only, so an address is "http://" (optional,
// any letter case), a host name, and a path that begins with "/".
#include <optional>
#include <string>
#include <string_view>

namespace orvx::net {

struct HttpAddress {
  std::string host;  // the text before the first "/"
  std::string path;  // the rest, beginning with "/"
};

// Nullopt when the address has no "/" after the host, or no host at all:
// such a fetch fails.
std::optional<HttpAddress> split_http_address(std::string_view url);

}  // namespace orvx::net
