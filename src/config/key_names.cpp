#include "config/key_names.h"

#include <array>

namespace orvx::config {
namespace {

constexpr std::array<std::string_view, 256> make_table() {
  std::array<std::string_view, 256> t{};
  t[0x08] = "Rück";
  t[0x09] = "Tab";
  t[0x0C] = "Num 5";  // Clear: the number-pad 5 with Num Lock off
  t[0x0D] = "Enter";
  t[0x10] = "Shift";
  t[0x11] = "Ctrl";
  t[0x12] = "Alt";
  t[0x13] = "Pause";
  t[0x14] = "Caps Lock";
  t[0x1B] = "Esc";
  t[0x20] = "Leertaste";
  t[0x21] = "BildAuf";
  t[0x22] = "BildAb";
  t[0x23] = "Ende";
  t[0x24] = "Pos1";
  t[0x25] = "Left";
  t[0x26] = "Nach oben";
  t[0x27] = "Rechts";
  t[0x28] = "Nach unten";
  t[0x2C] = "Prnt Scrn";
  t[0x2D] = "Einfg";
  t[0x2E] = "Entf";
  constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  for (int i = 0; i < 10; ++i) {
    t[0x30 + i] = kDigits[i];  // top row
    t[0x60 + i] = kDigits[i];  // number pad
  }
  constexpr std::string_view kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
  for (int i = 0; i < 26; ++i) t[0x41 + i] = kLetters[i];
  t[0x5B] = "Left Windows";
  t[0x5C] = "Right Windows";
  t[0x5D] = "Application";
  t[0x6A] = "Num *";
  t[0x6B] = "Num +";
  t[0x6D] = "Num -";
  t[0x6E] = "Num Del";
  t[0x6F] = "Num /";
  constexpr std::string_view kFunctionKeys[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                                "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                                "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
  for (int i = 0; i < 24; ++i) t[0x70 + i] = kFunctionKeys[i];
  t[0x90] = "Num Lock";
  t[0x91] = "Scroll Lock";
  t[0xA0] = "Shift";
  t[0xA1] = "Right Shift";
  t[0xA2] = "Ctrl";
  t[0xA3] = "Right Ctrl";
  t[0xA4] = "Alt";
  t[0xA5] = "Right Alt";
  t[0xBA] = ";";
  t[0xBB] = "=";
  t[0xBC] = ",";
  t[0xBD] = "-";
  t[0xBE] = ".";
  t[0xBF] = "/";
  t[0xC0] = "`";
  t[0xDB] = "[";
  t[0xDC] = "\\";
  t[0xDD] = "]";
  t[0xDE] = "'";
  return t;
}

constexpr auto kNames = make_table();

}  // namespace

std::string_view key_name(uint8_t key) { return key < kFirstNamedKey ? std::string_view{} : kNames[key]; }

}  // namespace orvx::config
