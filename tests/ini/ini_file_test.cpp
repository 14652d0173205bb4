#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::ini {
namespace {

struct ReadCase {
  const char* what;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

std::vector<ReadCase> read_cases() {
  using namespace std::string_literals;
  return {
      {"plain", "[a]\r\nk=v\r\n", "a", "k", "v"},
      {"names ignore ASCII case", "[Settings]\r\nLang=de\r\n", "SETTINGS", "lang", "de"},
      {"names ignore Windows-1252 case", "[ÄRGER Œ]\r\nSchlüssel=1\r\n", "ärger œ", "SCHLÜSSEL", "1"},
      {"× and ÷ are no letters", "[×]\r\nk=1\r\n", "÷", "k", std::nullopt},
      {"blanks around names and =", "  [a]  \r\n\t k \t=\t v v \t\r\n", "a", "k", "v v"},
      {"query names are trimmed", "[a]\r\nk=v\r\n", "  a ", "\tk ", "v"},
      {"blanks inside brackets are trimmed", "[ a\t]\r\nk=v\r\n", "a", "k", "v"},
      {"first key wins", "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1"},
      {"only the first section of a name is searched", "[a]\r\nx=1\r\n[A]\r\nk=2\r\n", "a", "k", std::nullopt},
      {"the last ] ends the name", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
      {"text after the last ] is ignored", "[a] ; note\r\nk=v\r\n", "a", "k", "v"},
      {"a [ line without ] is an entry", "[a]\r\n[b\r\nk=v\r\n", "a", "k", "v"},
      {"= inside a value", "[a]\r\nk=x=y\r\n", "a", "k", "x=y"},
      {"; lines are entries too", "[a]\r\n;k=c\r\n", "a", ";k", "c"},
      {"; lines do not hide keys", "[a]\r\n;note\r\nk=v\r\n", "a", "k", "v"},
      {"empty value", "[a]\r\nk=\r\n", "a", "k", ""},
      {"a key without = reads as missing", "[a]\r\nk\r\n", "a", "k", std::nullopt},
      {"a key without = hides a later one", "[a]\r\nk\r\nk=v\r\n", "a", "k", std::nullopt},
      {"double quotes are removed", "[a]\r\nk=\"q v\"\r\n", "a", "k", "q v"},
      {"single quotes are removed", "[a]\r\nk='v'\r\n", "a", "k", "v"},
      {"unmatched quotes stay", "[a]\r\nk=\"v'\r\n", "a", "k", "\"v'"},
      {"a lone quote stays", "[a]\r\nk=\"\r\n", "a", "k", "\""},
      {"missing final newline", "[a]\r\nk=v", "a", "k", "v"},
      {"LF line ends", "[a]\nk=v\n", "a", "k", "v"},
      {"CR line ends", "[a]\rk=v\r", "a", "k", "v"},
      {"blank lines and ^Z", "\r\n\r\n[a]\r\n\r\n\x1Ak=v\x1A\r\n\r\n", "a", "k", "v"},
      {"8-bit bytes verbatim", "[a]\r\nk=\x80\x81\xFF\xA0\r\n", "a", "k", "\x80\x81\xFF\xA0"},
      {"NUL ends a value", "[a]\r\nk=ab\0cd\r\n"s, "a", "k", "ab"},
      {"NUL ends a name", "[a]\r\nk\0x=v\r\n"s, "a", "k", "v"},
      {"NUL ends a section name", "[a\0b]\r\nk=v\r\n"s, "a", "k", "v"},
      {"UTF-8 mark before the first section", "\xEF\xBB\xBF[a]\r\nk=v\r\n", "a", "k", "v"},
      {"entries before any section are out of reach", "k=v\r\n[a]\r\n", "", "k", std::nullopt},
      {"empty key name", "[a]\r\n=v\r\n", "a", "", std::nullopt},
      {"missing section", "[a]\r\nk=v\r\n", "b", "k", std::nullopt},
      {"empty file", "", "a", "k", std::nullopt},
      {"binary garbage", "\xFF\xFE\0[\0a\0]\0\r\0\n\0"s, "a", "k", std::nullopt},
  };
}

TEST(IniRead, ValuesAsAStringReadReturnsThem) {
  test::TempFolder dir;
  for (const ReadCase& c : read_cases()) {
    std::string path = dir / "read.ini";
    ASSERT_TRUE(files::write_file(path, c.text));
    IniText text(c.text);
    EXPECT_EQ(text.value(c.section, c.key), c.expected) << c.what;
    EXPECT_EQ(read_string(path, c.section, c.key, "<default>"), c.expected.value_or("<default>")) << c.what;
  }
}

TEST(IniRead, DefaultsAreReturnedAsThePlatformReturnsThem) {
  test::TempFolder dir;
  std::string missing = dir / "missing.ini";
  EXPECT_EQ(read_string(missing, "a", "k", "x  "), "x");
  EXPECT_EQ(read_string(missing, "a", "k", "  x"), "  x");
  EXPECT_EQ(read_string(missing, "a", "k", "\"x\""), "x");
  EXPECT_EQ(read_string(missing, "a", "k", ""), "");
}

struct IntegerCase {
  const char* text;
  int32_t expected;  // with default 7
};

TEST(IniRead, IntegersAreLeadingSignedDecimalNumbers) {
  const IntegerCase cases[] = {
      {"12", 12},
      {"-12", -12},
      {"+12", 12},
      {"007", 7},
      {"12abc", 12},
      {"  12", 12},
      {"0x10", 0},  // decimal only: the number is the leading 0
      {"1e3", 1},
      {"abc", 7},
      {"", 7},
      {"-", 7},
      {"- 5", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 7},
      {"-2147483649", 7},
      {"99999999999999999999", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_integer(c.text, 7), c.expected) << c.text;
}

TEST(IniRead, IntegersAndBooleansFromFiles) {
  test::TempFolder dir;
  std::string path = dir / "n.ini";
  ASSERT_TRUE(files::write_file(path, "[n]\r\nneg=-40\r\nq=\"15\"\r\nbad=x\r\non=1\r\noff=0\r\nodd=2\r\n"));
  EXPECT_EQ(read_integer(path, "n", "neg", 0), -40);
  EXPECT_EQ(read_integer(path, "n", "q", 0), 15);
  EXPECT_EQ(read_integer(path, "n", "bad", 3), 3);
  EXPECT_EQ(read_integer(path, "n", "none", 3), 3);
  EXPECT_EQ(read_integer(dir / "missing.ini", "n", "neg", 3), 3);
  EXPECT_TRUE(read_bool(path, "n", "on", false));
  EXPECT_FALSE(read_bool(path, "n", "off", true));
  EXPECT_TRUE(read_bool(path, "n", "odd", false));
  EXPECT_TRUE(read_bool(path, "n", "bad", true));
  EXPECT_FALSE(read_bool(path, "n", "none", false));
}

TEST(IniRead, SectionNamesInFileOrderWithDuplicates) {
  test::TempFolder dir;
  std::string path = dir / "s.ini";
  std::string text = "k=top\r\n[b]\r\n[]\r\n  [a] \r\n[B]\r\n[c\r\n[ d ]\r\n[x]y]\r\n";
  ASSERT_TRUE(files::write_file(path, text));
  const std::vector<std::string> expected = {"b", "a", "B", "d", "x]y"};
  EXPECT_EQ(read_section_names(path), expected);
  EXPECT_EQ(IniText(text).section_names(), expected);
  EXPECT_TRUE(read_section_names(dir / "missing.ini").empty());
}

TEST(IniText, EntriesWalkTheFirstSectionOfAName) {
  IniText text("[w]\r\nCaption = Hallo \r\n;comment=x\r\nnovalue\r\n=empty\r\nHint=\"q\"\r\n[W]\r\nlater=1\r\n");
  using Entries = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(text.entries("W"), (Entries{{"Caption", "Hallo"}, {"Hint", "\"q\""}}));
  EXPECT_TRUE(text.entries("none").empty());
  EXPECT_TRUE(text.has_section(" w "));
  EXPECT_FALSE(text.has_section("none"));
  EXPECT_FALSE(text.has_section(""));
}

TEST(IniText, EverySectionByPlaceReadsAsItsNameDoes) {
  // Walking the sections by place must give what a lookup by each section's
  // own name gives: the first section of a name answers for all of them.
  using namespace std::string_literals;
  std::vector<std::string> texts = {
      "[a]\r\nx=1\r\n[A]\r\nx=2\r\ny=3\r\n[a]\r\n",
      "[a \0b]\r\nx=1\r\n[a]\r\nx=2\r\n"s,
      "[ a ]\r\nx=1\r\n[a]\r\nx=2\r\n[]\r\nx=3\r\n",
      "[ORV_Infos]\r\nIcons=2\r\n[i]\r\nx\r\nx=4\r\n[I]\r\ny=\"5\"\r\n",
  };
  for (const ReadCase& c : read_cases()) texts.push_back(c.text);
  for (const std::string& bytes : texts) {
    IniText text(bytes);
    for (size_t i = 0; i < text.section_count(); ++i) {
      const std::string name(text.section_name(i));
      for (const char* key : {"x", "y", "k", "Icons", ""}) {
        std::optional<std::string_view> by_place = text.section_value(i, key);
        EXPECT_EQ(by_place ? std::optional<std::string>(*by_place) : std::nullopt,
                  name.empty() ? std::nullopt : text.value(name, key))
            << testing::PrintToString(bytes) << " section " << i << " key " << key;
      }
    }
  }
}

TEST(IniText, CopiesAndMovesKeepWorking) {
  IniText original("[a]\r\nk=v\r\n");
  IniText copy = original;
  IniText moved = std::move(original);
  EXPECT_EQ(copy.value("a", "k"), "v");
  EXPECT_EQ(moved.value("a", "k"), "v");
}

TEST(IniText, LoadOfAMissingFileIsEmpty) {
  test::TempFolder dir;
  IniText text = IniText::load(dir / "missing.ini");
  EXPECT_TRUE(text.bytes().empty());
  EXPECT_TRUE(text.section_names().empty());
}

struct WriteCase {
  const char* what;
  std::optional<std::string> before;  // nullopt: no file yet
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST(IniWrite, ChangesOnlyItsKeyAndKeepsEveryOtherByte) {
  using namespace std::string_literals;
  const WriteCase cases[] = {
      {"new file", std::nullopt, "a", "k", "v", "[a]\r\nk=v\r\n"},
      {"empty file", "", "a", "k", "v", "[a]\r\nk=v\r\n"},
      {"new section at the end", "[a]\r\nk=v\r\n", "b", "x", "1", "[a]\r\nk=v\r\n[b]\r\nx=1\r\n"},
      {"new section after a missing final newline", "[a]\r\nk=v", "b", "x", "1", "[a]\r\nk=v\r\n[b]\r\nx=1\r\n"},
      {"new section after LF lines", "[a]\nk=v\n", "b", "x", "1", "[a]\nk=v\n[b]\r\nx=1\r\n"},
      {"new key after the section's last line", "[a]\r\nk=v\r\n\r\n[b]\r\nx=1\r\n", "A", "n", "2",
       "[a]\r\nk=v\r\nn=2\r\n\r\n[b]\r\nx=1\r\n"},
      {"new key into an empty section", "[a]\r\n[b]\r\n", "a", "n", "2", "[a]\r\nn=2\r\n[b]\r\n"},
      {"new key at the end without a final newline", "[a]\r\nk=v", "a", "n", "2", "[a]\r\nk=v\r\nn=2\r\n"},
      {"new key after a comment line", "[a]\r\nk=v\r\n;c\r\n", "a", "n", "2", "[a]\r\nk=v\r\n;c\r\nn=2\r\n"},
      {"new key goes to the first section of the name", "[a]\r\nx=1\r\n[A]\r\nn=0\r\n", "a", "n", "2",
       "[a]\r\nx=1\r\nn=2\r\n[A]\r\nn=0\r\n"},
      {"replace keeps the layout around the value", "; top\r\n[a]\r\n  K  =  old \r\nz=1\r\n", "a", "k", "new",
       "; top\r\n[a]\r\n  K  =  new\r\nz=1\r\n"},
      {"replace keeps 8-bit bytes and other line ends", "[ä]\nk=\xFF\n[b]\rq=\x80\r", "Ä", "k", "ü",
       "[ä]\nk=ü\n[b]\rq=\x80\r"},
      {"replace an empty value", "[a]\r\nk=\r\n", "a", "k", "v", "[a]\r\nk=v\r\n"},
      {"a key without = gets one", "[a]\r\nk\r\n", "a", "k", "v", "[a]\r\nk=v\r\n"},
      {"replace the first of duplicate keys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "3", "[a]\r\nk=3\r\nk=2\r\n"},
      {"replace a value cut by a NUL", "[a]\r\nk=ab\0cd\r\n"s, "a", "k", "x", "[a]\r\nk=x\r\n"},
      {"names are trimmed", std::nullopt, "  a ", "\tk ", "v", "[a]\r\nk=v\r\n"},
      {"leading blanks of a value are dropped", std::nullopt, "a", "k", "  v ", "[a]\r\nk=v \r\n"},
      {"section names keep ] and =", std::nullopt, "x]=y", "k", "v", "[x]=y]\r\nk=v\r\n"},
      {"unchanged value leaves the bytes", "[a]\r\nk = v  \r\n", "a", "k", "v", "[a]\r\nk = v  \r\n"},
      {"a NUL elsewhere survives", "[z]\r\nq=a\0b\r\n[a]\r\nk=1\r\n"s, "a", "k", "2",
       "[z]\r\nq=a\0b\r\n[a]\r\nk=2\r\n"s},
  };
  test::TempFolder dir;
  int n = 0;
  for (const WriteCase& c : cases) {
    std::string path = dir / ("w" + std::to_string(n++) + ".ini");
    if (c.before) {
      ASSERT_TRUE(files::write_file(path, *c.before));
    }
    EXPECT_TRUE(write_string(path, c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(files::read_file(path).value_or("<none>"), c.after) << c.what;
  }
}

TEST(IniWrite, RefusesWhatALineCannotHold) {
  using namespace std::string_literals;
  struct Refused {
    std::string section, key, value;
  };
  const Refused cases[] = {
      {"", "k", "v"},      {"  ", "k", "v"},       {"a", "", "v"},     {"a", " ", "v"},     {"a\r\nb", "k", "v"},
      {"a", "k\n", "v"},   {"a", "k", "v\r\n[b]"}, {"a", "k", "v\rw"}, {"a\0b"s, "k", "v"}, {"a", "k\0"s, "v"},
      {"a", "k", "v\0w"s}, {"a", "k=x", "v"},      {"a", "[k]", "v"},
  };
  test::TempFolder dir;
  std::string path = dir / "r.ini";
  const std::string before = "[a]\r\nk=old\r\n";
  ASSERT_TRUE(files::write_file(path, before));
  for (const Refused& c : cases) {
    EXPECT_FALSE(write_string(path, c.section, c.key, c.value)) << c.section << "|" << c.key;
    EXPECT_EQ(files::read_file(path).value(), before);
  }
}

TEST(IniWrite, WrittenValuesReadBack) {
  test::TempFolder dir;
  std::string path = dir / "rt.ini";
  ASSERT_TRUE(write_integer(path, "Settings", "Left", -1200));
  ASSERT_TRUE(write_bool(path, "Settings", "on", true));
  ASSERT_TRUE(write_bool(path, "Settings", "off", false));
  ASSERT_TRUE(write_string(path, "Fenster", "Caption", "Größe = 3; [x]"));
  EXPECT_EQ(read_integer(path, "settings", "LEFT", 0), -1200);
  EXPECT_TRUE(read_bool(path, "Settings", "on", false));
  EXPECT_FALSE(read_bool(path, "Settings", "off", true));
  EXPECT_EQ(read_string(path, "FENSTER", "caption", ""), "Größe = 3; [x]");
  EXPECT_EQ(files::read_file(path).value(),
            "[Settings]\r\nLeft=-1200\r\non=1\r\noff=0\r\n[Fenster]\r\nCaption=Größe = 3; [x]\r\n");
}

TEST(IniWrite, FailsWithoutATraceWhereNoFileCanBe) {
  test::TempFolder dir;
  EXPECT_FALSE(write_string(dir / "no-such-folder" + files::kSeparator + "x.ini", "a", "k", "v"));
  ASSERT_TRUE(files::create_folder(dir / "folder.ini"));
  EXPECT_FALSE(write_string(dir / "folder.ini", "a", "k", "v"));
  auto entries = files::list_folder(dir.path(), "*");
  for (const auto& e : entries) {
    EXPECT_TRUE(e.name == "." || e.name == ".." || e.name == "folder.ini") << e.name;
  }
}

// Several keys in one write give the bytes that one write per key gives,
// and a key that a line cannot hold stops them all.
TEST(IniWrite, SeveralKeysGoInOneWriteOrNotAtAll) {
  test::TempFolder dir;
  const std::string start = "; kept\r\n[Other]\r\nk=1\r\n[Settings]\r\nb=old\r\n";
  ASSERT_TRUE(files::write_file(dir / "one.ini", start));
  ASSERT_TRUE(files::write_file(dir / "each.ini", start));
  const std::vector<std::pair<std::string, std::string>> entries = {{"a", "1"}, {"b", "two"}, {"c", ""}};
  ASSERT_TRUE(write_strings(dir / "one.ini", "Settings", entries));
  for (const auto& [key, value] : entries) ASSERT_TRUE(write_string(dir / "each.ini", "Settings", key, value));
  EXPECT_EQ(files::read_file(dir / "one.ini"), files::read_file(dir / "each.ini"));

  EXPECT_FALSE(write_strings(dir / "one.ini", "Settings", {{"a", "9"}, {"d", "x\r\ny"}}));
  EXPECT_EQ(files::read_file(dir / "one.ini"), files::read_file(dir / "each.ini"));
  EXPECT_FALSE(write_strings(dir / "no-such-folder" + files::kSeparator + "x.ini", "Settings", entries));
}

}  // namespace
}  // namespace orvx::ini
