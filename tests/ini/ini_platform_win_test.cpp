// Our INI engine against the platform's private-profile functions (Wine's
// kernel32 under the test bench): a corpus of tricky files goes through both,
// and the values read and the bytes written are compared. Where we differ on
// purpose, the last tests record both results side by side.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/private_profile_win.h"

namespace orvx::ini {
namespace {

namespace platform = test::platform_ini;
using namespace std::string_literals;

struct CorpusFile {
  std::string name;
  std::string bytes;
};

std::string long_lines() {
  std::string text = "; ";
  text.append(70000, '-').append("\r\n[").append(5000, 'S').append("]\r\n");
  text.append(3000, 'k').append("=").append(70000, 'v').append("\r\n");
  text.append("[short]\r\nk=").append(1000, 'w').append("\r\nnext=1\r\n");
  return text;
}

// One section per byte value, so that every letter's case rule is compared.
std::string every_byte() {
  std::string text;
  for (int b = 0x21; b <= 0xFF; ++b) {
    if (b == ']' || b == '=') continue;
    text += "[s"s + static_cast<char>(b) + "]\r\nk=" + std::to_string(b) + "\r\n";
  }
  return text;
}

std::string garbage() {
  std::string text;
  uint32_t state = 12345;
  for (int i = 0; i < 6000; ++i) {
    state = state * 1103515245u + 12345u;
    char c = static_cast<char>(state >> 24);
    // Mostly printable, with line breaks, brackets and = sprinkled in.
    if ((state >> 8) % 11 == 0) c = "\r\n[]=; \0"[(state >> 12) % 8];
    text += c;
  }
  if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF) text[0] = 'x';
  return text;
}

std::vector<CorpusFile> corpus() {
  return {
      {"canonical", "[a]\r\nk=1\r\nl=2\r\n[b]\r\nm=3\r\n"},
      {"blank lines", "\r\n\r\n[a]\r\n\r\nk=1\r\n\r\n\r\n[b]\r\nk=2\r\n\r\n"},
      {"blanks around names and =", " [a] \r\n  k  =  v w  \r\n\tx\t=\t1\t\r\n[ b ]\r\nk=2\r\n[c]\r\n  k = 3\r\n"},
      {"duplicate sections and keys", "[a]\r\nk=1\r\nk=2\r\n[b]\r\nk=3\r\n[A]\r\nk=4\r\nn=5\r\n"},
      {"missing final newline", "[a]\r\nk=1\r\n[b]\r\nk=2"},
      {"] inside names", "[a]b]\r\nk=1\r\n[c] ; x]\r\nk=2\r\n[]\r\nk=3\r\n[d\r\nk=4\r\n[]]\r\nk=5\r\n"},
      {"= inside values", "[a]\r\nk=x=y\r\nl==\r\nm = = \r\n=v\r\n"},
      {"; lines", "; top\r\n[a]\r\n;k=1\r\nk=2\r\n ; c = d\r\n[;b]\r\nk=3\r\n"},
      {"Windows-1252 bytes",
       "[Ärger]\r\nSchlüssel=Größe\r\n[ŠŒŽŸ]\r\nk=€…‰\r\n[x\x81\x8D\x8F\x90\x9D]\r\n"
       "k=\x81\x8D\x8F\x90\x9D\xA0\xFF\r\n"},
      {"mixed line ends", "[a]\nk=1\r[b]\r\nk=2\n\r[c]\r\r\nk=3"},
      {"NUL byte", "[a]\r\nk=ab\0cd\r\nl\0m=2\r\n[b\0c]\r\nk=3\r\n\0\r\n[d]\r\nk=4\r\n"s},
      {"quotes", "[a]\r\nk=\"v\"\r\nl='w'\r\nm=\"x'\r\nn=\"\r\no=\"\"\r\n"},
      {"keys without =", "[a]\r\nk\r\nk=1\r\nl\r\n"},
      {"before any section", "k=0\r\n[a]\r\nk=1\r\n"},
      {"integers",
       "[n]\r\na=12\r\nb=-12\r\nc=+7\r\nd=12abc\r\ne=abc\r\nf=\r\ng= 42\r\nh=\"15\"\r\ni=-\r\n"
       "j=007\r\nk=2147483647\r\nl=-2147483648\r\n"},
      {"control characters",
       "\x0B[a]\x0C\r\n\x1Ak\x1A=\x1Av\x1A\r\n\x01l\x01=\x01w\x01\r\n\x7Fm=x\r\n"
       "\xA0n\xA0=\xA0y\xA0\r\n"},
      {"UTF-8 mark", "\xEF\xBB\xBF[a]\r\nk=v\r\n"},
      {"very long lines", long_lines()},
      {"every byte", every_byte()},
      {"empty", ""},
      {"garbage", garbage()},
  };
}

std::string upper_1252(std::string s) {
  for (char& c : s) {
    for (int u = 0; u < 256; ++u) {
      char candidate = static_cast<char>(u);
      if (candidate != c && syntax::fold(candidate) == c) {
        c = candidate;
        break;
      }
    }
  }
  return s;
}

// Names worth asking for: every name the file holds, in other cases and with
// blanks around, and one that is missing.
std::vector<std::string> query_variants(const std::set<std::string>& names) {
  std::set<std::string> out;
  for (const std::string& n : names) {
    if (n.find('\0') != std::string::npos || syntax::trim(n).empty()) continue;
    out.insert(n);
    out.insert(syntax::folded(n));
    out.insert(upper_1252(n));
    out.insert(" " + n + "\t");
  }
  out.insert("missing");
  return {out.begin(), out.end()};
}

std::set<std::string> key_names(const std::string& bytes, size_t limit) {
  std::set<std::string> keys;
  syntax::LineReader reader(bytes);
  syntax::Line line;
  while (reader.next(line) && keys.size() < limit) {
    if (line.kind == syntax::LineKind::kEntry) keys.emplace(syntax::name_of(bytes, line));
  }
  return keys;
}

bool ascii_names_equal(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Wine's private-profile functions fold only the ASCII letters; we fold the
// accented Windows-1252 letters too, as Windows does (recorded below). A
// query on which the two rules pick different names is left to that record.
bool case_rules_disagree(const std::string& query, const std::set<std::string>& names) {
  std::string_view q = syntax::query_name(query);
  for (const std::string& n : names) {
    if (syntax::names_equal(n, q) != ascii_names_equal(n, q)) return true;
  }
  return false;
}

// Values on which the platform's integer read leaves decimal numbers behind:
// "0x", "0o" and "0b" prefixes, numbers that overflow 32 bits, texts beyond
// its 29-character buffer.
bool platform_reads_integer_differently(const std::string& value) {
  size_t i = 0;
  while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ') ++i;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) ++i;
  if (i + 1 < value.size() && value[i] == '0' && std::strchr("xXoObB", value[i + 1])) return true;
  size_t digits = 0;
  while (i + digits < value.size() && std::isdigit(static_cast<unsigned char>(value[i + digits]))) ++digits;
  return digits >= 10 || value.size() > 29;
}

class IniAgainstPlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "the comparison needs the Windows-1252 code page";
  }
  std::string fresh(const std::string& bytes) {
    std::string path = dir_ / (std::to_string(counter_++) + ".ini");
    EXPECT_TRUE(files::write_file(path, bytes));
    return path;
  }
  test::TempFolder dir_;
  int counter_ = 0;
};

