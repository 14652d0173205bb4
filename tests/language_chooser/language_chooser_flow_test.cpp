// What each answer of the first-start language chooser leads to: what is
// written into config.qcf, loaded and shown.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "ini/ini_file.h"
#include "platform/files.h"
#include "language_chooser/language_chooser_flow.h"
#include "support/paths.h"

namespace orvx::language_chooser {
namespace {

using lang_online::ChooserAnswer;

struct FlowCase {
  const char* name;
  std::optional<ChooserAnswer> answer;
  bool saved_a_language;  // the settings dialog's outcome after "Other Language"
  const char* lang_list;  // written; nullptr: untouched
  const char* lang_menu;  // written; nullptr: untouched
  std::vector<std::string> calls;
};

TEST(FollowChooserAnswer, WritesLoadsAndShowsWhatTheAnswerAsks) {
  const FlowCase cases[] = {
      {"English", ChooserAnswer::kEnglish, false, "english", "1", {"load_language lang\\english.qlf", "load_settings"}},
      {"Deutsch", ChooserAnswer::kGerman, false, "", "1", {}},
      {"Other, a language saved", ChooserAnswer::kOther, true, nullptr, "1", {"settings on Language"}},
      {"Other, cancelled", ChooserAnswer::kOther, false, nullptr, nullptr, {"settings on Language"}},
      {"closed without an answer", std::nullopt, false, nullptr, nullptr, {}},
  };
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder data;
    const std::string config = config::config_file_path(data.path());
    ASSERT_TRUE(files::write_file(config, "[Settings]\r\nlang_list=polski\r\n"));
    std::vector<std::string> calls;
    follow_chooser_answer(c.answer,
                          ChooserFlowHost{.data_folder = data.path(),
                                          .load_language =
                                              [&](const std::string& path) {
                                                calls.push_back("load_language " + path.substr(data.path().size()));
                                              },
                                          .load_settings = [&] { calls.push_back("load_settings"); },
                                          .settings_on_language =
                                              [&] {
                                                calls.push_back("settings on Language");
                                                return c.saved_a_language;
                                              }});
    for (std::string& call : calls) {
      for (char& ch : call) {
        if (ch == '/') ch = '\\';
      }
    }
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(ini::read_string(config, "Settings", "lang_list", "<none>"), c.lang_list ? c.lang_list : "polski");
    EXPECT_EQ(ini::read_string(config, "Settings", "lang_menu", "<none>"), c.lang_menu ? c.lang_menu : "<none>");
  }
}

}  // namespace
}  // namespace orvx::language_chooser
