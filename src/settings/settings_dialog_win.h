#pragma once
// `SettingsDialog`, the settings dialog: a borderless 504 x 464 dialog with
// a caption bar whose one button saves, five grouped collapsible sections
// (Settings, Profiles, Export / Import, Language, Update / Uninstall) and a
// bottom strip with Cancel and Save.
//
// It is made once at start-up and shown modally from the main window. Each
// showing fills its controls from the settings record; Save writes them
// back into the record and config.qcf and has the main window apply them,
// Cancel and every other way out leave record and file as they were. Its
// position is kept in section `settings_form` of config.qcf; its texts are
// translated through section `settings_form` of the language file.
//
// The Export / Import, Language and Update / Uninstall sections work
// through BackupTab, LanguageTab and UpdateTab (their *_tab_win.h).
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/settings.h"
#include "lang/translator.h"
#include "lang/named_components.h"
#include "profiles/data_folders.h"
#include "profiles/screen_size.h"
#include "settings/settings_controls.h"
#include "ui/modal_dialog_win.h"
#include "ui/prompts_win.h"
#include "update/scripts.h"

namespace orvx::ui {
class CaptionBar;
class CheckBox;
class ChoiceList;
class FlatButton;
class GroupBox;
class HotkeyField;
class Label;
class NumberField;
class Panel;
class ProgressBar;
class ReportList;
class SectionGroup;
}  // namespace orvx::ui

namespace orvx::autostart {
class AutostartLink;
}

namespace orvx::settings {

class BackupTab;
class UpdateTab;
class LanguageTab;

inline constexpr char kSettingsWindowClass[] = "Tsettings_form";
inline constexpr char kSettingsWindowName[] = "settings_form";
inline constexpr int kSettingsWidth = 504;
inline constexpr int kSettingsHeight = 464;
inline constexpr int kButtonFrameHeight = 32;
inline constexpr int kSectionHeaderHeight = 20;
inline constexpr int kSectionCount = 5;

// The sections, in their order in the dialog.
enum class SettingsSection : size_t { kSettings, kProfiles, kBackup, kLanguage, kUpdate };

// What the dialog needs of the program; the main window owns all of it.
struct SettingsDialogHost {
  config::SettingsRecord& record;
  const DataFolders& folders;
  lang::Translator& language;
  autostart::AutostartLink& autostart;
  std::string program_path;
  // The screen size now, for the standard profile of the resolution.
  std::function<ScreenSize()> screen_size;
  // Applies config.qcf to the main window after a Save.
  std::function<void()> load_settings;
  // get_version_string, for the update check.
  std::string own_version;
  // How the program was started, which an update keeps.
  update::StartMode start_mode = update::StartMode::kNormal;
  // Ends the program as Exit does, once an update or uninstall script runs.
  std::function<void()> end_program;
};

class SettingsDialog final : public ui::ModalDialog {
 public:
  SettingsDialog(HWND owner, WindowRegistry& windows, SettingsDialogHost host);
  ~SettingsDialog() override;

  // Shows the dialog modally with `first` expanded; returns once it is
  // closed. True when it was closed by Save.
  bool show(SettingsSection first);
  // Whether the last showing ended with a Save that stored a row of the
  // language list.
  bool saved_language() const { return saved_language_; }

 private:
  void on_escape() override { cancel(); }
  HWND initial_focus() override;

  void create_sections();
  void create_settings_section(HWND body);
  void create_profiles_section(HWND body);
  void create_backup_section(HWND body);
  void create_language_section(HWND body);
  void create_update_section(HWND body);
  void create_button_frame();
  void register_components();

  // The showing's steps, in order.
  void fill_controls();
  void show_controls(const SettingsControls& controls);
  SettingsControls read_controls() const;
  void enable_dependent_fields();

  void save();
  void cancel();
  void close_steps();
  void delete_selected_profile();
  // After an import: the record anew from config.qcf, and every control
  // refilled, so that what Save writes is the imported configuration.
  void show_imported_settings();

  HWND owner_;
  SettingsDialogHost host_;
  ui::WinPrompts prompts_;
  bool saved_ = false;
  bool saved_language_ = false;

  std::unique_ptr<ui::CaptionBar> caption_bar_;
  std::unique_ptr<ui::SectionGroup> sections_;
  // Settings
  std::unique_ptr<ui::CheckBox> start_with_windows_;
  std::unique_ptr<ui::CheckBox> auto_save_check_;
  std::unique_ptr<ui::NumberField> auto_save_minutes_;
  std::unique_ptr<ui::CheckBox> restore_after_resolution_change_;
  std::unique_ptr<ui::Label> standard_profile_label_;
  std::unique_ptr<ui::ChoiceList> standard_profile_choice_;
  std::unique_ptr<ui::CheckBox> minidesk_check_;
  std::unique_ptr<ui::CheckBox> hotkey_check_;
  std::unique_ptr<ui::HotkeyField> hotkey_field_;
  std::unique_ptr<ui::Label> profile_info_heading_;
  std::unique_ptr<ui::Label> data_folder_size_label_;
  std::unique_ptr<ui::Label> data_folder_label_;
  // Profiles
  std::unique_ptr<ui::Label> saved_profiles_label_;
  std::unique_ptr<ui::ReportList> profile_list_;
  std::unique_ptr<ui::FlatButton> delete_profile_button_;
  // Export / Import
  std::unique_ptr<ui::Label> backup_heading_;
  std::unique_ptr<ui::Label> backup_explanation_;
  std::unique_ptr<ui::FlatButton> export_button_;
  std::unique_ptr<ui::FlatButton> import_button_;
  std::unique_ptr<ui::Panel> backup_status_frame_;
  std::unique_ptr<ui::Label> backup_status_label_;
  std::unique_ptr<ui::ProgressBar> backup_progress_;
  std::unique_ptr<BackupTab> backup_tab_;
  // Language
  std::unique_ptr<ui::Label> current_languages_label_;
  std::unique_ptr<ui::ReportList> language_list_;
  std::unique_ptr<ui::GroupBox> download_languages_box_;
  std::unique_ptr<ui::FlatButton> find_language_button_;
  std::unique_ptr<ui::Label> select_language_label_;
  std::unique_ptr<ui::ProgressBar> language_download_progress_;
  std::unique_ptr<ui::ChoiceList> downloadable_languages_;
  std::unique_ptr<LanguageTab> language_tab_;  // after the controls it drives
  // Update / Uninstall
  std::unique_ptr<ui::Label> update_heading_;
  std::unique_ptr<ui::Label> update_explanation_;
  std::unique_ptr<ui::FlatButton> update_button_;
  std::unique_ptr<ui::ProgressBar> update_progress_;
  std::unique_ptr<ui::Label> status_label_;
  std::unique_ptr<ui::Label> uninstall_heading_;
  std::unique_ptr<ui::Label> uninstall_explanation_;
  std::unique_ptr<ui::FlatButton> uninstall_button_;
  // The bottom strip
  std::unique_ptr<ui::Panel> button_frame_;
  std::unique_ptr<ui::FlatButton> abort_button_;
  std::unique_ptr<ui::FlatButton> save_button_;

  std::unique_ptr<UpdateTab> update_tab_;
};

}  // namespace orvx::settings
