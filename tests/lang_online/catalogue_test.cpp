// The catalogue body cut into the entries the user chooses from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang_online/catalogue.h"

namespace orvx::lang_online {
namespace {

struct Case {
  const char* body;
  std::vector<std::string> entries;
};

TEST(SplitCatalogue, EveryCommaCutsAndNothingIsTrimmedInside) {
  const Case cases[] = {
      {"english,francais", {"english", "francais"}},
      {"english", {"english"}},
      {"  english,francais\r\n", {"english", "francais"}},
      {"\tenglish\n", {"english"}},
      {"english, francais", {"english", " francais"}},     // the blank stays
      {"english,francais,", {"english", "francais", ""}},  // trailing comma: empty entry
      {"english,,francais", {"english", "", "francais"}},
      {",english", {"", "english"}},
      {",", {"", ""}},
      {"english ,francais", {"english ", "francais"}},
      {"", {}},
      {" \r\n\t ", {}},
      {"..\\..\\evil,english", {"..\\..\\evil", "english"}},  // listed as sent
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    EXPECT_EQ(split_catalogue(c.body), c.entries);
  }
}

}  // namespace
}  // namespace orvx::lang_online
