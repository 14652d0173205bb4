#pragma once
// How captions turn into what a widget shows.
#include <string>
#include <string_view>
#include <vector>

namespace orvx::ui {

// Menu captions treat "&" as the mark of an accelerator letter. A caption
// that must show its "&" as it is (a profile named "a&b") is escaped: every
// "&" becomes "&&".
std::string escape_ampersands(std::string_view caption);

// A link label's caption: the text between "<link>" and "</link>" is shown
// as a link, the rest as plain text; the markers are not shown. A "<link>"
// without its end marker makes the rest a link; a stray "</link>" is dropped.
struct TextRun {
  std::string text;
  bool is_link = false;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};
// The runs of a caption in order, empty runs left out. A caption without
// any marker is one link run, so that a translation that drops the markers
// still leaves a working link.
std::vector<TextRun> split_link_caption(std::string_view caption);

// The text of a number field read as a whole number and brought into
// [minimum, maximum]. Blanks around the digits are allowed; a text that is
// no number (empty, letters, a sign alone) counts as `minimum`.
int clamp_number_text(std::string_view text, int minimum, int maximum);

}  // namespace orvx::ui