TEST_F(IniAgainstPlatform, SectionNamesAgree) {
  for (const CorpusFile& f : corpus()) {
    std::string path = fresh(f.bytes);
    EXPECT_EQ(read_section_names(path), platform::section_names(path)) << f.name;
  }
}

TEST_F(IniAgainstPlatform, StringsAndIntegersAgree) {
  for (const CorpusFile& f : corpus()) {
    std::string path = fresh(f.bytes);
    std::vector<std::string> names = read_section_names(path);
    std::set<std::string> all_sections(names.begin(), names.end());
    std::set<std::string> all_keys = key_names(f.bytes, SIZE_MAX);
    // A sample of the sections keeps the run short: each query reads the file.
    std::set<std::string> sample(all_sections.begin(),
                                 std::next(all_sections.begin(), std::min<size_t>(all_sections.size(), 40)));
    std::vector<std::string> sections = query_variants(sample);
    std::vector<std::string> keys = query_variants(key_names(f.bytes, 40));
    IniText text(f.bytes);
    for (const std::string& s : sections) {
      if (case_rules_disagree(s, all_sections)) continue;
      for (const std::string& k : keys) {
        if (case_rules_disagree(k, all_keys)) continue;
        std::string theirs = platform::read_string(path, s, k, "<none>");
        std::string where = f.name + ": [" + s + "] " + k;
        ASSERT_EQ(read_string(path, s, k, "<none>"), theirs) << where;
        ASSERT_EQ(text.value(s, k).value_or("<none>"), theirs) << where;
        if (platform_reads_integer_differently(theirs)) continue;
        ASSERT_EQ(read_integer(path, s, k, 0), platform::read_integer(path, s, k, 0)) << where << " = " << theirs;
      }
    }
  }
}

