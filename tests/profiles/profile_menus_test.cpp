// The profile menus as the profile files give them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "profiles/profile_menus.h"
#include "profiles/profile_store.h"
#include "support/paths.h"

namespace orvx {

void PrintTo(const ProfileMenuItem& item, std::ostream* os) {
  *os << "{" << item.profile_name << ", " << item.caption << ", " << item.component_name << "}";
}

namespace {

TEST(ProfileMenus, NoProfilesHideTheProfileSubmenu) {
  test::TempFolder dir;
  ASSERT_TRUE(files::create_folder(dir / "x.qpf"));
  ASSERT_TRUE(files::write_file(dir / "notes.txt", ""));
  const ProfileMenus menus = build_profile_menus(dir.path());
  EXPECT_FALSE(menus.select_profile_visible);
  EXPECT_TRUE(menus.items.empty());
  EXPECT_FALSE(build_profile_menus(dir / "missing").select_profile_visible);
}

TEST(ProfileMenus, ItemsCarryTheRealNameAndAnEscapedCaption) {
  test::TempFolder dir;
  for (const char* name : {"a&b.qpf", "R&&D.qpf", "Plain.qpf"}) ASSERT_TRUE(files::write_file(dir / name, ""));

  const ProfileMenus menus = build_profile_menus(dir.path());
  EXPECT_TRUE(menus.select_profile_visible);
  std::map<std::string, std::string> caption_of;
  for (const ProfileMenuItem& item : menus.items) caption_of[item.profile_name] = item.caption;
  EXPECT_EQ(caption_of, (std::map<std::string, std::string>{{"a&b", "a&&b"}, {"R&&D", "R&&&&D"}, {"Plain", "Plain"}}));
}

TEST(ProfileMenus, TenProfilesAreNamedM0ToM9InListOrder) {
  test::TempFolder dir;
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(files::write_file(dir / ("P" + std::to_string(i) + ".qpf"), ""));
  const ProfileMenus menus = build_profile_menus(dir.path());
  const std::vector<std::string> listed = list_profiles(dir.path());
  ASSERT_EQ(menus.items.size(), 10u);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(menus.items[i], (ProfileMenuItem{listed[i], listed[i], "M_" + std::to_string(i)}));
  }
}

TEST(ProfileMenus, EscapedMenuTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {"Work", "Work"}, {"a&b", "a&&b"}, {"&", "&&"}, {"R&&D", "R&&&&D"}, {"a:b&", "a:b&&"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(escape_menu_text(text), escaped) << text;
}

}  // namespace
}  // namespace orvx
