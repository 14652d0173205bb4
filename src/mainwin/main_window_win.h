#pragma once
// `MainWindow`, the main window: a small borderless window (class
// "Torvx_Form", title "Orvane X") that lives in the notification area. At the
// top its caption bar with Exit, Minimize, About and Settings; in the middle
// the Minidesk on `desktop_frame`; at the bottom the strip with Save,
// Restore, Exit and the Minidesk toggle. Collapsed, only the caption bar and
// the strip remain, as a 400 x 40 bar in the top-most band.
//
// The window carries out what the command flows and the start-up need from
// it (MainWindowOps, window_ops.h); the flows themselves live in
// profile_commands.h, display_change.h, load_settings.h, startup_sequence.h
// and show_steps.h.
//
// It owns the timers, the hotkey, the notification-area icon, the
// translation engine, its placement, the settings record, the data folders,
// the screen measures, the Minidesk and the error list window. For the
// Minidesk it is the host: it moves the icons, runs the timers and lends the
// map the mouse while a marker is dragged. Close requests are refused until
// Exit; a logoff or shutdown is never held up. When the data
// folders cannot be made, the window procedure ends the program through
// this window (win::kEndProgramMessage); other errors reach the general
// error handling there.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "mainwin/save_hotkey.h"
#include "mainwin/main_context.h"
#include "mainwin/main_layout.h"
#include "mainwin/main_menus_win.h"
#include "mainwin/main_timers.h"
#include "minidesk/minidesk.h"
#include "minidesk/minidesk_toggle.h"
#include "mainwin/startup_sequence.h"
#include "mainwin/window_ops.h"
#include "config/settings.h"
#include "icons/shell_desktop_access_win.h"
#include "lang/translator.h"
#include "ui/form_win.h"
#include "ui/prompts_win.h"

namespace orvx::ui {
class CaptionBar;
class FlatButton;
class Label;
class Panel;
class PictureButton;
}  // namespace orvx::ui

namespace orvx::minidesk {
class MinideskView;
class ErrorListWindow;
}  // namespace orvx::minidesk

namespace orvx::tray {
class ShellTrayIcon;
}  // namespace orvx::tray

namespace orvx::mainwin {

// The features the main window hosts, by the names it uses for them.
using minidesk::ErrorListWindow;
using minidesk::MapRect;
using minidesk::Minidesk;
using minidesk::MinideskHost;
using minidesk::MinideskToggleView;
using minidesk::MinideskView;
using tray::ShellTrayIcon;

class TranslucentWindow;
class WindowHotkeyRegistrar;

inline constexpr char kMainWindowClass[] = "Torvx_Form";
// The German caption of `arrange_button`, which opens the restore menu.
inline constexpr char kArrangeButtonCaption[] = "Anordnen";
// The caption bar's buttons, from the right.
enum MainCaptionButton : int { kExitButton, kMinimizeButton, kAboutButton, kSettingsButton, kMainCaptionButtonCount };
inline constexpr char kMainWindowName[] = "orvx_form";

class MainWindow final : public ui::Form, public MainWindowOps, private MinideskHost {
 public:
  // Creates the window, hidden, with its widgets and menus. Nothing is read
  // or measured yet: run_startup() does that.
  MainWindow(WindowRegistry& windows, StartSwitch start_switch);
  ~MainWindow() override;

  // The start-up sequence. EndProgram: the user has been told why the
  // program cannot go on; end it at once.
  [[nodiscard]] StartupOutcome run_startup();

  // The about box, shown from the caption bar. Until one is set, About
  // shows the main window again.
  void set_about_dialog(std::function<void()> show_about) { show_about_ = std::move(show_about); }
  // The settings dialog, shown from the caption bar. Until one is set, the
  // button shows the main window again.
  void set_settings_dialog(std::function<void()> show_settings) { show_settings_ = std::move(show_settings); }
  // The first-start language chooser, offered by the show steps. Until one
  // is set, the question is left open.
  void set_language_chooser(std::function<void()> show_chooser) { show_chooser_ = std::move(show_chooser); }

  // The show steps (settings, "/dev", the first-start language question),
  // then the window shown and brought to the front - unless "/dev" has just
  // ended the program.
  void show_main_window();
  void hide_main_window();

  // Exit: the one way to close the window, which ends the program.
  void exit_program();
  // Exit once an update or uninstall script has been started, which waits
  // for the program file: nothing is shown any more.
  void end_for_script();

  // What the about box shares with the window.
  const DataFolders& data_folders() const { return folders_; }
  Prompts& prompts() { return prompts_; }
  // The language loaded at start and by the settings.
  const lang::Translator& language() const { return translator_; }
  lang::Translator& language() { return translator_; }
  // What the settings dialog edits and reads.
  config::SettingsRecord& settings_record() { return settings_; }
  const ScreenMeasures& screen_measures() const { return screen_; }
  // load_settings: config.qcf applied to the window (after the settings
  // dialog's Save).
  void reload_settings();

