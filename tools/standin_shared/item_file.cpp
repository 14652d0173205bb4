#include "standin_shared/item_file.h"

#include <charconv>

namespace standin {

namespace {

bool take_number(std::string_view& line, int& value) {
  const size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return false;
  const char* end = line.data() + tab;
  auto [stop, error] = std::from_chars(line.data(), end, value);
  if (error != std::errc() || stop != end) return false;
  line.remove_prefix(tab + 1);
  return true;
}

}  // namespace

std::vector<StandinItem> parse_items(std::string_view text) {
  std::vector<StandinItem> items;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    StandinItem item;
    if (take_number(line, item.x) && take_number(line, item.y)) {
      item.caption = std::string(line);
      items.push_back(std::move(item));
    }
  }
  return items;
}

std::string format_items(const std::vector<StandinItem>& items) {
  std::string text;
  for (const StandinItem& item : items)
    text += std::to_string(item.x) + '\t' + std::to_string(item.y) + '\t' + item.caption + "\r\n";
  return text;
}

}  // namespace standin
