#include "settings/settings_form_win.h"

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
#include "settings/settings_form_texts.h"
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
#include "ui/window_placement_win.h"
#include "platform/ansi_text.h"

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
  const char* id;
  const char* german;
  int width;
};
constexpr ProfileColumn kProfileColumns[] = {{"List_1", "Profilname", 120},
                                             {"List_2", "letzte Änderung", 135},
                                             {"List_3", "Icons", 45},
                                             {"List_4", "Auflösung", 75},
                                             {"List_5", "Monitore", 65}};

HICON small_program_icon() {
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, 16, 16, LR_SHARED));
}

std::string program_file_path() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

Tsettings_form::Tsettings_form(HWND owner, WindowRegistry& windows, SettingsFormHost host)
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
  caption_form_ = std::make_unique<ui::CaptionBar>(ui::CaptionBarArgs{
      .parent = hwnd(),
      .width = kSettingsWidth,
      .icon = small_program_icon(),
      .buttons = {{ui::CaptionGlyph::close, texts::kSave, [this] { save(); }}}});
  create_sections();
  language_tab_ = std::make_unique<LanguageTab>(
      LanguageTabControls{*lang_list_, *find_language_button_, *set_lab_6_, *new_lang_files_, *pbProgress_},
      LanguageTabHost{.prompts = prompts_,
                      .message = [this](std::string_view id) { return host_.language.message(id); },
                      .data_folder = host_.folders.data,
                      .record = host_.record});
  create_button_frame();
  register_components();
  placement_ = std::make_unique<ui::WindowPlacement>(hwnd(), kSettingsWindowName, host_.folders.data, prompts_);
  tab_container_->expand(static_cast<size_t>(SettingsSection::settings));
  update_tab_ = std::make_unique<UpdateTab>(UpdateTabArgs{.dialog = hwnd(),
                                                          .update_button = *update_button_,
                                                          .dl_status = *dl_status_,
                                                          .status_label = *status_label_,
                                                          .deinstall_button = *deinstall_button_,
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

Tsettings_form::~Tsettings_form() {
  if (placement_ && hwnd()) placement_->save();
}

LRESULT Tsettings_form::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY && placement_) placement_->save();
  return ModalDialog::handle_message(msg, wp, lp);
}

void Tsettings_form::create_sections() {
  tab_container_ = std::make_unique<ui::SectionGroup>(
      ui::SectionGroupArgs{.name = "tab_container",
                           .parent = hwnd(),
                           .bounds = ui::Rect{0, kCaptionHeight, kSettingsWidth, kContainerHeight},
                           .header_height = kSectionHeaderHeight,
                           .on_expand = [this](size_t index) {
                             if (index == static_cast<size_t>(SettingsSection::language) && language_tab_) {
                               language_tab_->expanded();
                             }
                           }});
  auto section = [this](const char* name, const char* caption) {
    return tab_container_->add_section(ui::SectionArgs{.name = name, .caption = caption, .body_height = kBodyHeight})
        .body();
  };
  create_settings_section(section("tab_1", "Einstellungen"));
  create_profiles_section(section("tab_2", "Profile"));
  create_backup_section(section("tab_3", "Import / Export"));
  create_language_section(section("tab_4", "Sprache"));
  create_update_section(section("tab_5", "Update / Deinstallieren"));
}

