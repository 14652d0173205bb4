#include "settings/settings_dialog_win.h"

#include "autostart/autostart_link.h"
#include "config/config_file.h"
#include "lang/lang_folder.h"
#include "lang/messages.h"
#include "lang_online/language_list.h"
#include "platform/date_time_format.h"
#include "profiles/profile_list.h"
#include "profiles/profile_store.h"
#include "settings/backup_tab_win.h"
#include "settings/language_tab_win.h"
#include "settings/profile_deletion.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_save.h"
#include "settings/update_tab_win.h"
#include "ui/caption_bar_win.h"
#include "ui/check_box_win.h"
#include "ui/choice_list_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/flat_button_win.h"
#include "ui/group_box_win.h"
#include "ui/hotkey_field_win.h"
#include "ui/label_win.h"
#include "ui/number_field_win.h"
#include "ui/panel_win.h"
#include "ui/progress_bar_win.h"
#include "ui/report_list_win.h"
#include "ui/resource_names.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"
#include "settings/settings_dialog_components.h"

namespace orvx::settings {
namespace {

constexpr int kCaptionHeight = ui::style::kCaptionBarHeight;
constexpr int kContainerHeight = kSettingsHeight - kCaptionHeight - kButtonFrameHeight;
constexpr int kBodyHeight = kContainerHeight - kSectionCount * kSectionHeaderHeight;
constexpr int kMargin = 12;
constexpr int kInnerWidth = kSettingsWidth - 2 * kMargin;
constexpr int kButtonHeight = 22;

constexpr ui::Rgb kStatusRed = ui::rgb(0xFF0000);
const ui::FontSpec kBold{"Verdana", 11, true};

// The profile list's columns: their message ids, German texts and widths.
struct ProfileColumn {
  MessageId id;
  const char* german;
  int width;
};
constexpr ProfileColumn kProfileColumns[] = {{message_ids::kColumnProfileName, "Profilname", 120},
                                             {message_ids::kColumnLastChange, "letzte Änderung", 135},
                                             {message_ids::kColumnIcons, "Icons", 45},
                                             {message_ids::kColumnResolution, "Auflösung", 75},
                                             {message_ids::kColumnMonitors, "Monitore", 65}};

HICON small_program_icon() {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, 16, 16, LR_SHARED));
}

std::string program_file_path() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

