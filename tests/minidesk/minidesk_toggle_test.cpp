// Showing and hiding the Minidesk, with the state kept in a real
// configuration file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "minidesk/minidesk_toggle.h"
#include "ini/ini_file.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::minidesk {
namespace {

class MinideskToggle : public ::testing::Test {
 protected:
  MinideskToggleView View() {
    return {[this](const char* picture) { seen.push_back(std::string("picture ") + picture); },
            [this] {
              // The layout runs after the write and sees the new state.
              seen.push_back("layout " + Stored().value_or("missing"));
            }};
  }
  // The value as load_settings reads it: shown when missing.
  bool Loaded() const { return ini::read_bool(config, "Settings", "form_status_button_value", true); }
  std::optional<std::string> Stored() const {
    return ini::IniText::load(config).value("Settings", "form_status_button_value");
  }

  test::TempFolder folder;
  std::string config = folder / "config.qcf";
  std::vector<std::string> seen;
};

TEST_F(MinideskToggle, FirstStartShowsTheMinideskAndOneClickHidesIt) {
  bool minidesk_shown = true;
  restore_minidesk_state(Loaded(), config, minidesk_shown, View());
  EXPECT_TRUE(minidesk_shown);
  EXPECT_EQ(Stored(), "1");

  toggle_minidesk(config, minidesk_shown, View());
  EXPECT_FALSE(minidesk_shown);
  EXPECT_EQ(Stored(), "0");
  EXPECT_EQ(seen, (std::vector<std::string>{"picture B_CLOSE", "layout 1", "picture B_OPEN", "layout 0"}));
}

TEST_F(MinideskToggle, StoredStateComesBackAtStart) {
  struct Case {
    const char* stored;  // nullptr: no key
    bool shown;
    const char* picture;
    const char* written;
  };
  const Case cases[] = {
      {"0", false, "picture B_OPEN", "0"}, {"1", true, "picture B_CLOSE", "1"},
      {"7", true, "picture B_CLOSE", "1"}, {"kaputt", true, "picture B_CLOSE", "1"},
      {nullptr, true, "picture B_CLOSE", "1"},
  };
  for (const Case& c : cases) {
    files::delete_file(config);
    ASSERT_TRUE(ini::write_string(config, "Settings", "other_key", "x"));
    if (c.stored) {
      ASSERT_TRUE(ini::write_string(config, "Settings", "form_status_button_value", c.stored));
    }
    seen.clear();
    bool minidesk_shown = !c.shown;
    restore_minidesk_state(Loaded(), config, minidesk_shown, View());
    EXPECT_EQ(minidesk_shown, c.shown) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(seen.front(), c.picture) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(Stored(), c.written) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(ini::read_string(config, "Settings", "other_key", ""), "x");
  }
}

TEST_F(MinideskToggle, MissingKeyCountsAsHiddenWhateverTheWindowThinks) {
  bool minidesk_shown = true;  // shown, but the file has never heard of it
  toggle_minidesk(config, minidesk_shown, View());
  EXPECT_TRUE(minidesk_shown);
  EXPECT_EQ(Stored(), "1");
}

TEST_F(MinideskToggle, UnwritableFileStillTogglesTheWindow) {
  const std::string nowhere = folder / "missing-folder/config.qcf";
  bool minidesk_shown = false;
  int layouts = 0;
  toggle_minidesk(nowhere, minidesk_shown, {nullptr, [&] { ++layouts; }});
  EXPECT_TRUE(minidesk_shown);
  EXPECT_EQ(layouts, 1);
  toggle_minidesk(nowhere, minidesk_shown, {});  // the key is still missing: hidden, then shown
  EXPECT_TRUE(minidesk_shown);
  EXPECT_FALSE(files::file_exists(nowhere));
}

}  // namespace
}  // namespace orvx::minidesk