void Tsettings_form::create_settings_section(HWND body) {
  auto check = [body](const char* name, const char* caption, const char* hint, int top, int width) {
    return std::make_unique<ui::CheckBox>(ui::CheckBoxArgs{
        .name = name, .caption = caption, .hint = hint, .parent = body, .bounds = ui::Rect{kMargin, top, width, 17}});
  };
  orv_on_start_ = check("orv_on_start", texts::kOrvOnStart,
                        "Orvane wird beim Windows-Start geladen und in die System Tray minimiert", 12, kInnerWidth);
  auto_check_icons_ = check("auto_check_icons", texts::kAutoCheckIcons, "", 38, 330);
  auto_check_icons_->set_on_click([this] { enable_dependent_fields(); });
  auto_check_icons_value_ = std::make_unique<ui::NumberField>(ui::NumberFieldArgs{
      .name = "auto_check_icons_value", .parent = body, .bounds = ui::Rect{350, 36, 56, 21}});
  sort_after_res_ = check("sort_after_res", texts::kSortAfterRes, "", 64, kInnerWidth);
  set_lab_5_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "set_lab_5", .caption = "Standard-Profil wählen:", .parent = body, .bounds = ui::Rect{kMargin, 92, 300, 15}});
  std_profil_ = std::make_unique<ui::ChoiceList>(ui::ChoiceListArgs{.name = "std_profil",
                                                                    .hint = "Profil wählen welches geladen werden soll.",
                                                                    .parent = body,
                                                                    .bounds = ui::Rect{kMargin, 110, 260, 21}});
  live_desktop_ = check("live_desktop", texts::kLiveDesktop, "", 144, kInnerWidth);
  active_hotkey_ = check("active_hotkey", texts::kActiveHotkey,
                         "Mittels HotKey können Sie die aktuelle Symbol-Position speichern", 170, 330);
  active_hotkey_->set_on_click([this] { enable_dependent_fields(); });
  HotKey_value_ = std::make_unique<ui::HotkeyField>(
      ui::HotkeyFieldArgs{.name = "HotKey_value", .parent = body, .bounds = ui::Rect{350, 168, 130, 21}});
  lbl_lab_11_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = "lbl_lab_11",
                                                          .caption = "Profil Informationen: Speicherbedarf und Profilpfad",
                                                          .parent = body,
                                                          .bounds = ui::Rect{kMargin, 210, kInnerWidth, 15},
                                                          .font = kBold});
  set_lab_12_ = std::make_unique<ui::Label>(
      ui::LabelArgs{.name = "set_lab_12", .parent = body, .bounds = ui::Rect{kMargin, 232, kInnerWidth, 15}});
  set_lab_10_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = "set_lab_10",
                                                          .parent = body,
                                                          .bounds = ui::Rect{kMargin, 252, 476, 15},
                                                          .path_ellipsis = true,
                                                          .show_ampersands = true});
}

void Tsettings_form::create_profiles_section(HWND body) {
  set_lab_8_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "set_lab_8", .caption = "Gespeicherte Profile:", .parent = body, .bounds = ui::Rect{kMargin, 10, 300, 15}});
  std::vector<ui::ReportColumn> columns;
  for (const ProfileColumn& column : kProfileColumns) columns.push_back({column.german, column.width});
  profil_list_ = std::make_unique<ui::ReportList>(ui::ReportListArgs{
      .name = "profil_list",
      .parent = body,
      .bounds = ui::Rect{kMargin, 30, kInnerWidth, kBodyHeight - 30 - kButtonHeight - 20},
      .columns = columns,
      .on_key_up =
          [this](UINT key) {
            if (key == VK_DELETE) delete_selected_profile();
          }});
  del_button_ = std::make_unique<ui::FlatButton>(
      ui::FlatButtonArgs{.name = "del_button",
                         .caption = texts::kDeleteProfile,
                         .hint = texts::kDeleteProfile,
                         .parent = body,
                         .bounds = ui::Rect{kMargin + kInnerWidth - 140, kBodyHeight - kButtonHeight - 10, 140, kButtonHeight},
                         .tab_stop = true,
                         .on_click = [this] { delete_selected_profile(); }});
}

