#include <gtest/gtest.h>

#include <set>
#include <string>

#include "config/key_names.h"
#include "config/shortcut_text.h"

namespace orvx::config {
namespace {

Shortcut keys(uint8_t key, bool shift, bool ctrl, bool alt) { return Shortcut{key, shift, ctrl, alt}; }

TEST(ShortcutText, WritesPrefixesInFixedOrderThenTheKeyName) {
  struct Case {
    Shortcut shortcut;
    const char* text;
  };
  const Case cases[] = {
      {keys('D', false, true, true), "Strg+Alt+D"},
      {keys('D', true, true, true), "Umsch+Strg+Alt+D"},
      {keys('D', true, false, true), "Umsch+Alt+D"},
      {keys(0x70, false, false, false), "F1"},
      {keys(0x87, false, true, false), "Strg+F24"},
      {keys(0x08, false, true, false),
       "Strg+R\xFC"
       "ck"},
      {keys(0x20, false, false, true), "Alt+Leertaste"},
      {keys(0x26, false, true, true), "Strg+Alt+Nach oben"},
      {keys(0x65, false, true, false), "Strg+5"},  // number pad
      {keys(0x35, false, true, false), "Strg+5"},  // top row
      {keys(0, false, true, true), ""},            // modifiers without a key
      {keys(0x0A, false, true, false), ""},        // a code no key produces
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shortcut_to_text(c.shortcut), c.text);
  }
}

TEST(ShortcutText, ReadsPrefixesInAnyOrderAndCase) {
  const Shortcut ctrl_alt_d = keys('D', false, true, true);
  for (const char* text :
       {"Strg+Alt+D", "STRG+ALT+D", "strg+alt+d", "Alt+Strg+D", "aLT+sTRG+d", "^Alt+D", "Alt+^D", "Strg+Strg+Alt+D"}) {
    EXPECT_EQ(text_to_shortcut(text), ctrl_alt_d) << text;
  }
  EXPECT_EQ(text_to_shortcut("Umsch+F12"), keys(0x7B, true, false, false));
  EXPECT_EQ(text_to_shortcut("umsch+strg+alt+Entf"), keys(0x2E, true, true, true));
  EXPECT_EQ(text_to_shortcut(kDefaultHotkeyText), ctrl_alt_d);
}

TEST(ShortcutText, ReadsEveryNamedKey) {
  struct Case {
    const char* name;
    uint8_t key;
  };
  const Case cases[] = {
      {"R\xFC"
       "ck",
       0x08},
      {"R\xDC"
       "CK",
       0x08},  // accented letters ignore case too
      {"Tab", 0x09},
      {"Esc", 0x1B},
      {"Enter", 0x0D},
      {"Leertaste", 0x20},
      {"BildAuf", 0x21},
      {"BildAb", 0x22},
      {"Ende", 0x23},
      {"Pos1", 0x24},
      {"Left", 0x25},
      {"Nach oben", 0x26},
      {"Rechts", 0x27},
      {"Nach unten", 0x28},
      {"Einfg", 0x2D},
      {"Entf", 0x2E},
      {"A", 0x41},
      {"z", 0x5A},
      {"F1", 0x70},
      {"F24", 0x87},
      {"Num *", 0x6A},
      {"Caps Lock", 0x14},
      {";", 0xBA},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text_to_shortcut(std::string("Strg+") + c.name), keys(c.key, false, true, false)) << c.name;
  }
}

TEST(ShortcutText, TheLowestCodeOfANameWins) {
  // Digits name both the top-row and the number-pad key.
  for (char digit = '0'; digit <= '9'; ++digit) {
    EXPECT_EQ(text_to_shortcut(std::string("Strg+") + digit).key, static_cast<uint8_t>(digit));
  }
  // "Shift" is both the generic and the left Shift key.
  EXPECT_EQ(text_to_shortcut("Strg+Shift").key, 0x10);
}

TEST(ShortcutText, UnreadableTextIsNoHotkey) {
  for (const char* text : {"", "Strg+", "Strg+Alt+", "^", "Strg+Alt+DD", "Strg+Alt+ D", "Strg Alt D", "Ctrl+Alt+D",
                           "Strg+Alt+F25", "Strg+Alt+Oben", "Shift+D"}) {
    EXPECT_TRUE(text_to_shortcut(text).empty()) << text;
  }
}

TEST(ShortcutText, EveryNamedKeyReadsBackToItsLowestCode) {
  std::set<std::string> seen;
  for (unsigned key = kFirstNamedKey; key <= kLastNamedKey; ++key) {
    std::string name(key_name(static_cast<uint8_t>(key)));
    if (name.empty()) continue;
    Shortcut written = keys(static_cast<uint8_t>(key), true, true, true);
    Shortcut read = text_to_shortcut(shortcut_to_text(written));
    if (seen.insert(name).second) {
      EXPECT_EQ(read, written) << name;
    } else {
      EXPECT_LT(read.key, key) << name;  // a repeated name reads as the earlier key
    }
  }
}

}  // namespace
}  // namespace orvx::config