struct Write {
  std::string section, key, value;
};

// Writes worth making to a file: the first key of its first section gets a
// new value, a new key goes into that section (once in another case), and a
// new section is added.
std::vector<Write> writes_for(const std::string& bytes) {
  std::vector<Write> writes = {{"Neue Sektion", "k", "v"}};
  IniText text(bytes);
  std::vector<std::string> names = text.section_names();
  if (!names.empty() && !syntax::query_name(names[0]).empty() && names[0] == std::string(syntax::trim(names[0]))) {
    const std::string& s = names[0];
    auto entries = text.entries(s);
    if (!entries.empty() && entries[0].first.front() != '[') writes.push_back({s, entries[0].first, "geändert"});
    writes.push_back({upper_1252(s), "neuer Schlüssel", "1"});
  }
  return writes;
}

TEST_F(IniAgainstPlatform, WritesAgree) {
  for (const CorpusFile& f : corpus()) {
    std::string probe = fresh(f.bytes);
    platform::rewrite(probe);
    bool platform_form = files::read_file(probe) == f.bytes;
    if (f.bytes.rfind("\xEF\xBB\xBF", 0) == 0) continue;  // recorded below
    for (const Write& w : writes_for(f.bytes)) {
      std::string ours = fresh(f.bytes);
      std::string theirs = fresh(f.bytes);
      EXPECT_TRUE(write_string(ours, w.section, w.key, w.value));
      EXPECT_TRUE(platform::write_string(theirs, w.section, w.key, w.value));
      std::string what = f.name + ": [" + w.section + "] " + w.key;
      if (platform_form) {
        // A file already in the platform's own form comes out byte for byte
        // the same.
        EXPECT_EQ(files::read_file(ours), files::read_file(theirs)) << what;
      } else {
        // The platform rewrites the whole file in its own form; we keep the
        // other lines as they were. Brought to the same form, both agree.
        platform::rewrite(ours);
        platform::rewrite(theirs);
        EXPECT_EQ(files::read_file(ours), files::read_file(theirs)) << what;
      }
    }
  }
}

TEST_F(IniAgainstPlatform, KeyByKeyWritesBuildTheSameFile) {
  const Write writes[] = {
      {"Settings", "Lang", "Deutsch"},      {"Settings", "Left", "-20"},         {"Fenster", "Top", "5"},
      {"settings", "lang", "English"},      {"Fenster", "Caption", "Größe = 3"}, {"[x]", "k", "v"},
      {"Fenster", "Hint", "\"in quotes\""}, {"Settings", "Left", "-20"},
  };
  std::string ours = dir_ / "ours.ini";
  std::string theirs = dir_ / "theirs.ini";
  for (const Write& w : writes) {
    ASSERT_TRUE(write_string(ours, w.section, w.key, w.value));
    ASSERT_TRUE(platform::write_string(theirs, w.section, w.key, w.value));
    ASSERT_EQ(files::read_file(ours), files::read_file(theirs)) << w.section << " " << w.key;
  }
}

// Deliberate differences. Each case shows what the platform does and what we
// do instead, so that a change on either side shows up here.

struct IntegerDifference {
  const char* value;
  int platform;
  int ours;  // both with default 7
};