void Tsettings_form::create_backup_section(HWND body) {
  set_lab_1_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = "set_lab_1",
                                                         .caption = "Exportieren / Importieren:",
                                                         .parent = body,
                                                         .bounds = ui::Rect{kMargin, 12, kInnerWidth, 15},
                                                         .font = kBold});
  set_lab_2_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "set_lab_2",
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
  export_button_ = button("export_button", texts::kExportSettings, kMargin);
  import_button_ = button("import_button", texts::kImportSettings, kMargin + 236);
  status_frame_1_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = "status_frame_1",
                                                              .parent = body,
                                                              .bounds = ui::Rect{kMargin, 130, kInnerWidth, 50},
                                                              .border = ui::style::kFrame,
                                                              .visible = false});
  set_lab_13_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = "set_lab_13",
                                                          .caption = "please wait...",
                                                          .parent = status_frame_1_->hwnd(),
                                                          .bounds = ui::Rect{8, 6, kInnerWidth - 16, 15}});
  pbProgress_1_ = std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{
      .name = "pbProgress_1", .parent = status_frame_1_->hwnd(), .bounds = ui::Rect{8, 28, kInnerWidth - 16, 7}});
  backup_tab_ = std::make_unique<BackupTab>(
      BackupTabControls{*export_button_, *import_button_, *status_frame_1_, *set_lab_13_, *pbProgress_1_},
      BackupTabHost{.dialog = hwnd(),
                    .folders = host_.folders,
                    .prompts = prompts_,
                    .language = host_.language,
                    .imported = [this] { show_imported_settings(); }});
}

void Tsettings_form::create_language_section(HWND body) {
  set_lab_7_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "set_lab_7", .caption = "Current Languages:", .parent = body, .bounds = ui::Rect{kMargin, 10, 300, 15}});
  lang_list_ = std::make_unique<ui::ReportList>(
      ui::ReportListArgs{.name = "lang_list",
                         .parent = body,
                         .bounds = ui::Rect{kMargin, 28, kInnerWidth, 140},
                         .columns = {{"Language", 120}, {"Author", 200}, {"Status", 120}}});
  box_1_ = std::make_unique<ui::GroupBox>(ui::GroupBoxArgs{.name = "box_1",
                                                           .caption = "Download Languages:",
                                                           .parent = body,
                                                           .bounds = ui::Rect{kMargin, 178, kInnerWidth, 122}});
  const HWND box = box_1_->hwnd();
  find_language_button_ = std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{
      .name = "find_language_button",
      .caption = texts::kFindLanguages,
      .parent = box,
      .bounds = ui::Rect{10, 20, kInnerWidth - 20, 36},
      .tab_stop = true,
      .word_wrap = true});
  set_lab_6_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "set_lab_6", .caption = "Select language:", .parent = box, .bounds = ui::Rect{10, 66, 140, 15}});
  set_lab_6_->set_visible(false);
  set_lab_6_->set_enabled(false);
  new_lang_files_ = std::make_unique<ui::ChoiceList>(ui::ChoiceListArgs{.name = "new_lang_files",
                                                                        .parent = box,
                                                                        .bounds = ui::Rect{150, 63, 200, 21},
                                                                        .visible = false,
                                                                        .enabled = false});
  pbProgress_ = std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{
      .name = "pbProgress", .parent = box, .bounds = ui::Rect{10, 94, kInnerWidth - 20, 16}, .visible = false});
}

