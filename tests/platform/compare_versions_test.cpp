#include <gtest/gtest.h>

#include "platform/compare_versions.h"
#include "platform/split_text.h"

namespace orvx {
namespace {

struct VersionCase {
  const char* a;
  const char* b;
  int expected;
};

TEST(CompareVersions, ComparesDottedNumbersPartByPart) {
  const VersionCase cases[] = {
      // Language files against the text set "1.02".
      {"0", "1.02", kVersionOlder},
      {"1.2", "1.02", kVersionsEqual},
      {"1.01", "1.02", kVersionOlder},
      {"1.03", "1.02", kVersionNewerOrNotComparable},
      {"2", "1.02", kVersionNewerOrNotComparable},
      {"", "1.02", kVersionNewerOrNotComparable},
      {"abc", "1.02", kVersionNewerOrNotComparable},
      // The program's own version against an offered one.
      {"1.2.3.4", "1.2.3.5", kVersionOlder},
      {"1.2.3.4", "1.2.4", kVersionOlder},
      {"1.2", "1.2.0.0", kVersionsEqual},
      {"1.2.0.0", "1.2", kVersionsEqual},
      {"1.2.3.4", "0", kVersionNewerOrNotComparable},
      {"1.2.3.4", "1.2.3.x", kVersionNewerOrNotComparable},
      {"1.2.3.4", "", kVersionNewerOrNotComparable},
      {"", "", kVersionNewerOrNotComparable},
      {"1.2.3.10", "1.2.3.9", kVersionNewerOrNotComparable},
      {"1.2.3.9", "1.2.3.10", kVersionOlder},
      {"1.2.3.4", "1.2.3.4", kVersionsEqual},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compare_versions(c.a, c.b), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
  }
}

TEST(CompareVersions, OnlyPlainDigitRunsAreNumbers) {
  const VersionCase cases[] = {
      {"+1", "1", kVersionNewerOrNotComparable},
      {"1", "+1", kVersionNewerOrNotComparable},
      {"-1", "1", kVersionNewerOrNotComparable},
      {" 1", "1", kVersionNewerOrNotComparable},
      {"1 ", "1", kVersionNewerOrNotComparable},
      {"1a", "1", kVersionNewerOrNotComparable},
      {"0x10", "16", kVersionNewerOrNotComparable},
      {"1..2", "1.0.2", kVersionNewerOrNotComparable},
      {"1.2.", "1.2", kVersionNewerOrNotComparable},
      {".1", "0.1", kVersionNewerOrNotComparable},
      // The comparison stops at the first unequal part, before a bad one.
      {"1.x", "2.0", kVersionOlder},
      {"3.x", "2.0", kVersionNewerOrNotComparable},
      // Numbers beyond any integer type still compare by value.
      {"99999999999999999999", "1", kVersionNewerOrNotComparable},
      {"1.99999999999999999998", "1.99999999999999999999", kVersionOlder},
      {"007", "7", kVersionsEqual},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compare_versions(c.a, c.b), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
  }
}

TEST(Explode, NSeparatorsGiveNPlusOnePartsUntrimmed) {
  struct Case {
    const char* text;
    const char* separator;
    TextParts parts;
  };
  const Case cases[] = {
      {"English,Deutsch", ",", {"English", "Deutsch"}},
      {"English, Deutsch", ",", {"English", " Deutsch"}},
      {"English,", ",", {"English", ""}},
      {",,", ",", {"", "", ""}},
      {"", ",", {""}},
      {"no separator", ",", {"no separator"}},
      {"a *|* b", "*|*", {"a ", " b"}},
      {"a*|**|*b", "*|*", {"a", "", "b"}},
      {"abc", "", {"abc"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(split_text(c.text, c.separator), c.parts) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace orvx