TEST_F(IniAgainstPlatform, RecordsTheIntegerDifferences) {
  const IntegerDifference cases[] = {
      // Our numbers are decimal; the platform also takes hex, octal, binary.
      {"0x10", 16, 0},
      {"0b11", 3, 0},
      // The platform wraps numbers beyond 32 bits; we take the default.
      {"4294967295", -1, 7},
      {"2147483648", -2147483647 - 1, 7},
      // A value without a number: the platform gives 0, we give the default.
      {"abc", 0, 7},
      // The platform reads only the first 29 characters.
      {"00000000000000000000000000000012", 0, 12},
  };
  for (const auto& c : cases) {
    std::string path = fresh("[n]\r\nk="s + c.value + "\r\n");
    EXPECT_EQ(platform::read_integer(path, "n", "k", 7), c.platform) << c.value;
    EXPECT_EQ(read_integer(path, "n", "k", 7), c.ours) << c.value;
  }
}

TEST_F(IniAgainstPlatform, RecordsThatAccentedLettersMatchInEitherCase) {
  // Each lower-case letter b has a section "s" + b. Asked for it with b in
  // upper case, the platform under Wine finds it only for the letters a to z;
  // we find it for every Windows-1252 letter, as Windows does.
  std::string text;
  for (int b = 0x21; b <= 0xFF; ++b) {
    char c = static_cast<char>(b);
    if (upper_1252(std::string(1, c))[0] != c) {
      text += "[s"s + c + "]\r\nk=" + std::to_string(b) + "\r\n";
    }
  }
  std::string path = fresh(text);
  int letters = 0;
  for (int b = 0x21; b <= 0xFF; ++b) {
    char c = static_cast<char>(b);
    std::string upper = upper_1252(std::string(1, c));
    if (upper[0] == c) continue;
    ++letters;
    std::string expected = std::to_string(b);
    bool ascii = b >= 'a' && b <= 'z';
    EXPECT_EQ(platform::read_string(path, "s" + upper, "k", "<none>"), ascii ? expected : "<none>") << b;
    EXPECT_EQ(read_string(path, "s" + upper, "k", "<none>"), expected) << b;
  }
  EXPECT_EQ(letters, 26 + 30 + 4);  // a-z, à-þ without ÷, š œ ž ÿ
  // The same holds for writes: a key for "ÄRGER" goes into "[ärger]".
  std::string theirs = fresh("[ärger]\r\nk=1\r\n");
  std::string ours = fresh("[ärger]\r\nk=1\r\n");
  ASSERT_TRUE(platform::write_string(theirs, "ÄRGER", "k", "2"));
  ASSERT_TRUE(write_string(ours, "ÄRGER", "k", "2"));
  EXPECT_EQ(files::read_file(theirs), "[ärger]\r\nk=1\r\n[ÄRGER]\r\nk=2\r\n");
  EXPECT_EQ(files::read_file(ours), "[ärger]\r\nk=2\r\n");
}

TEST_F(IniAgainstPlatform, RecordsThatNewNamesAreWrittenTrimmed) {
  // The platform writes a new section's trailing blanks into the header (and
  // drops them at its next rewrite); we write the name trimmed at once. Both
  // read the value back.
  std::string theirs = dir_ / "blanks-theirs.ini";
  std::string ours = dir_ / "blanks-ours.ini";
  ASSERT_TRUE(platform::write_string(theirs, "  Notes  ", "x", "1"));
  ASSERT_TRUE(write_string(ours, "  Notes  ", "x", "1"));
  EXPECT_EQ(files::read_file(theirs), "[Notes  ]\r\nx=1\r\n");
  EXPECT_EQ(files::read_file(ours), "[Notes]\r\nx=1\r\n");
  EXPECT_EQ(platform::read_string(theirs, "notes", "x", "<none>"), "1");
  EXPECT_EQ(read_string(ours, "notes", "x", "<none>"), "1");
}

TEST_F(IniAgainstPlatform, RecordsThatAUtf8MarkIsNotDecoded) {
  // The platform decodes a file that starts with a UTF-8 mark as UTF-8 and
  // writes UTF-8 into it. Our files are 8-bit Windows-1252 text without a
  // mark; we skip the mark and keep taking the bytes as they are.
  const std::string before = "\xEF\xBB\xBF[a]\r\nk=\xC3\xA4\r\n";
  std::string theirs = fresh(before);
  std::string ours = fresh(before);
  EXPECT_EQ(platform::read_string(theirs, "a", "k", ""), "\xE4");
  EXPECT_EQ(read_string(ours, "a", "k", ""), "\xC3\xA4");
  ASSERT_TRUE(platform::write_string(theirs, "a", "n", "\xFC"));
  ASSERT_TRUE(write_string(ours, "a", "n", "\xFC"));
  EXPECT_EQ(files::read_file(theirs), before + "n=\xC3\xBC\r\n");
  EXPECT_EQ(files::read_file(ours), before + "n=\xFC\r\n");
}

