#include <gtest/gtest.h>

#include "icons/caption_compare.h"

namespace orvx::icons {
namespace {

TEST(SameCaption, LettersOfWindows1252MatchWithoutRegardToCase) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"Arbeitsplatz", "ARBEITSPLATZ", true},
      {"Ärger", "äRGER", true},
      {"Œuvre šŽ ÿ", "œUVRE Šž Ÿ", true},
      {"Straße", "STRASSE", false},  // no letter-for-letter match
      {"a÷b", "a×b", false},         // signs are not letters
      {"Icon", "Icon ", false},
      {"", "", true},
  };
  for (const Case& c : cases) EXPECT_EQ(SameCaption(c.a, c.b), c.same) << c.a << " / " << c.b;
}

}  // namespace
}  // namespace orvx::icons
