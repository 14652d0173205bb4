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
  MinideskToggleView view() {
    return {[this](const char* picture) { seen_.push_back(std::string("picture ") + picture); },
            [this] {
              // The layout runs after the write and sees the new state.
              seen_.push_back("layout " + stored().value_or("missing"));
            }};
  }
  // The value as load_settings reads it: shown when missing.
  bool loaded() const { return ini::read_bool(config_, "Settings", "form_status_button_value", true); }
  std::optional<std::string> stored() const {
    return ini::IniText::load(config_).value("Settings", "form_status_button_value");
  }

  test::TempFolder folder_;
  std::string config_ = folder_ / "config.qcf";
  std::vector<std::string> seen_;
};

TEST_F(MinideskToggle, FirstStartShowsTheMinideskAndOneClickHidesIt) {
  bool minidesk_shown = true;
  restore_minidesk_state(loaded(), config_, minidesk_shown, view());
  EXPECT_TRUE(minidesk_shown);
  EXPECT_EQ(stored(), "1");

  toggle_minidesk(config_, minidesk_shown, view());
  EXPECT_FALSE(minidesk_shown);
  EXPECT_EQ(stored(), "0");
  EXPECT_EQ(seen_, (std::vector<std::string>{"picture B_CLOSE", "layout 1", "picture B_OPEN", "layout 0"}));
}

TEST_F(MinideskToggle, StoredStateComesBackAtStart) {
  struct Case {
    const char* stored;  // nullptr: no key
    bool shown;
    const char* picture;
    const char* written;
  };
  const Case cases[] = {
      {"0", false, "picture B_OPEN", "0"},     {"1", true, "picture B_CLOSE", "1"},
      {"7", true, "picture B_CLOSE", "1"},     {"kaputt", true, "picture B_CLOSE", "1"},
      {nullptr, true, "picture B_CLOSE", "1"},
  };
  for (const Case& c : cases) {
    files::delete_file(config_);
    ASSERT_TRUE(ini::write_string(config_, "Settings", "other_key", "x"));
    if (c.stored) {
      ASSERT_TRUE(ini::write_string(config_, "Settings", "form_status_button_value", c.stored));
    }
    seen_.clear();
    bool minidesk_shown = !c.shown;
    restore_minidesk_state(loaded(), config_, minidesk_shown, view());
    EXPECT_EQ(minidesk_shown, c.shown) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(seen_.front(), c.picture) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(stored(), c.written) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(ini::read_string(config_, "Settings", "other_key", ""), "x");
  }
}

TEST_F(MinideskToggle, MissingKeyCountsAsHiddenWhateverTheWindowThinks) {
  bool minidesk_shown = true;  // shown, but the file has never heard of it
  toggle_minidesk(config_, minidesk_shown, view());
  EXPECT_TRUE(minidesk_shown);
  EXPECT_EQ(stored(), "1");
}

TEST_F(MinideskToggle, UnwritableFileStillTogglesTheWindow) {
  const std::string nowhere = folder_ / "missing-folder/config.qcf";
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