SettingsDialog::SettingsDialog(HWND owner, WindowRegistry& windows, SettingsDialogHost host)
    : owner_(owner), host_(std::move(host)) {
  if (host_.program_path.empty()) host_.program_path = program_file_path();
  create_form(ui::FormArgs{.name = kSettingsWindowName,
                           .class_name = kSettingsWindowClass,
                           .caption = texts::kTitle,
                           .bounds = ui::Rect{0, 0, kSettingsWidth, kSettingsHeight},
                           .owner = owner,
                           .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW,
                           .registry = &windows});
  prompts_.set_owner(hwnd());
  caption_bar_ = std::make_unique<ui::CaptionBar>(
      ui::CaptionBarArgs{.parent = hwnd(),
                         .width = kSettingsWidth,
                         .icon = small_program_icon(),
                         .buttons = {{ui::CaptionGlyph::kClose, texts::kSave, [this] { save(); }}}});
  create_sections();
  language_tab_ = std::make_unique<LanguageTab>(
      LanguageTabControls{*language_list_, *find_language_button_, *select_language_label_, *downloadable_languages_,
                          *language_download_progress_},
      LanguageTabHost{.prompts = prompts_,
                      .message = [this](MessageId id) { return host_.language.message(id); },
                      .data_folder = host_.folders.data,
                      .record = host_.record});
  create_button_frame();
  register_components();
  keep_position(kSettingsWindowName, host_.folders.data, prompts_);
  sections_->expand(static_cast<size_t>(SettingsSection::kSettings));
  update_tab_ = std::make_unique<UpdateTab>(UpdateTabArgs{.dialog = hwnd(),
                                                          .update_button = *update_button_,
                                                          .dl_status = *update_progress_,
                                                          .status_label = *status_label_,
                                                          .deinstall_button = *uninstall_button_,
                                                          .prompts = prompts_,
                                                          .language = host_.language,
                                                          .autostart = host_.autostart,
                                                          .program_path = host_.program_path,
                                                          .own_version = host_.own_version,
                                                          .start_mode = host_.start_mode,
                                                          .data_folder = host_.folders.data,
                                                          .script_started = [this] {
                                                            // The script waits for the program file.
                                                            end_modal(IDCANCEL);
                                                            if (host_.end_program) host_.end_program();
                                                          }});
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::create_sections() {
  sections_ = std::make_unique<ui::SectionGroup>(
      ui::SectionGroupArgs{.name = components::kSections.name,
                           .parent = hwnd(),
                           .bounds = ui::Rect{0, kCaptionHeight, kSettingsWidth, kContainerHeight},
                           .header_height = kSectionHeaderHeight,
                           .on_expand = [this](size_t index) {
                             if (index == static_cast<size_t>(SettingsSection::kLanguage) && language_tab_) {
                               language_tab_->expanded();
                             }
                           }});
  auto section = [this](const char* name, const char* caption) {
    return sections_->add_section(ui::SectionArgs{.name = name, .caption = caption, .body_height = kBodyHeight}).body();
  };
  create_settings_section(section(components::kSettingsSection.name, "Einstellungen"));
  create_profiles_section(section(components::kProfilesSection.name, "Profile"));
  create_backup_section(section(components::kBackupSection.name, "Import / Export"));
  create_language_section(section(components::kLanguageSection.name, "Sprache"));
  create_update_section(section(components::kUpdateSection.name, "Update / Deinstallieren"));
}

void SettingsDialog::create_settings_section(HWND body) {
  auto check = [body](const char* name, const char* caption, const char* hint, int top, int width) {
    return std::make_unique<ui::CheckBox>(ui::CheckBoxArgs{
        .name = name, .caption = caption, .hint = hint, .parent = body, .bounds = ui::Rect{kMargin, top, width, 17}});
  };
  start_with_windows_ =
      check(components::kStartWithWindows.name, texts::kStartWithWindows,
            "Orvane wird beim Windows-Start geladen und in die System Tray minimiert", 12, kInnerWidth);
  auto_save_check_ = check(components::kAutoSaveCheck.name, texts::kAutoSave, "", 38, 330);
  auto_save_check_->set_on_click([this] { enable_dependent_fields(); });
  auto_save_minutes_ = std::make_unique<ui::NumberField>(ui::NumberFieldArgs{
      .name = components::kAutoSaveMinutes.name, .parent = body, .bounds = ui::Rect{350, 36, 56, 21}});
  restore_after_resolution_change_ =
      check(components::kRestoreAfterResolutionChange.name, texts::kRestoreAfterResolutionChange, "", 64, kInnerWidth);
  standard_profile_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kStandardProfileLabel.name,
                                                                      .caption = "Standard-Profil wählen:",
                                                                      .parent = body,
                                                                      .bounds = ui::Rect{kMargin, 92, 300, 15}});
  standard_profile_choice_ =
      std::make_unique<ui::ChoiceList>(ui::ChoiceListArgs{.name = components::kStandardProfileChoice.name,
                                                          .hint = "Profil wählen welches geladen werden soll.",
                                                          .parent = body,
                                                          .bounds = ui::Rect{kMargin, 110, 260, 21}});
  minidesk_check_ = check(components::kMinideskCheck.name, texts::kShowMinidesk, "", 144, kInnerWidth);
  hotkey_check_ = check(components::kHotkeyCheck.name, texts::kActivateHotkey,
                        "Mittels HotKey können Sie die aktuelle Symbol-Position speichern", 170, 330);
  hotkey_check_->set_on_click([this] { enable_dependent_fields(); });
  hotkey_field_ = std::make_unique<ui::HotkeyField>(ui::HotkeyFieldArgs{
      .name = components::kHotkeyField.name, .parent = body, .bounds = ui::Rect{350, 168, 130, 21}});
  profile_info_heading_ =
      std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kProfileInfoHeading.name,
                                                .caption = "Profil Informationen: Speicherbedarf und Profilpfad",
                                                .parent = body,
                                                .bounds = ui::Rect{kMargin, 210, kInnerWidth, 15},
                                                .font = kBold});
  data_folder_size_label_ =
      std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kDataFolderSizeLabel.name,
                                                .parent = body,
                                                .bounds = ui::Rect{kMargin, 232, kInnerWidth, 15}});
  data_folder_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kDataFolderLabel.name,
                                                                 .parent = body,
                                                                 .bounds = ui::Rect{kMargin, 252, 476, 15},
                                                                 .path_ellipsis = true,
                                                                 .show_ampersands = true});
}

