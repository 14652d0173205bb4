#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "lang/language_text.h"

namespace orvx::lang {
namespace {

TEST(LanguageText, KeysSplitAtTheFirstDot) {
  struct Case {
    const char* key;
    const char* component;
    const char* property;
  };
  const Case cases[] = {
      {"save_button.Caption", "save_button", "Caption"},
      {"caption", "", "caption"},
      {"a.b.Caption", "a", "b.Caption"},
      {".Caption", "", "Caption"},
      {"save_button.", "save_button", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const PropertyKey k = split_property_key(c.key);
    EXPECT_EQ(k.component, c.component) << c.key;
    EXPECT_EQ(k.property, c.property) << c.key;
  }
}

TEST(LanguageText, WindowTextsWriteLineBreaksAsDoubleTilde) {
  EXPECT_EQ(window_text_from_file("Start~~minimized"), "Start\r\nminimized");
  EXPECT_EQ(window_text_from_file("~~~~"), "\r\n\r\n");
  EXPECT_EQ(window_text_from_file("a~b~~~c"), "a~b\r\n~c");
  EXPECT_EQ(window_text_to_file("Start\r\nminimized"), "Start~~minimized");
  // A line of an INI file cannot hold a lone CR or LF either.
  EXPECT_EQ(window_text_to_file("a\rb\nc\n\rd"), "a~~b~~c~~~~d");
  EXPECT_EQ(window_text_from_file(window_text_to_file("one\r\ntwo")), "one\r\ntwo");
}

TEST(LanguageText, MessageValues) {
  struct Case {
    const char* what;
    std::optional<std::string_view> value;
    const char* expected;
  };
  const char* german = "Deutsch";
  const Case cases[] = {
      {"missing", std::nullopt, german},
      {"empty", "", german},
      {"two characters", "OK", german},
      {"two characters in blanks", "  OK  ", german},
      {"three characters", "Yes", "Yes"},
      {"kept as it is without markers", " Text ", " Text "},
      {"three lines", "one *|* two *|* three", "one \r\n two \r\n three"},
      {"leading marker", "*|*rest", "\r\nrest"},
      {"two leading markers", "*|**|*rest", "\r\nrest"},
      {"trailing marker", "text*|*", "text\r\n"},
      {"empty middle part", "a*|**|*b", "a\r\n\r\nb"},
      {"blank first part is a part", " *|*abc", " \r\nabc"},
      {"a marker alone is three characters", "*|*", "\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(message_from_value(c.value, german), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace orvx::lang
