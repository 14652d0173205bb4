#include "ui/caption_text.h"

#include <algorithm>
#include <climits>

namespace orvx::ui {

std::string escape_ampersands(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

namespace {
constexpr std::string_view kOpen = "<link>";
constexpr std::string_view kClose = "</link>";

void append_run(std::vector<TextRun>& runs, std::string_view text, bool is_link) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().is_link == is_link) {
    runs.back().text += text;
  } else {
    runs.push_back({std::string(text), is_link});
  }
}
}  // namespace

std::vector<TextRun> split_link_caption(std::string_view caption) {
  if (caption.find(kOpen) == std::string_view::npos && caption.find(kClose) == std::string_view::npos) {
    std::vector<TextRun> runs;
    append_run(runs, caption, true);
    return runs;
  }
  std::vector<TextRun> runs;
  bool in_link = false;
  while (!caption.empty()) {
    std::string_view marker = in_link ? kClose : kOpen;
    size_t at = caption.find(marker);
    // A stray end marker outside a link is dropped.
    size_t stray = in_link ? std::string_view::npos : caption.find(kClose);
    if (stray != std::string_view::npos && stray < at) {
      append_run(runs, caption.substr(0, stray), false);
      caption.remove_prefix(stray + kClose.size());
      continue;
    }
    if (at == std::string_view::npos) {
      append_run(runs, caption, in_link);
      break;
    }
    append_run(runs, caption.substr(0, at), in_link);
    caption.remove_prefix(at + marker.size());
    in_link = !in_link;
  }
  return runs;
}

int clamp_number_text(std::string_view text, int minimum, int maximum) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return minimum;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return minimum;
    // Saturate: a huge number is simply above every maximum.
    if (value < INT_MAX) value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

}  // namespace orvx::ui
