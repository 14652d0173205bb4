#include <gtest/gtest.h>

#include "platform/ansi_text.h"

namespace orvx::text {
namespace {

TEST(AnsiText, CaseIsIgnoredForWindows1252Letters) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  };
  const Case cases[] = {
      {"English.QLF", "english.qlf", true},
      {"\xC4"
       "nderung",
       "\xE4"
       "NDERUNG",
       true},                  // Ä / ä
      {"\x8A", "\x9A", true},  // Š / š
      {"\x9F", "\xFF", true},  // Ÿ / ÿ
      {"\x8C"
       "uvre \x9A\x8E",
       "\x9C"
       "UVRE \x8A\x9E",
       true},  // Œ, š, Ž and their pairs
      {"Arbeitsplatz", "ARBEITSPLATZ", true},
      {"Icon", "Icon ", false},
      {"\xD7", "\xF7", false},  // × and ÷ are no letters
      {"\xDF", "ss", false},
      {"Stra\xDF"
       "e",
       "STRASSE", false},  // no letter-for-letter match
      {"abc", "abcd", false},
      {"", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(equal_ignoring_case(c.a, c.b), c.equal) << c.a << " / " << c.b;
  }
  EXPECT_TRUE(starts_with_ignoring_case("STRG+Alt+D", "strg+"));
  EXPECT_FALSE(starts_with_ignoring_case("Str", "strg+"));
}

TEST(AnsiText, TrimAndReplace) {
  EXPECT_EQ(trim("  \t a b \r\n"), "a b");
  EXPECT_EQ(trim(" \x01 "), "");
  EXPECT_EQ(trim("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is text
  EXPECT_EQ(replace_all("a~~b~~~~c", "~~", "\r\n"), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(replace_all("~~~", "~~", "-"), "-~");
  EXPECT_EQ(replace_all("abc", "", "-"), "abc");
}

}  // namespace
}  // namespace orvx::text
