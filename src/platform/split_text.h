#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace orvx {

// The parts of a text cut at every occurrence of a separator.
using TextParts = std::vector<std::string>;

// n separators give n + 1 parts; empty parts are kept and nothing is trimmed
// ("a,,b," gives "a", "", "b", ""). An empty separator gives the whole text
// as the one part.
TextParts split_text(std::string_view text, std::string_view separator);

}  // namespace orvx
