// Each window's table of named components (its *_components.h) against the
// shipped English language file: every component the file translates for a
// window is in that window's table, every control the table marks as
// translated has a text in the file, and no table names a component twice.
// A control renamed in the code keeps its name in language files only
// through its table, so a table that drifts from the file shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <span>
#include <string>

#include "language_chooser/language_chooser_components.h"
#include "lang/component_name.h"
#include "mainwin/about_box_components.h"
#include "mainwin/main_window_components.h"
#include "minidesk/error_list_components.h"
#include "platform/files.h"
#include "settings/settings_dialog_components.h"
#include "support/paths.h"

namespace orvx {
namespace {

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Section name (lower case) -> the components its keys name ("save_button"
// of "save_button.Caption"); keys without a component ("caption") are the
// window's own.
std::map<std::string, std::set<std::string>> translated_components(const std::string& bytes) {
  std::map<std::string, std::set<std::string>> sections;
  std::string section;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = lower(line.substr(1, line.size() - 2));
      sections[section];
      continue;
    }
    const size_t eq = line.find('=');
    const size_t dot = line.find('.');
    if (section.empty() || eq == std::string::npos || dot == std::string::npos || dot > eq) continue;
    sections[section].insert(lower(line.substr(0, dot)));
  }
  return sections;
}

struct Table {
  const char* section;
  std::span<const lang::ComponentName> components;
};

TEST(ComponentTables, MatchTheShippedEnglishFile) {
  const std::optional<std::string> bytes = files::read_file(test::source_dir() + "/resources/English.qlf");
  ASSERT_TRUE(bytes.has_value());
  const auto file = translated_components(*bytes);
  const Table tables[] = {
      {mainwin::components::kSection, mainwin::components::kAll},
      {mainwin::about_components::kSection, mainwin::about_components::kAll},
      {settings::components::kSection, settings::components::kAll},
      {minidesk::error_list_components::kSection, minidesk::error_list_components::kAll},
      {language_chooser::components::kSection, language_chooser::components::kAll},
  };
  for (const Table& table : tables) {
    SCOPED_TRACE(table.section);
    const auto found = file.find(lower(table.section));
    const std::set<std::string> in_file = found == file.end() ? std::set<std::string>{} : found->second;
    std::set<std::string> in_table;
    for (const lang::ComponentName& c : table.components) {
      EXPECT_TRUE(in_table.insert(lower(c.name)).second) << c.name << " named twice";
      EXPECT_EQ(in_file.count(lower(c.name)) == 1, c.translated) << c.control << " (" << c.name << ")";
    }
    for (const std::string& name : in_file) {
      EXPECT_EQ(in_table.count(name), 1u) << name << " is translated but in no table";
    }
  }
}

TEST(ComponentTables, EveryWindowOfTheEnglishFileHasATable) {
  const std::optional<std::string> bytes = files::read_file(test::source_dir() + "/resources/English.qlf");
  ASSERT_TRUE(bytes.has_value());
  const std::set<std::string> windows{lower(mainwin::components::kSection), lower(mainwin::about_components::kSection),
                                      lower(settings::components::kSection),
                                      lower(minidesk::error_list_components::kSection),
                                      lower(language_chooser::components::kSection)};
  for (const auto& [section, components] : translated_components(*bytes)) {
    if (section == "infos" || section == "misc") continue;
    EXPECT_EQ(windows.count(section), 1u) << "[" << section << "] has no table";
  }
}

}  // namespace
}  // namespace orvx