// A file saved as "Unicode" by an editor: UTF-16LE after a byte-order mark.
// The platform's bytes for the text, made by the platform's own conversion.
std::string platform_utf16le(const std::string& text_1252) {
  std::wstring wide(text_1252.size(), L'\0');
  const int n = MultiByteToWideChar(1252, 0, text_1252.data(), static_cast<int>(text_1252.size()), wide.data(),
                                    static_cast<int>(wide.size()));
  std::string bytes = "\xFF\xFE";
  for (int i = 0; i < n; ++i) {
    bytes.push_back(static_cast<char>(wide[i] & 0xFF));
    bytes.push_back(static_cast<char>(wide[i] >> 8));
  }
  return bytes;
}

TEST_F(IniAgainstPlatform, Utf16FilesAreReadAndWrittenAlike) {
  const std::string text =
      "[Settings]\r\nstd_profil=B\xFCro \x80 \x85\r\nauto_check_icons_value=30000\r\n"
      "[orvx_form]\r\nLeft=12\r\n";
  const std::string before = platform_utf16le(text);
  std::string probe = fresh(before);
  platform::rewrite(probe);
  ASSERT_EQ(files::read_file(probe), before) << "a file in the platform's own form";

  std::string ours = fresh(before);
  std::string theirs = fresh(before);
  EXPECT_EQ(read_section_names(ours), platform::section_names(theirs));
  for (const char* key : {"std_profil", "auto_check_icons_value", "missing"}) {
    EXPECT_EQ(read_string(ours, "settings", key, "<none>"), platform::read_string(theirs, "settings", key, "<none>"))
        << key;
  }
  EXPECT_EQ(read_integer(ours, "Settings", "auto_check_icons_value", 0), 30000);
  const Write writes[] = {{"Settings", "std_profil",
                           "Gr\xF6\xDF"
                           "e \x80"},
                          {"Settings", "neu", "1"},
                          {"Neue Sektion", "k", "\x9F"}};
  for (const Write& w : writes) {
    ASSERT_TRUE(write_string(ours, w.section, w.key, w.value));
    ASSERT_TRUE(platform::write_string(theirs, w.section, w.key, w.value));
    EXPECT_EQ(files::read_file(ours), files::read_file(theirs)) << w.key;
  }
}

TEST_F(IniAgainstPlatform, RecordsThatLineBreaksInValuesAreRefused) {
  // The platform writes a value with a line break as it is, so that the
  // value's second line becomes a section of the file; we refuse the write.
  const std::string value = "a\r\n[injected]\r\nk=1";
  std::string theirs = fresh("[a]\r\nk=0\r\n");
  std::string ours = fresh("[a]\r\nk=0\r\n");
  EXPECT_TRUE(platform::write_string(theirs, "a", "k", value));
  EXPECT_EQ(platform::section_names(theirs), (std::vector<std::string>{"a", "injected"}));
  EXPECT_FALSE(write_string(ours, "a", "k", value));
  EXPECT_EQ(files::read_file(ours), "[a]\r\nk=0\r\n");
}

TEST_F(IniAgainstPlatform, RecordsThatOtherLinesKeepTheirForm) {
  // The platform rewrites the whole file: blank lines go, blanks around names
  // go, a line is cut at a NUL. We change only the line of the key.
  const std::string before = "; note\r\n\r\n[a]\r\n  k = 1 \r\n\r\n[b]\r\nn=x\0y\r\n"s;
  std::string theirs = fresh(before);
  std::string ours = fresh(before);
  ASSERT_TRUE(platform::write_string(theirs, "b", "m", "2"));
  ASSERT_TRUE(write_string(ours, "b", "m", "2"));
  EXPECT_EQ(files::read_file(theirs), "; note\r\n[a]\r\nk=1\r\n[b]\r\nn=x\r\nm=2\r\n");
  EXPECT_EQ(files::read_file(ours), "; note\r\n\r\n[a]\r\n  k = 1 \r\n\r\n[b]\r\nn=x\0y\r\nm=2\r\n"s);
}

}  // namespace
}  // namespace orvx::ini
