#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lang/translator.h"
#include "lang/named_components.h"
#include "platform/files.h"
#include "support/paths.h"
#include "platform/message_ids.h"

namespace orvx::lang {
namespace {

// Two windows with a few components, as the program creates them; the about
// box does not exist yet.
class Translation : public ::testing::Test {
 protected:
  Translation() {
    main_.self().declare("Caption", "Orvane X");
    main_.add("save_button").declare("Caption", "Speichern").declare("Hint", "Aktuelle Position speichern...");
    main_.add("pm_separator").declare("Caption", "-");
    main_.add("desktop_frame").declare("Caption", "").declare("Hint", "");
    main_.add("versions_edit").declare("Text", "1.0.0.0");
    settings_.self().declare("Caption", "Einstellungen");
    settings_.add("orv_on_start").declare("Caption", "Orvane mit Windows starten (minimiert).").declare("Hint", "");
    settings_.add("auto_check_icons_value").declare_non_string("Value");
    windows_.add(&main_);
    windows_.add(&settings_);
  }

  std::string language_file(const std::string& text, const std::string& name = "Test.qlf") const {
    const std::string path = dir_ / name;
    EXPECT_TRUE(files::write_file(path, text));
    return path;
  }
  std::string caption(ModelWindow& w, const char* component) {
    return w.component(component)->string_property("Caption").value_or("<none>");
  }