void SettingsDialog::create_profiles_section(HWND body) {
  saved_profiles_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kSavedProfilesLabel.name,
                                                                    .caption = "Gespeicherte Profile:",
                                                                    .parent = body,
                                                                    .bounds = ui::Rect{kMargin, 10, 300, 15}});
  std::vector<ui::ReportColumn> columns;
  for (const ProfileColumn& column : kProfileColumns) columns.push_back({column.german, column.width});
  profile_list_ = std::make_unique<ui::ReportList>(
      ui::ReportListArgs{.name = components::kProfileList.name,
                         .parent = body,
                         .bounds = ui::Rect{kMargin, 30, kInnerWidth, kBodyHeight - 30 - kButtonHeight - 20},
                         .columns = columns,
                         .on_key_up = [this](UINT key) {
                           if (key == VK_DELETE) delete_selected_profile();
                         }});
  delete_profile_button_ = std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{
      .name = components::kDeleteProfileButton.name,
      .caption = texts::kDeleteProfile,
      .hint = texts::kDeleteProfile,
      .parent = body,
      .bounds = ui::Rect{kMargin + kInnerWidth - 140, kBodyHeight - kButtonHeight - 10, 140, kButtonHeight},
      .tab_stop = true,
      .on_click = [this] { delete_selected_profile(); }});
}

void SettingsDialog::create_backup_section(HWND body) {
  backup_heading_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kBackupHeading.name,
                                                              .caption = "Exportieren / Importieren:",
                                                              .parent = body,
                                                              .bounds = ui::Rect{kMargin, 12, kInnerWidth, 15},
                                                              .font = kBold});
  backup_explanation_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = components::kBackupExplanation.name,
      .caption = "Sie können alle Ihre Einstellungen exportieren, um Ihre Konfiguration durch den Import des Backups "
                 "- beispielsweise nach einer Neuinstallation - wiederherzustellen",
      .parent = body,
      .bounds = ui::Rect{kMargin, 34, kInnerWidth, 45},
      .word_wrap = true});
  auto button = [body](const char* name, const char* caption, int left) {
    return std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = name,
                                                               .caption = caption,
                                                               .parent = body,
                                                               .bounds = ui::Rect{left, 90, 220, kButtonHeight},
                                                               .tab_stop = true});
  };
  export_button_ = button(components::kExportButton.name, texts::kExportSettings, kMargin);
  import_button_ = button(components::kImportButton.name, texts::kImportSettings, kMargin + 236);
  backup_status_frame_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = components::kBackupStatusFrame.name,
                                                                   .parent = body,
                                                                   .bounds = ui::Rect{kMargin, 130, kInnerWidth, 50},
                                                                   .border = ui::style::kFrame,
                                                                   .visible = false});
  backup_status_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kBackupStatusLabel.name,
                                                                   .caption = "please wait...",
                                                                   .parent = backup_status_frame_->hwnd(),
                                                                   .bounds = ui::Rect{8, 6, kInnerWidth - 16, 15}});
  backup_progress_ =
      std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{.name = components::kBackupProgress.name,
                                                            .parent = backup_status_frame_->hwnd(),
                                                            .bounds = ui::Rect{8, 28, kInnerWidth - 16, 7}});
  backup_tab_ = std::make_unique<BackupTab>(BackupTabControls{*export_button_, *import_button_, *backup_status_frame_,
                                                              *backup_status_label_, *backup_progress_},
                                            BackupTabHost{.dialog = hwnd(),
                                                          .folders = host_.folders,
                                                          .prompts = prompts_,
                                                          .language = host_.language,
                                                          .imported = [this] { show_imported_settings(); }});
}

