#include "net/fetch_rules.h"

#include <limits>

namespace orvx::net {

std::optional<int32_t> parse_content_length(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

bool status_accepted(std::optional<int> status) { return status && *status >= 200 && *status <= 299; }

std::string partial_file_name(const std::string& target) { return target + ".part"; }

bool transfer_complete(const TransferFacts& facts) {
  if (facts.mode == FetchMode::kString && facts.received == 0) return false;
  if (facts.announced) return facts.received == *facts.announced;
  return facts.received > 0 && facts.ended_normally;
}

}  // namespace orvx::net