  test::TempFolder dir_;
  ModelWindow main_{"orvx_form"};
  ModelWindow settings_{"settings_form"};
  WindowRegistry windows_;
  Translator lang_{windows_};
};

TEST_F(Translation, AppliesWindowSectionsToExistingWindows) {
  lang_.load_language(
      language_file("[INFOS]\r\nlang=Test\r\n"
                    "[settings_form]\r\ncaption=Settings\r\norv_on_start.Caption=Start~~minimized\r\n"
                    "[orvx_form]\r\nSAVE_BUTTON.caption=Save\r\nsave_button.Hint=Save Current Position...\r\n"
                    "[about]\r\ncaption=About\r\nclose_button.Caption=Close\r\n"));
  EXPECT_EQ(settings_.string_property("Caption"), "Settings");
  EXPECT_EQ(caption(settings_, "orv_on_start"), "Start\r\nminimized");
  EXPECT_EQ(caption(main_, "save_button"), "Save");
  EXPECT_EQ(main_.component("save_button")->string_property("Hint"), "Save Current Position...");
  EXPECT_EQ(main_.string_property("Caption"), "Orvane X");
}

TEST_F(Translation, SkipsWhatCannotBeSetWithoutComplaint) {
  ModelWindow infos("INFOS");  // even a window of that name is no target
  infos.self().declare("Caption", "unchanged");
  windows_.add(&infos);
  lang_.load_language(
      language_file("[ INFOS ]\r\ncaption=changed\r\n"
                    "[infos]\r\ncaption=changed\r\n"
                    "[settings_form]\r\n"
                    "auto_check_icons_value.Value=5\r\n"   // not a string property
                    "orv_on_start.Caption.x=two dots\r\n"  // property "Caption.x"
                    "no_such_button.Caption=nowhere\r\n"
                    "Width=500\r\n"  // no such window property
                    "=nameless\r\n"
                    "..Caption=no property of that name\r\n"
                    "orv_on_start.Caption\r\n"  // no "="
                    ";orv_on_start.Caption=a comment\r\n"));
  EXPECT_EQ(infos.string_property("Caption"), "unchanged");
  EXPECT_EQ(caption(settings_, "orv_on_start"), "Orvane mit Windows starten (minimiert).");
  EXPECT_EQ(settings_.component("auto_check_icons_value")->string_property("Value"), std::nullopt);
  EXPECT_EQ(settings_.string_property("Caption"), "Einstellungen");
}

TEST_F(Translation, ALoadOverwritesOnlyWhatItsFileNames) {
  lang_.load_language(
      language_file("[orvx_form]\r\nsave_button.Caption=Save\r\nsave_button.Hint=Save it\r\n", "A.qlf"));
  lang_.load_language(language_file("[orvx_form]\r\nsave_button.Caption=Sauver\r\n", "B.qlf"));
  EXPECT_EQ(caption(main_, "save_button"), "Sauver");
  EXPECT_EQ(main_.component("save_button")->string_property("Hint"), "Save it");

  // A missing file changes nothing, and its messages fall back to German.
  lang_.load_language(dir_ / "Missing.qlf");
  EXPECT_EQ(caption(main_, "save_button"), "Sauver");
  EXPECT_EQ(lang_.language_path(), dir_ / "Missing.qlf");
  EXPECT_EQ(lang_.get_message("Deutsch", "MSDLG_0"), "Deutsch");
}

TEST_F(Translation, WindowsCreatedLaterKeepTheirTextsUntilTheNextLoad) {
  const std::string file = language_file("[about]\r\nclose_button.Caption=Close\r\n");
  lang_.load_language(file);
  ModelWindow about("about");
  about.add("close_button").declare("Caption", "Schliessen");
  windows_.add(&about);
  EXPECT_EQ(caption(about, "close_button"), "Schliessen");
  lang_.load_language(file);
  EXPECT_EQ(caption(about, "close_button"), "Close");
}

TEST_F(Translation, MessagesComeFromTheMiscSection) {
  const char* german = "Deutscher Text";
  EXPECT_EQ(lang_.get_message(german, "MSDLG_0"), german) << "no language loaded";

  lang_.load_language(
      language_file("[MISC]\r\n"
                    "MSDLG_0=Select A Standard Profile\r\n"
                    "List_1=Profile name\r\n"
                    "MSDLG_2=  OK  \r\n"
                    "MSDLG_4a=one *|* two *|* three\r\n"
                    "MSDLG_4b=*|**|*rest\r\n"
                    "MSDLG_4c=\r\n"
                    "[misc]\r\nMSDLG_7=a second misc section is never read\r\n"));
  struct Case {
    const char* id;
    const char* expected;
  };
  const Case cases[] = {
      {"MSDLG_0", "Select A Standard Profile"},
      {"msdlg_0", "Select A Standard Profile"},
      {"List_1", "Profile name"},
      {"LIST_1", "Profile name"},
      {"MSDLG_2", german},
      {"MSDLG_4a", "one \r\n two \r\n three"},
      {"MSDLG_4b", "\r\nrest"},
      {"MSDLG_4c", german},
      {"MSDLG_7", german},
      {"MSDLG_99", german},
      {"", german},
  };
  for (const auto& c : cases) EXPECT_EQ(lang_.get_message(german, c.id), c.expected) << c.id;
}

TEST_F(Translation, MessagesFollowTheFileOnDisk) {
  const std::string file = language_file("[misc]\r\nMSDLG_13=No newer version!\r\n");
  lang_.load_language(file);
  EXPECT_EQ(lang_.message(message_ids::kNoNewerVersion), "No newer version!");
  ASSERT_TRUE(files::write_file(file, "[misc]\r\nMSDLG_13=Still no newer version!\r\n"));
  EXPECT_EQ(lang_.message(message_ids::kNoNewerVersion), "Still no newer version!");
  ASSERT_TRUE(files::delete_file(file));
  EXPECT_EQ(lang_.message(message_ids::kNoNewerVersion), "Keine neue Orvane Version vorhanden!");
}

TEST_F(Translation, TheShippedEnglishFileTranslatesWindowsAndMessages) {
  ModelWindow error_list("error_icon_list");
  error_list.add("abort_button")
      .declare("Caption",
               "Schlie\xDF"
               "en")
      .declare("Hint",
               "Fenster schlie\xDF"
               "en");
  windows_.add(&error_list);
  lang_.load_language(test::source_dir() + "/resources/English.qlf");
  EXPECT_EQ(caption(main_, "save_button"), "Save");
  EXPECT_EQ(settings_.string_property("Caption"), "Settings");
  EXPECT_EQ(caption(settings_, "orv_on_start"), "Start Orvane X (minimized) with Windows");
  EXPECT_EQ(caption(error_list, "abort_button"), "Close");
  EXPECT_EQ(error_list.component("abort_button")->string_property("Hint"), "Close Window");
  EXPECT_EQ(lang_.message(message_ids::kAskInternetAccess),
            "Data will be called up from the internet \r\n No confidential information will be "
            "transferred. Do you want to continue?");
  EXPECT_EQ(lang_.message(message_ids::kArrangementBlocksRestore),
            "Orvane X has found settings that do not allow it to function properly. Either \"Auto "
            "Arrange\" or \"Align to Grid\" is (or both are) enabled. You have to disable these options "
            "before proceeding. \r\n To achieve this, click your right mouse button anywhere on the "
            "desktop and select \"Arrange Icons By..\" and in the following menu untick \"Auto Arrange\" "
            "and \"Align to Grid\". \r\n \r\n \r\n After changing these settings, click OK to continue.");
  EXPECT_EQ(lang_.message(message_ids::kColumnIcons), "Icons");
}

TEST_F(Translation, TemplatesHoldTheComponentTexts) {
  const std::string path = dir_ / "lang.ini";
  ASSERT_TRUE(files::write_file(
      path, "[INFOS]\r\nlang=Neu\r\n[orvx_form]\r\nsave_button.Caption=old\r\nkept.Caption=kept\r\n"));
  main_.component("save_button")->set_string_property("Caption", "Spei\r\nchern");
  lang_.write_template(main_, path);
  EXPECT_EQ(files::read_file(path).value_or(""),
            "[INFOS]\r\nlang=Neu\r\n"
            "[orvx_form]\r\n"
            "save_button.Caption=Spei~~chern\r\n"
            "kept.Caption=kept\r\n"
            "save_button.Hint=Aktuelle Position speichern...\r\n"
            "versions_edit.Text=1.0.0.0\r\n");

  // What the template holds puts the texts back.
  main_.component("save_button")->set_string_property("Caption", "changed");
  lang_.load_language(path);
  EXPECT_EQ(caption(main_, "save_button"), "Spei\r\nchern");

  lang_.write_template(settings_, dir_ / "fresh.ini");
  EXPECT_EQ(files::read_file(dir_ / "fresh.ini").value_or(""),
            "[settings_form]\r\norv_on_start.Caption=Orvane mit Windows starten (minimiert).\r\n");
}

TEST_F(Translation, GarbageAndHugeLanguageFilesAreHarmless) {
  const std::string cases[] = {
      std::string("\0\xFF\xFE[orvx_form]\0save_button.Caption=x", 38),
      "[orvx_form",
      "[orvx_form]\r\nsave_button.Caption=" + std::string(1 << 20, 'A'),
      std::string(1 << 16, '['),
      std::string(1 << 16, '\n'),
  };
  for (const auto& bytes : cases) {
    lang_.load_language(language_file(bytes));
    EXPECT_EQ(lang_.get_message("Deutsch", "MSDLG_0"), "Deutsch");
  }
  EXPECT_EQ(caption(main_, "save_button").size(), size_t{1} << 20);

  // A file grown far beyond any language file (sparse, 1 GiB) is not read.
  const std::string huge = language_file("[orvx_form]\r\nsave_button.Caption=huge\r\n[misc]\r\nMSDLG_0=huge\r\n");
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
  lang_.load_language(huge);
  EXPECT_EQ(caption(main_, "save_button").size(), size_t{1} << 20);
  EXPECT_EQ(lang_.get_message("Deutsch", "MSDLG_0"), "Deutsch");
}

}  // namespace
}  // namespace orvx::lang
