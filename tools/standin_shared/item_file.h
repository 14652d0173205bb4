#pragma once
// The stand-in desktop's item file: one item per line, "x<TAB>y<TAB>caption",
// lines ending in CR LF (LF alone is read as well), 8-bit text as the list
// view holds it. The caption is the rest of the line and may be empty.
// Lines that do not start with two numbers and two tabs are skipped.
#include <string>
#include <string_view>
#include <vector>

namespace standin {

struct StandinItem {
  std::string caption;
  int x = 0;
  int y = 0;

  friend bool operator==(const StandinItem&, const StandinItem&) = default;
};

std::vector<StandinItem> parse_items(std::string_view text);
std::string format_items(const std::vector<StandinItem>& items);

}  // namespace standin