void SettingsDialog::create_language_section(HWND body) {
  current_languages_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kCurrentLanguagesLabel.name,
                                                                       .caption = "Current Languages:",
                                                                       .parent = body,
                                                                       .bounds = ui::Rect{kMargin, 10, 300, 15}});
  language_list_ = std::make_unique<ui::ReportList>(
      ui::ReportListArgs{.name = components::kLanguageList.name,
                         .parent = body,
                         .bounds = ui::Rect{kMargin, 28, kInnerWidth, 140},
                         .columns = {{"Language", 120}, {"Author", 200}, {"Status", 120}}});
  download_languages_box_ =
      std::make_unique<ui::GroupBox>(ui::GroupBoxArgs{.name = components::kDownloadLanguagesBox.name,
                                                      .caption = "Download Languages:",
                                                      .parent = body,
                                                      .bounds = ui::Rect{kMargin, 178, kInnerWidth, 122}});
  const HWND box = download_languages_box_->hwnd();
  find_language_button_ =
      std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = components::kFindLanguageButton.name,
                                                          .caption = texts::kFindLanguages,
                                                          .parent = box,
                                                          .bounds = ui::Rect{10, 20, kInnerWidth - 20, 36},
                                                          .tab_stop = true,
                                                          .word_wrap = true});
  select_language_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kSelectLanguageLabel.name,
                                                                     .caption = "Select language:",
                                                                     .parent = box,
                                                                     .bounds = ui::Rect{10, 66, 140, 15}});
  select_language_label_->set_visible(false);
  select_language_label_->set_enabled(false);
  downloadable_languages_ =
      std::make_unique<ui::ChoiceList>(ui::ChoiceListArgs{.name = components::kDownloadableLanguages.name,
                                                          .parent = box,
                                                          .bounds = ui::Rect{150, 63, 200, 21},
                                                          .visible = false,
                                                          .enabled = false});
  language_download_progress_ =
      std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{.name = components::kLanguageDownloadProgress.name,
                                                            .parent = box,
                                                            .bounds = ui::Rect{10, 94, kInnerWidth - 20, 16},
                                                            .visible = false});
}

void SettingsDialog::create_update_section(HWND body) {
  auto heading = [body](const char* name, const char* caption, int top) {
    return std::make_unique<ui::Label>(ui::LabelArgs{.name = name,
                                                     .caption = caption,
                                                     .parent = body,
                                                     .bounds = ui::Rect{kMargin, top, kInnerWidth, 15},
                                                     .font = kBold});
  };
  auto text = [body](const char* name, const char* caption, int top) {
    return std::make_unique<ui::Label>(ui::LabelArgs{.name = name,
                                                     .caption = caption,
                                                     .parent = body,
                                                     .bounds = ui::Rect{kMargin, top, kInnerWidth, 45},
                                                     .word_wrap = true});
  };
  auto button = [body](const char* name, const char* caption, int top) {
    return std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = name,
                                                               .caption = caption,
                                                               .parent = body,
                                                               .bounds = ui::Rect{kMargin, top, 220, kButtonHeight},
                                                               .tab_stop = true});
  };
  update_heading_ = heading(components::kUpdateHeading.name, "Update:", 12);
  update_explanation_ =
      text(components::kUpdateExplanation.name,
           "Klicken Sie auf den Button \"Auf Update prüfen\", um sicherzustellen, daß Sie immer mit der "
           "aktuellsten Version des \"Orvane X\" arbeiten.",
           32);
  update_button_ = button(components::kUpdateButton.name, texts::kCheckForUpdate, 80);
  update_progress_ =
      std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{.name = components::kUpdateProgress.name,
                                                            .parent = body,
                                                            .bounds = ui::Rect{kMargin + 236, 83, 244, 16},
                                                            .visible = false});
  status_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kStatusLabel.name,
                                                            .parent = body,
                                                            .bounds = ui::Rect{kMargin, 110, kInnerWidth, 15},
                                                            .colour = kStatusRed});
  uninstall_heading_ = heading(components::kUninstallHeading.name, "Deinstallieren:", 150);
  uninstall_explanation_ =
      text(components::kUninstallExplanation.name,
           "Sie benötigen den \"Orvane X\" nicht mehr - schade - benutzen Sie dazu diesen Button und alle "
           "Informationen, etc. die \"Orvane X\" anlegte werden gelöscht. Im Anschluss löscht der \"Orvane X\" "
           "sich selbst.",
           170);
  uninstall_button_ = button(components::kUninstallButton.name, texts::kStartUninstall, 228);
}