  // MinideskOps (set_refresh_timer also serves the Minidesk)
  void update_layout() override;
  void build_minidesk(const DesktopIcons& icons) override;
  void set_refresh_timer(bool on) override;
  void process_messages() override;

  // ProfileMenuOps
  SaveMenuChoice show_save_menu(const ProfileMenus& menus) override;
  RestoreMenuChoice show_restore_menu(const ProfileMenus& menus, bool undo_offered) override;

  // SettingsOps
  void set_auto_save_timer(bool enabled, int32_t interval_ms) override;
  void restore_minidesk_state(bool shown) override;

  // StartupOps
  void create_error_list_window() override;
  DataFolders locate_data_folders() override;
  bool write_english_language_file(const std::string& path) override;
  void restore_placement(const std::string& data_folder) override;
  void show_tray_icon() override;
  void show_version_line() override;
  void make_opaque() override;
  void set_autostart_timer(bool on) override;
  uint16_t user_default_lang_id() override;
  void show_language_chooser() override;
  void terminate_application() override;

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;

  MainContext context();
  void create_widgets();
  void register_components();
  void end_program_now();

  void apply_layout(const MainLayout& layout);
  MinideskToggleView toggle_view();
  void toggle_minidesk();
  // MinideskHost
  void move_desktop_icon(const std::string& caption, icons::IconPoint to) override;
  void set_alert_slide_in_timer(bool on) override;
  void set_alert_hide_timer(bool on) override;
  void set_mouse_capture(bool captured) override;
  // Keeps the visible error list beside the main window as it moves.
  void dock_error_list(const WINDOWPOS& position);
  // The alert image lies in front of the version line, as it does of the
  // markers: the line leaves out the corner the image covers. Done again
  // when the image comes, goes or moves, or the line has been moved.
  void keep_alert_image_in_front(bool label_moved);

  void on_timer(MainTimer timer);
  void set_timer(MainTimer timer, bool on, uint32_t interval_ms);
  // desktop_menu_, when the point (or the keyboard, -1) is on the Minidesk.
  bool show_desktop_menu(LPARAM screen_point);
  // The Minidesk's preview of the profile under the restore menu's
  // selection; nullptr takes it away. A profile is read once while it stays
  // selected.
  void preview_restore(const std::string* profile_name);
  ui::Point menu_point(int32_t left_offset) const;
  void show_about_box();
  void show_settings_dialog();
  // Exit's close steps, once: the position written, the icon and the
  // hotkey gone, the message loop ended.
  void close_steps();

  WindowRegistry& windows_;
  StartSwitch start_switch_;
  ui::WinPrompts prompts_;
  icons::ShellDesktopAccess desktop_;
  lang::Translator translator_;
  config::SettingsRecord settings_;
  DataFolders folders_;
  ScreenMeasures screen_;
  RestoreUndo restore_undo_;
  std::optional<std::string> previewed_profile_;

  bool close_blocked_ = true;
  bool minidesk_shown_ = true;
  bool terminating_ = false;
  bool closed_ = false;
  bool shown_once_ = false;            // the update message waits for the first show
  unsigned timers_on_ = 0;             // one bit per MainTimer
  int32_t auto_save_interval_ms_ = 0;  // of kAutoSave while it runs
  std::optional<MainLayout> applied_layout_;
  std::function<void()> show_about_;
  std::function<void()> show_settings_;
  std::function<void()> show_chooser_;
  lang_online::ChooserOffer language_chooser_;

  std::unique_ptr<WindowHotkeyRegistrar> registrar_;
  std::unique_ptr<SaveHotkey> save_hotkey_;
  std::unique_ptr<MainMenus> menus_;
  std::unique_ptr<ui::CaptionBar> caption_bar_;
  // Declared before its views, which it outlives.
  Minidesk minidesk_{*this};
  std::unique_ptr<ui::Panel> minidesk_background_;
  std::unique_ptr<MinideskView> minidesk_view_;
  std::unique_ptr<ui::Label> version_label_;
  std::unique_ptr<ui::Panel> button_strip_;
  std::unique_ptr<ui::FlatButton> save_button_;
  std::unique_ptr<ui::FlatButton> arrange_button_;
  std::unique_ptr<ui::FlatButton> close_button_;
  std::unique_ptr<ui::PictureButton> minidesk_toggle_button_;
  std::unique_ptr<TranslucentWindow> translucency_;
  std::unique_ptr<ShellTrayIcon> tray_icon_;
  std::unique_ptr<ErrorListWindow> error_list_window_;
  // The map rectangle the version line leaves out, if any.
  std::optional<MapRect> version_line_cover_;
};

}  // namespace orvx::mainwin
