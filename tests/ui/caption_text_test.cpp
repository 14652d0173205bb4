// Menu captions, link captions and number field texts.
#include <gtest/gtest.h>

#include "ui/caption_text.h"

namespace orvx::ui {
namespace {

TEST(EscapeAmpersands, EveryAmpersandIsDoubled) {
  EXPECT_EQ(escape_ampersands("a&b"), "a&&b");
  EXPECT_EQ(escape_ampersands("&&x&"), "&&&&x&&");
  EXPECT_EQ(escape_ampersands("ORV - 1280x1024"), "ORV - 1280x1024");
  EXPECT_EQ(escape_ampersands(""), "");
}

TEST(SplitLinkCaption, MarkersBecomeLinkRuns) {
  using R = std::vector<TextRun>;
  struct Case {
    const char* caption;
    R runs;
  } cases[] = {
      {"<link>Homepage</link>", R{{"Homepage", true}}},
      {"Blog: <link>here</link>.", R{{"Blog: ", false}, {"here", true}, {".", false}}},
      {"<link>a</link> and <link>b</link>", R{{"a", true}, {" and ", false}, {"b", true}}},
      // No markers: the whole caption stays a working link.
      {"Für eine Spende klicken Sie bitte hier...", R{{"Für eine Spende klicken Sie bitte hier...", true}}},
      // An unterminated link runs to the end; a stray end marker is dropped.
      {"x <link>y", R{{"x ", false}, {"y", true}}},
      {"x</link>y", R{{"xy", false}}},
      {"<link></link>", R{}},
      {"", R{}},
  };
  for (const Case& c : cases) EXPECT_EQ(split_link_caption(c.caption), c.runs) << c.caption;
}

TEST(ClampNumberText, ClampsIntoRangeAndTreatsNonNumbersAsMinimum) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"30", 30},
      {"1", 1},
      {"60", 60},
      {"61", 60},
      {"0", 1},
      {"-5", 1},
      {" 12 ", 12},
      {"", 1},
      {"abc", 1},
      {"1a", 1},
      {"-", 1},
      {"+7", 7},
      {"99999999999999999999", 60},  // far beyond any int
  };
  for (const Case& c : cases) EXPECT_EQ(clamp_number_text(c.text, 1, 60), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace orvx::ui