void SettingsDialog::create_button_frame() {
  button_frame_ = std::make_unique<ui::Panel>(
      ui::PanelArgs{.name = components::kButtonFrame.name,
                    .parent = hwnd(),
                    .bounds = ui::Rect{0, kSettingsHeight - kButtonFrameHeight, kSettingsWidth, kButtonFrameHeight},
                    .colour = ui::style::kChrome});
  auto button = [this](const char* name, const char* caption, int left, std::function<void()> on_click) {
    return std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = name,
                                                               .caption = caption,
                                                               .parent = button_frame_->hwnd(),
                                                               .bounds = ui::Rect{left, 5, 100, kButtonHeight},
                                                               .tab_stop = true,
                                                               .on_click = std::move(on_click)});
  };
  abort_button_ = button(components::kCancelButton.name, texts::kCancel, 8, [this] { cancel(); });
  save_button_ = button(components::kSaveButton.name, texts::kSave, kSettingsWidth - 108, [this] { save(); });
}

void SettingsDialog::register_components() {
  std::vector<NamedComponent*> components{caption_bar_.get(), sections_.get()};
  for (size_t i = 0; i < sections_->size(); ++i) components.push_back(&sections_->section(i));
  for (NamedComponent* component : std::initializer_list<NamedComponent*>{start_with_windows_.get(),
                                                                          auto_save_check_.get(),
                                                                          auto_save_minutes_.get(),
                                                                          restore_after_resolution_change_.get(),
                                                                          standard_profile_label_.get(),
                                                                          standard_profile_choice_.get(),
                                                                          minidesk_check_.get(),
                                                                          hotkey_check_.get(),
                                                                          hotkey_field_.get(),
                                                                          profile_info_heading_.get(),
                                                                          data_folder_size_label_.get(),
                                                                          data_folder_label_.get(),
                                                                          saved_profiles_label_.get(),
                                                                          profile_list_.get(),
                                                                          delete_profile_button_.get(),
                                                                          backup_heading_.get(),
                                                                          backup_explanation_.get(),
                                                                          export_button_.get(),
                                                                          import_button_.get(),
                                                                          backup_status_frame_.get(),
                                                                          backup_status_label_.get(),
                                                                          backup_progress_.get(),
                                                                          current_languages_label_.get(),
                                                                          language_list_.get(),
                                                                          download_languages_box_.get(),
                                                                          find_language_button_.get(),
                                                                          select_language_label_.get(),
                                                                          language_download_progress_.get(),
                                                                          downloadable_languages_.get(),
                                                                          update_heading_.get(),
                                                                          update_explanation_.get(),
                                                                          update_button_.get(),
                                                                          update_progress_.get(),
                                                                          status_label_.get(),
                                                                          uninstall_heading_.get(),
                                                                          uninstall_explanation_.get(),
                                                                          uninstall_button_.get(),
                                                                          button_frame_.get(),
                                                                          abort_button_.get(),
                                                                          save_button_.get()}) {
    components.push_back(component);
  }
  for (NamedComponent* component : components) add_component(*component);
}

bool SettingsDialog::show(SettingsSection first) {
  fill_controls();
  sections_->expand(static_cast<size_t>(first));
  if (first == SettingsSection::kLanguage) language_tab_->expanded();
  saved_ = false;
  saved_language_ = false;
  show_modal(owner_);
  close_steps();
  return saved_;
}

void SettingsDialog::fill_controls() {
  const std::string& data_folder = host_.folders.data;
  const std::vector<std::string> profiles = list_profiles(data_folder);
  // 1. the standard profile choice, without a selection (step 8 selects)
  standard_profile_choice_->set_entries(profiles);
  // 2. the profile list
  std::vector<std::vector<std::string>> profile_rows;
  const std::unique_ptr<DateTimeFormatter> format = user_date_time_formatter();
  for (const ProfileRow& row : profile_list_rows(data_folder, *format)) {
    profile_rows.push_back({row.name, row.last_change, row.icons, row.resolution, row.monitors});
  }
  profile_list_->set_rows(profile_rows);
  // 3. the language list
  language_tab_->shown();
  // 4. the data folder and its size
  data_folder_label_->set_caption(data_folder);
  data_folder_label_->set_hint(data_folder);
  data_folder_size_label_->set_caption(std::to_string(data_folder_size(data_folder)) + " Bytes");
  // 5.-10. the Settings section from the record
  show_controls(controls_for_show(host_.record, profiles, resolution_profile_name(host_.screen_size()),
                                  host_.autostart.exists()));
  // 11. the update status
  if (update_tab_) update_tab_->shown();
  // 12. the profile list's column captions in the current language
  for (size_t i = 0; i < std::size(kProfileColumns); ++i) {
    profile_list_->set_column_caption(
        i, host_.language.get_message(kProfileColumns[i].german, kProfileColumns[i].id.text()));
  }
}

