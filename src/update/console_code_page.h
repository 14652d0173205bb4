#pragma once
// The command interpreter reads a batch script in its console's code page,
// which is the system's OEM code page (850 on a German Windows, 437 on an
// American one), while the paths the program holds are in the ANSI code page
// (Windows-1252 there). The same "ü" is the byte 0xFC in one and 0x81 in the
// other, so a script is written in the console's code page, byte for byte,
// and a path with a character the console has no byte for cannot stand in a
// script at all.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvx::update {

// For each byte of the ANSI code page, the console's byte for the same
// character, if it has one.
class ConsoleCodePage {
 public:
  // ASCII as itself, every other byte without a form until it is mapped.
  ConsoleCodePage();
  // Every byte as itself: the console reads the ANSI code page (as where
  // both code pages are one).
  static ConsoleCodePage same_as_ansi();

  // `oem` is the console's byte for the character `ansi` stands for. A byte
  // above ASCII is never mapped onto ASCII, which carries the script's own
  // syntax (a quotation mark, a percent sign); such a byte keeps no form.
  void map(unsigned char ansi, unsigned char oem);
  std::optional<unsigned char> of(unsigned char ansi) const;

 private:
  std::array<int16_t, 256> oem_;  // -1: no form
};

// `text` as the console reads it; nullopt when a byte has no form there.
std::optional<std::string> in_console_code_page(std::string_view text, const ConsoleCodePage& code_page);

}  // namespace orvx::update
