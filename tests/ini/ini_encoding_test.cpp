// INI files of UTF-16LE text with a byte-order mark: read as Windows-1252,
// written back whole in their own encoding.
#include <gtest/gtest.h>

#include <string>

#include "ini/ini_encoding.h"
#include "ini/ini_file.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::ini {
namespace {

using namespace std::string_literals;

// UTF-16LE with its mark, from code units.
std::string utf16le(std::u16string_view units) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : units) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

TEST(IniEncoding, Utf16TextIsReadAsWindows1252) {
  struct Case {
    const char* what;
    std::u16string units;
    std::string text;
  };
  const Case cases[] = {
      {"ASCII", u"[a]\r\nk=v\r\n", "[a]\r\nk=v\r\n"},
      {"Latin-1 letters", u"\u00C4\u00F6\u00DF\u00FF", "\xC4\xF6\xDF\xFF"},
      {"the code page's own 0x80-0x9F", u"\u20AC\u2026\u0160\u0178\u201E", "\x80\x85\x8A\x9F\x84"},
      {"its undefined five as their controls", u"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
      {"what it does not have", u"a\u0100b\u4E2Dc", "a?b?c"},
      {"a surrogate pair is one character", u"x\xD83D\xDE00y", "x?y"},
      {"a lone surrogate", u"x\xDC00y", "x?y"},
      {"a NUL stays", u"a\0b"s, "a\0b"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FileText file = decode_file_bytes(utf16le(c.units));
    EXPECT_EQ(file.encoding, FileEncoding::kUtf16le);
    EXPECT_EQ(file.text, c.text);
  }
  // An odd last byte is no character.
  EXPECT_EQ(decode_file_bytes(utf16le(u"ab") + "c").text, "ab");
  // Without the mark, and with other marks, the bytes are the text.
  for (const std::string& bytes : {"[a]\r\nk=\xE4\r\n"s, "\xFE\xFF\0a"s, "\xEF\xBB\xBFx"s, ""s, "\xFF"s}) {
    const FileText file = decode_file_bytes(bytes);
    EXPECT_EQ(file.encoding, FileEncoding::kAnsi);
    EXPECT_EQ(file.text, bytes);
  }
}

TEST(IniEncoding, EveryWindows1252ByteGoesThereAndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string bytes = encode_file_text(all, FileEncoding::kUtf16le);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.size(), 2 + 2 * all.size());
  EXPECT_EQ(decode_file_bytes(bytes).text, all);
  EXPECT_EQ(encode_file_text(all, FileEncoding::kAnsi), all);
}

TEST(IniEncoding, AUtf16FileIsReadAndStaysUtf16WhenWritten) {
  test::TempFolder dir;
  const std::string path = dir / "config.qcf";
  ASSERT_TRUE(files::write_file(path, utf16le(u"[Settings]\r\nstd_profil=B\u00FCro\r\nlang_list=English\r\n")));
  EXPECT_EQ(read_string(path, "Settings", "std_profil", ""),
            "B\xFC"
            "ro");
  EXPECT_EQ(read_section_names(path), (std::vector<std::string>{"Settings"}));
  EXPECT_EQ(IniText::load(path).value("settings", "LANG_LIST"), "English");

  ASSERT_TRUE(write_string(path, "Settings", "std_profil",
                           "Gr\xF6\xDF"
                           "e \x80"));
  ASSERT_TRUE(write_integer(path, "Settings", "auto_check_icons_value", 60000));
  ASSERT_TRUE(write_string(path, "orvx_form", "Left", "12"));
  EXPECT_EQ(files::read_file(path), utf16le(u"[Settings]\r\nstd_profil=Gr\u00F6\u00DFe \u20AC\r\nlang_list=English\r\n"
                                            u"auto_check_icons_value=60000\r\n[orvx_form]\r\nLeft=12\r\n"));
}

}  // namespace
}  // namespace orvx::ini