void Tsettings_form::create_update_section(HWND body) {
  auto heading = [body](const char* name, const char* caption, int top) {
    return std::make_unique<ui::Label>(ui::LabelArgs{
        .name = name, .caption = caption, .parent = body, .bounds = ui::Rect{kMargin, top, kInnerWidth, 15}, .font = kBold});
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
  set_lab_14_ = heading("set_lab_14", "Update:", 12);
  set_lab_15_ = text("set_lab_15",
                     "Klicken Sie auf den Button \"Auf Update prüfen\", um sicherzustellen, daß Sie immer mit der "
                     "aktuellsten Version des \"Orvane X\" arbeiten.",
                     32);
  update_button_ = button("update_button", texts::kCheckForUpdate, 80);
  dl_status_ = std::make_unique<ui::ProgressBar>(ui::ProgressBarArgs{
      .name = "dl_status", .parent = body, .bounds = ui::Rect{kMargin + 236, 83, 244, 16}, .visible = false});
  status_label_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "status_label", .parent = body, .bounds = ui::Rect{kMargin, 110, kInnerWidth, 15}, .colour = kStatusRed});
  set_lab_3_ = heading("set_lab_3", "Deinstallieren:", 150);
  set_lab_4_ = text("set_lab_4",
                    "Sie benötigen den \"Orvane X\" nicht mehr - schade - benutzen Sie dazu diesen Button und alle "
                    "Informationen, etc. die \"Orvane X\" anlegte werden gelöscht. Im Anschluss löscht der \"Orvane X\" "
                    "sich selbst.",
                    170);
  deinstall_button_ = button("deinstall_button", texts::kStartUninstall, 228);
}

