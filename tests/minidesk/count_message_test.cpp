// The count message: only "%s" takes the number; any other text is shown as
// it stands.
#include <gtest/gtest.h>

#include <string>

#include "minidesk/count_message.h"

namespace orvx::minidesk {
namespace {

TEST(CountMessage, NumberGoesOnlyIntoASingleStringDirective) {
  struct Case {
    std::string text;
    int count;
    std::string shown;
  };
  const Case cases[] = {
      {"%s Icon(s) ausserhalb des Desktops", 1, "1 Icon(s) ausserhalb des Desktops"},
      {"%s icons outside desktop boundaries", 12, "12 icons outside desktop boundaries"},
      {"Symbole drau\xDF"
       "en: %S",
       3,
       "Symbole drau\xDF"
       "en: 3"},
      {"100%% sicher: %s", 2, "100% sicher: 2"},
      {"%s", -1, "-1"},
      // Shown as it stands:
      {"Icons outside", 4, "Icons outside"},
      {"", 4, ""},
      {"%d icons", 4, "%d icons"},
      {"%s of %s", 4, "%s of %s"},
      {"%s %d", 4, "%s %d"},
      {"%", 4, "%"},
      {"%%", 4, "%%"},
      {"50% of %s", 4, "50% of %s"},
      {"%s%", 4, "%s%"},
      {"%5s icons", 4, "%5s icons"},
      {"%0:s icons", 4, "%0:s icons"},
      {"%-s", 4, "%-s"},
      {std::string("%s\0%s", 5), 4, std::string("%s\0%s", 5)},
  };
  for (const Case& c : cases) EXPECT_EQ(format_count_message(c.text, c.count), c.shown) << c.text;
}

}  // namespace
}  // namespace orvx::minidesk
