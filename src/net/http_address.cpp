#include "net/http_address.h"

#include <cctype>

namespace orvx::net {
namespace {

bool starts_with_no_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<HttpAddress> split_http_address(std::string_view url) {
  constexpr std::string_view kScheme = "http://";
  if (starts_with_no_case(url, kScheme)) url.remove_prefix(kScheme.size());
  size_t slash = url.find('/');
  if (slash == std::string_view::npos || slash == 0) return std::nullopt;
  return HttpAddress{std::string(url.substr(0, slash)), std::string(url.substr(slash))};
}

}  // namespace orvx::net