void Tsettings_form::create_button_frame() {
  button_frame_ = std::make_unique<ui::Panel>(
      ui::PanelArgs{.name = "button_frame",
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
  abort_button_ = button("abort_button", texts::kCancel, 8, [this] { cancel(); });
  close_button_1_ = button("close_button_1", texts::kSave, kSettingsWidth - 108, [this] { save(); });
}

void Tsettings_form::register_components() {
  std::vector<NamedComponent*> components{caption_form_.get(), tab_container_.get()};
  for (size_t i = 0; i < tab_container_->size(); ++i) components.push_back(&tab_container_->section(i));
  for (NamedComponent* component : std::initializer_list<NamedComponent*>{
           orv_on_start_.get(), auto_check_icons_.get(), auto_check_icons_value_.get(), sort_after_res_.get(),
           set_lab_5_.get(), std_profil_.get(), live_desktop_.get(), active_hotkey_.get(), HotKey_value_.get(),
           lbl_lab_11_.get(), set_lab_12_.get(), set_lab_10_.get(), set_lab_8_.get(), profil_list_.get(),
           del_button_.get(), set_lab_1_.get(), set_lab_2_.get(), export_button_.get(), import_button_.get(),
           status_frame_1_.get(), set_lab_13_.get(), pbProgress_1_.get(), set_lab_7_.get(), lang_list_.get(),
           box_1_.get(), find_language_button_.get(), set_lab_6_.get(), pbProgress_.get(), new_lang_files_.get(),
           set_lab_14_.get(), set_lab_15_.get(), update_button_.get(), dl_status_.get(), status_label_.get(),
           set_lab_3_.get(), set_lab_4_.get(), deinstall_button_.get(), button_frame_.get(), abort_button_.get(),
           close_button_1_.get()}) {
    components.push_back(component);
  }
  for (NamedComponent* component : components) add_component(*component);
}

bool Tsettings_form::show(SettingsSection first) {
  fill_controls();
  tab_container_->expand(static_cast<size_t>(first));
  if (first == SettingsSection::language) language_tab_->expanded();
  saved_ = false;
  saved_language_ = false;
  show_modal(owner_);
  close_steps();
  return saved_;
}

void Tsettings_form::fill_controls() {
  const std::string& data_folder = host_.folders.data;
  const std::vector<std::string> profiles = ListProfiles(data_folder);
  // 1. the standard profile choice, without a selection (step 8 selects)
  std_profil_->set_entries(profiles);
  // 2. the profile list
  std::vector<std::vector<std::string>> profile_rows;
  const std::unique_ptr<DateTimeFormatter> format = user_date_time_formatter();
  for (const TProfileRow& row : ProfileListRows(data_folder, *format)) {
    profile_rows.push_back({row.Name, row.LastChange, row.Icons, row.Resolution, row.Monitors});
  }
  profil_list_->set_rows(profile_rows);
  // 3. the language list
  language_tab_->shown();
  // 4. the data folder and its size
  set_lab_10_->set_caption(data_folder);
  set_lab_10_->set_hint(data_folder);
  set_lab_12_->set_caption(std::to_string(DataFolderSize(data_folder)) + " Bytes");
  // 5.-10. the Settings section from the record
  show_controls(controls_for_show(host_.record, profiles, ResolutionProfileName(host_.screen_size()),
                                  host_.autostart.exists()));
  // 11. the update status
  if (update_tab_) update_tab_->shown();
  // 12. the profile list's column captions in the current language
  for (size_t i = 0; i < std::size(kProfileColumns); ++i) {
    profil_list_->set_column_caption(i, host_.language.get_message(kProfileColumns[i].german, kProfileColumns[i].id));
  }
}

void Tsettings_form::show_controls(const SettingsControls& controls) {
  orv_on_start_->set_checked(controls.orv_on_start);
  auto_check_icons_->set_checked(controls.auto_check_icons);
  auto_check_icons_value_->set_value(controls.minutes);
  sort_after_res_->set_checked(controls.sort_after_res);
  active_hotkey_->set_checked(controls.active_hotkey);
  std_profil_->set_entries(controls.std_profil_entries);
  std_profil_->select(controls.std_profil_selection);
  HotKey_value_->set_shortcut(controls.hotkey);
  live_desktop_->set_checked(controls.live_desktop);
  enable_dependent_fields();
}

SettingsControls Tsettings_form::read_controls() const {
  SettingsControls c;
  c.orv_on_start = orv_on_start_->checked();
  c.auto_check_icons = auto_check_icons_->checked();
  c.minutes = auto_check_icons_value_->value();
  c.sort_after_res = sort_after_res_->checked();
  c.std_profil_entries = std_profil_->entries();
  c.std_profil_selection = std_profil_->selected();
  c.active_hotkey = active_hotkey_->checked();
  c.hotkey = HotKey_value_->shortcut();
  c.live_desktop = live_desktop_->checked();
  return c;
}

void Tsettings_form::enable_dependent_fields() {
  auto_check_icons_value_->set_enabled(auto_check_icons_->checked());
  HotKey_value_->set_enabled(active_hotkey_->checked());
}

void Tsettings_form::save() {
  if (!running_modal()) return;
  std::optional<std::string> language_row;
  if (const auto row = lang_list_->selected_row()) language_row = lang_list_->cell(*row, 0);
  SettingsSaveHost save_host{.record = host_.record,
                             .data_folder = host_.folders.data,
                             .prompts = prompts_,
                             .message = [this](std::string_view id) { return host_.language.message(id); },
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

void Tsettings_form::cancel() {
  if (running_modal()) end_modal(IDCANCEL);
}

void Tsettings_form::close_steps() {
  language_tab_->closed();
  update_tab_->closed();
}

HWND Tsettings_form::initial_focus() {
  // Opened on the Language section, the list of languages has the focus.
  return tab_container_->expanded() == static_cast<size_t>(SettingsSection::language) ? lang_list_->control()
                                                                                        : nullptr;
}

void Tsettings_form::delete_selected_profile() {
  const std::optional<size_t> row = profil_list_->selected_row();
  if (!row) return;
  const std::string name = profil_list_->cell(*row, 0);
  if (!delete_profile(host_.folders.data, name)) {
    // The row stays: the profile is still there.
    prompts_.show_message(text::with_detail(host_.language.message(kProfileNotDeletedMessageId),
                                            ProfileFileName(host_.folders.data, name)));
    return;
  }
  // The standard profile choice keeps the name until the next showing: a
  // deleted standard profile stays chosen, and its next save makes it anew.
  profil_list_->remove_row(*row);
}

void Tsettings_form::show_imported_settings() {
  host_.record = config::read_settings(config::config_file_path(host_.folders.data));
  fill_controls();
}

}  // namespace orvx::settings
