// The steps at each show of the main window: the settings, the template
// mode "/dev" and the first-start language question.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mainwin/show_steps.h"
#include "config/config_file.h"
#include "ini/ini_file.h"
#include "lang/named_components.h"
#include "support/flow_world.h"

namespace orvx::mainwin {
namespace {

using Log = std::vector<std::string>;
using test::FlowWorld;

const Log kLoadSettings = {"auto_save_timer off 60000", "minidesk shown"};

Log joined(Log a, const Log& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string lang_menu_in(const FlowWorld& w) {
  return ini::read_string(config::config_file_path(w.folders.data), "Settings", "lang_menu", "missing");
}

TEST(ShowSteps, TheLanguageQuestionIsSettledForGermanUsersAndOfferedToOthers) {
  struct Case {
    uint16_t lang_id;
    const char* lang_menu_before;  // nullptr: no key
    Log log;
    std::string lang_menu_after;
  };
  const Case cases[] = {
      {0x0407, nullptr, {"lang_id"}, "1"},
      {0x0807, nullptr, {"lang_id"}, "1"},
      {0x0C07, nullptr, {"lang_id"}, "1"},
      {0x0409, nullptr, {"lang_id", "language_chooser"}, "missing"},
      {0x0409, "0", {"lang_id", "language_chooser"}, "0"},
      {0x0409, "1", {}, "1"},
      {0x1007, nullptr, {"lang_id", "language_chooser"}, "missing"},  // German (Luxembourg) is not asked for
  };
  for (const Case& c : cases) {
    FlowWorld w;
    w.window.lang_id = c.lang_id;
    if (c.lang_menu_before) {
      ASSERT_TRUE(
          ini::write_string(config::config_file_path(w.folders.data), "Settings", "lang_menu", c.lang_menu_before));
    }
    run_show_steps(w.context(), w.window);
    EXPECT_EQ(w.log.entries, joined(kLoadSettings, c.log)) << std::hex << c.lang_id;
    EXPECT_EQ(lang_menu_in(w), c.lang_menu_after) << std::hex << c.lang_id;
  }
}

TEST(ShowSteps, TheChooserIsOfferedOncePerRunAndNotOnceTheQuestionIsSettled) {
  // Left unanswered, it does not come back at the next show (after the
  // settings dialog, say); it comes back in the next run.
  FlowWorld w;
  w.window.lang_id = 0x0409;
  run_show_steps(w.context(), w.window);
  run_show_steps(w.context(), w.window);
  EXPECT_EQ(w.log.entries,
            joined(joined(kLoadSettings, {"lang_id", "language_chooser"}), joined(kLoadSettings, {"lang_id"})));
  EXPECT_EQ(lang_menu_in(w), "missing");

  FlowWorld next_run;
  next_run.window.lang_id = 0x0409;
  run_show_steps(next_run.context(), next_run.window);
  ASSERT_TRUE(ini::write_bool(config::config_file_path(next_run.folders.data), "Settings", "lang_menu", true));
  run_show_steps(next_run.context(), next_run.window);
  EXPECT_EQ(next_run.log.entries, joined(joined(kLoadSettings, {"lang_id", "language_chooser"}), kLoadSettings));
}

class TemplateMode : public ::testing::Test {
 protected:
  TemplateMode() {
    w_.start_switch = StartSwitch::kTemplate;
    // Created in another order than the template is written in.
    for (const char* name : {"settings_form", "error_icon_list", "orvx_form", "about"}) {
      auto window = std::make_unique<ModelWindow>(name);
      window->add("close_button").declare("Caption", std::string("Text of ") + name);
      w_.windows.add(window.get());
      windows_.push_back(std::move(window));
    }
  }
  std::string template_file() const { return w_.temp / "lang.ini"; }

  FlowWorld w_;
  std::vector<std::unique_ptr<ModelWindow>> windows_;
};

TEST_F(TemplateMode, WritesTheFourWindowsInOrderThenEndsWithoutTheLanguageQuestion) {
  w_.window.lang_id = 0x0409;
  run_show_steps(w_.context(), w_.window, template_file());
  EXPECT_EQ(w_.log.entries, joined(kLoadSettings, {"terminate"}));
  EXPECT_EQ(ini::read_section_names(template_file()), (Log{"orvx_form", "about", "settings_form", "error_icon_list"}));
  EXPECT_EQ(ini::read_string(template_file(), "about", "close_button.Caption", ""), "Text of about");
}

TEST_F(TemplateMode, AFailedLoadStillWritesTheTemplateAndIsReportedAtTheEnd) {
  w_.window.failing = {"minidesk shown"};
  run_show_steps(w_.context(), w_.window, template_file());
  EXPECT_EQ(w_.log.entries, joined(kLoadSettings, {"terminate", "report minidesk shown failed"}));
  EXPECT_EQ(ini::read_section_names(template_file()).size(), 4u);
}

TEST(ShowSteps, AFailedLoadSkipsTheLanguageQuestionAndIsReported) {
  FlowWorld w;
  w.window.lang_id = 0x0409;
  w.window.failing = {"minidesk shown"};
  run_show_steps(w.context(), w.window);
  EXPECT_EQ(w.log.entries, joined(kLoadSettings, {"report minidesk shown failed"}));
  EXPECT_EQ(lang_menu_in(w), "missing");
}

}  // namespace
}  // namespace orvx::mainwin