void SettingsDialog::show_controls(const SettingsControls& controls) {
  start_with_windows_->set_checked(controls.orv_on_start);
  auto_save_check_->set_checked(controls.auto_check_icons);
  auto_save_minutes_->set_value(controls.minutes);
  restore_after_resolution_change_->set_checked(controls.sort_after_res);
  hotkey_check_->set_checked(controls.active_hotkey);
  standard_profile_choice_->set_entries(controls.standard_profile_entries);
  standard_profile_choice_->select(controls.standard_profile_selection);
  hotkey_field_->set_shortcut(controls.hotkey);
  minidesk_check_->set_checked(controls.live_desktop);
  enable_dependent_fields();
}

SettingsControls SettingsDialog::read_controls() const {
  SettingsControls c;
  c.orv_on_start = start_with_windows_->checked();
  c.auto_check_icons = auto_save_check_->checked();
  c.minutes = auto_save_minutes_->value();
  c.sort_after_res = restore_after_resolution_change_->checked();
  c.standard_profile_entries = standard_profile_choice_->entries();
  c.standard_profile_selection = standard_profile_choice_->selected();
  c.active_hotkey = hotkey_check_->checked();
  c.hotkey = hotkey_field_->shortcut();
  c.live_desktop = minidesk_check_->checked();
  return c;
}

void SettingsDialog::enable_dependent_fields() {
  auto_save_minutes_->set_enabled(auto_save_check_->checked());
  hotkey_field_->set_enabled(hotkey_check_->checked());
}

void SettingsDialog::save() {
  if (!running_modal()) return;
  std::optional<std::string> language_row;
  if (const auto row = language_list_->selected_row()) language_row = language_list_->cell(*row, 0);
  SettingsSaveHost save_host{.record = host_.record,
                             .data_folder = host_.folders.data,
                             .prompts = prompts_,
                             .message = [this](MessageId id) { return host_.language.message(id); },
                             .load_language = [this](const std::string& path) { host_.language.load_language(path); },
                             .autostart = host_.autostart,
                             .program_path = host_.program_path};
  // A file that cannot be written keeps the dialog open with the edits, and
  // nothing of them applied; the user has been told which file it is.
  if (!save_settings(read_controls(), language_row, save_host)) return;
  if (host_.load_settings) host_.load_settings();
  saved_ = true;
  saved_language_ = language_row.has_value();
  end_modal(IDOK);
}

void SettingsDialog::cancel() {
  if (running_modal()) end_modal(IDCANCEL);
}

void SettingsDialog::close_steps() {
  language_tab_->closed();
  update_tab_->closed();
}

HWND SettingsDialog::initial_focus() {
  // Opened on the Language section, the list of languages has the focus.
  return sections_->expanded() == static_cast<size_t>(SettingsSection::kLanguage) ? language_list_->control() : nullptr;
}

void SettingsDialog::delete_selected_profile() {
  const std::optional<size_t> row = profile_list_->selected_row();
  if (!row) return;
  const std::string name = profile_list_->cell(*row, 0);
  if (!delete_profile(host_.folders.data, name)) {
    // The row stays: the profile is still there.
    prompts_.show_message(text::with_detail(host_.language.message(message_ids::kProfileNotDeleted),
                                            profile_file_name(host_.folders.data, name)));
    return;
  }
  // The standard profile choice keeps the name until the next showing: a
  // deleted standard profile stays chosen, and its next save makes it anew.
  profile_list_->remove_row(*row);
}

void SettingsDialog::show_imported_settings() {
  host_.record = config::read_settings(config::config_file_path(host_.folders.data));
  fill_controls();
}

}  // namespace orvx::settings
