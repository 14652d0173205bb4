// Scripts are written in the console's code page: each Windows-1252 byte of
// a path becomes the byte of the same letter in the OEM code page, and a
// path with a letter the console has none for is refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "update/console_code_page.h"

namespace orvx::update {
namespace {

// The letters the paths below hold, in code page 850 (a German or Western
// European Windows) and 437 (an American one); "ø" is not in 437, the euro
// sign in neither.
ConsoleCodePage code_page(const std::vector<std::pair<unsigned char, unsigned char>>& letters) {
  ConsoleCodePage code_page;
  for (const auto& [ansi, oem] : letters) code_page.map(ansi, oem);
  return code_page;
}
const ConsoleCodePage k850 = code_page({{0xFC, 0x81}, {0xE9, 0x82}, {0xDF, 0xE1}, {0xF8, 0x9B}, {0xC4, 0x8E}});
const ConsoleCodePage k437 = code_page({{0xFC, 0x81}, {0xE9, 0x82}, {0xDF, 0xE1}, {0xC4, 0x8E}});

struct PathCase {
  const char* what;
  std::string path;  // Windows-1252
  std::optional<std::string> in_850;
  std::optional<std::string> in_437;
};

TEST(ConsoleCodePage, PathsTakeTheConsolesBytesOrAreRefused) {
  const PathCase cases[] = {
      {"ASCII stays as it is", "C:\\Programme\\Orvane X\\100% sicher\\OrvaneX.exe",
       "C:\\Programme\\Orvane X\\100% sicher\\OrvaneX.exe", "C:\\Programme\\Orvane X\\100% sicher\\OrvaneX.exe"},
      {"u umlaut in a user's name", "C:\\Dokumente und Einstellungen\\J\xFCrgen\\Lokale Einstellungen\\Temp\\",
       "C:\\Dokumente und Einstellungen\\J\x81rgen\\Lokale Einstellungen\\Temp\\",
       "C:\\Dokumente und Einstellungen\\J\x81rgen\\Lokale Einstellungen\\Temp\\"},
      {"e acute, sharp s and A umlaut",
       "D:\\Caf\xE9 Stra\xDF"
       "e\\\xC4rger\\OrvaneX.exe",
       "D:\\Caf\x82 Stra\xE1"
       "e\\\x8Erger\\OrvaneX.exe",
       "D:\\Caf\x82 Stra\xE1"
       "e\\\x8Erger\\OrvaneX.exe"},
      {"o slash only in 850", "C:\\Users\\S\xF8ren\\", "C:\\Users\\S\x9Bren\\", std::nullopt},
      {"the euro sign in neither", "C:\\Preise in \x80\\OrvaneX.exe", std::nullopt, std::nullopt},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(in_console_code_page(c.path, k850), c.in_850);
    EXPECT_EQ(in_console_code_page(c.path, k437), c.in_437);
  }
}

// A console whose code page is the ANSI one reads every byte as written.
TEST(ConsoleCodePage, SameAsAnsiKeepsEveryByte) {
  std::string every_byte;
  for (int byte = 1; byte < 256; ++byte) every_byte += static_cast<char>(byte);
  EXPECT_EQ(in_console_code_page(every_byte, ConsoleCodePage::same_as_ansi()), every_byte);
}

// A letter is never written as a plain ASCII character ("best fit" would
// give "u" for "\xFC" and so name another file, or a quotation mark for a
// typographic one and so end a path early).
TEST(ConsoleCodePage, NoLetterBecomesAscii) {
  ConsoleCodePage code_page;
  code_page.map(0xFC, 'u');
  code_page.map(0x94, '"');
  EXPECT_EQ(code_page.of(0xFC), std::nullopt);
  EXPECT_EQ(code_page.of(0x94), std::nullopt);
  EXPECT_EQ(in_console_code_page("J\xFCrgen", code_page), std::nullopt);
  EXPECT_EQ(code_page.of('u'), 'u');
}

}  // namespace
}  // namespace orvx::update
