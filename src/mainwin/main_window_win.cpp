#include "mainwin/main_window_win.h"

#include "mainwin/cover_region_win.h"
#include "mainwin/display_change.h"
#include "profiles/data_folders.h"
#include "minidesk/error_list_window_win.h"
#include "mainwin/hotkey_registrar_win.h"
#include "mainwin/auto_save_timer.h"
#include "mainwin/load_settings.h"
#include "mainwin/maker_pages.h"
#include "minidesk/minidesk_view_win.h"
#include "mainwin/profile_commands.h"
#include "mainwin/screen_measures_win.h"
#include "mainwin/shell_commands.h"
#include "mainwin/shell_commands_win.h"
#include "mainwin/show_steps.h"
#include "platform/system_check_win.h"
#include "tray/tray_icon_win.h"
#include "mainwin/translucent_window_win.h"
#include "mainwin/window_effects.h"
#include "mainwin/window_effects_win.h"
#include "config/config_file.h"
#include "icons/arrangement_guard.h"
#include "icons/icon_operations.h"
#include "icons/minidesk_icons.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "ui/caption_bar_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/panel_win.h"
#include "ui/picture_button_win.h"
#include "ui/program_title.h"
#include "ui/resource_names.h"
#include "platform/message_ids.h"
#include "mainwin/main_window_components.h"

namespace orvx::mainwin {
namespace {

constexpr ui::Rgb kBackgroundBlue = ui::rgb(0x739CC7);  // bg_frame
constexpr ui::Rgb kVersionText = ui::rgb(0xDCE7F1);
constexpr int32_t kSaveMenuOffset = 15;
constexpr int32_t kRestoreMenuOffset = 105;
// While inactive the window is drawn this much translucent.
constexpr int kInactiveTranslucency = 25;

HICON program_icon(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, size, size, LR_SHARED));
}

ui::Rect inside(const ui::Rect& r, const ui::Rect& parent) {
  return {r.left - parent.left, r.top - parent.top, r.width, r.height};
}

}  // namespace

MainWindow::MainWindow(WindowRegistry& windows, StartSwitch start_switch)
    : windows_(windows), start_switch_(start_switch), translator_(windows) {
  const UINT class_style = main_window_class_style(0, query_system_version());
  // A tool window: no task bar button, the program lives in the
  // notification area.
  // At the design layout; update_layout gives the window its real size.
  const ui::Size design = main_layout(kDesignMinideskSize, true).client;
  create_form(ui::FormArgs{.name = kMainWindowName,
                           .class_name = kMainWindowClass,
                           .caption = ui::kProgramTitle,
                           .bounds = ui::Rect{0, 0, design.width, design.height},
                           .background = ui::style::kWhite,
                           .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW,
                           .class_style = class_style,
                           .icon = program_icon(32),
                           .registry = &windows});
  prompts_.set_owner(hwnd());
  registrar_ = std::make_unique<WindowHotkeyRegistrar>(hwnd(), kSaveHotkeyId);
  save_hotkey_ = std::make_unique<SaveHotkey>(
      *registrar_, prompts_, [this] { return translator_.message(message_ids::kHotkeyNotRegistered); });
  translucency_ = std::make_unique<TranslucentWindow>(hwnd());
  create_widgets();
  register_components();
}

// The program also ends through its message loop without Exit ("/dev"); the
// windows are destroyed then as well, and the form keeps the position.
MainWindow::~MainWindow() = default;

// At the design layout; update_layout gives every part its real place.
void MainWindow::create_widgets() {
  const MainLayout design = main_layout(kDesignMinideskSize, true);
  caption_bar_ = std::make_unique<ui::CaptionBar>(ui::CaptionBarArgs{
      .parent = hwnd(),
      .width = design.client.width,
      .icon = program_icon(16),
      .buttons = {{ui::CaptionGlyph::kClose, "Beenden", [this] { exit_program(); }},
                  {ui::CaptionGlyph::kMinimize, "Minimieren", [this] { hide_main_window(); }},
                  {ui::CaptionGlyph::kAbout, "Über...", [this] { show_about_box(); }},
                  {ui::CaptionGlyph::kSettings, "Einstellungen", [this] { show_settings_dialog(); }}}});
  // desktop_frame lies on bg_frame: both hide together when collapsed.
  minidesk_background_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = components::kMinideskBackground.name,
                                                                   .parent = hwnd(),
                                                                   .bounds = design.bg_frame,
                                                                   .colour = kBackgroundBlue});
  minidesk_view_ =
      std::make_unique<MinideskView>(minidesk::MinideskViewArgs{.name = components::kMinideskView.name,
                                                                .parent = minidesk_background_->hwnd(),
                                                                .bounds = inside(design.desktop_frame, design.bg_frame),
                                                                // The list shows what the map's last change left in it.
                                                                .on_changed =
                                                                    [this] {
                                                                      if (error_list_window_)
                                                                        error_list_window_->sync();
                                                                      keep_alert_image_in_front(false);
                                                                    }},
                                     minidesk_);
  version_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kVersionLabel.name,
                                                             .parent = minidesk_view_->hwnd(),
                                                             .bounds = versions_label_bounds(design),
                                                             .font = ui::FontSpec{"Verdana", 9},
                                                             .colour = kVersionText,
                                                             .background = minidesk::kMinideskColour,
                                                             .align = ui::TextAlign::kRight,
                                                             .right_to_left = true});
  button_strip_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = components::kButtonStrip.name,
                                                            .parent = hwnd(),
                                                            .bounds = design.button_strip,
                                                            .colour = ui::style::kChrome});
  const HWND strip = button_strip_->hwnd();
  save_button_ =
      std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = components::kSaveButton.name,
                                                          .caption = "Speichern",
                                                          .hint = "Aktuelle Position speichern...",
                                                          .parent = strip,
                                                          .bounds = inside(design.save_button, design.button_strip),
                                                          .on_click = [this] { on_save_clicked(context(), *this); }});
  arrange_button_ = std::make_unique<ui::FlatButton>(
      ui::FlatButtonArgs{.name = components::kRestoreButton.name,
                         .caption = kArrangeButtonCaption,
                         .hint = "Position der Icons wiederherstellen...",
                         .parent = strip,
                         .bounds = inside(design.arrange_button, design.button_strip),
                         .on_click = [this] { on_restore_clicked(context(), *this); }});
  close_button_ =
      std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = components::kExitButton.name,
                                                          .caption = "Beenden",
                                                          .parent = strip,
                                                          .bounds = inside(design.close_button, design.button_strip),
                                                          .on_click = [this] { exit_program(); }});
  minidesk_toggle_button_ = std::make_unique<ui::PictureButton>(
      ui::PictureButtonArgs{.name = components::kMinideskToggleButton.name,
                            .hint = "Orvane-Minidesk einblenden/ausblenden",
                            .parent = strip,
                            .bounds = inside(design.form_status_button, design.button_strip),
                            .picture = ui::kHideMinideskPicture,
                            .on_click = [this] { toggle_minidesk(); }});

  menus_ = std::make_unique<MainMenus>(DesktopMenuActions{
      .on_refresh_desktop_clicked = [this] { on_refresh_desktop_clicked(*this, desktop_); },
      .on_snap_to_grid_clicked = [this] { on_snap_to_grid_clicked(context()); },
      .on_display_settings_clicked = [] { run_control_panel_applet(kDisplaySettingsApplet); },
      .on_blog_clicked = [] { open_web_page(kBlogPage); },
  });
}

void MainWindow::register_components() {
  minidesk::AlertPanelView& alert = minidesk_view_->alert_panel();
  for (NamedComponent* component : std::initializer_list<NamedComponent*>{
           caption_bar_.get(), minidesk_background_.get(), minidesk_view_.get(), version_label_.get(),
           &alert.alert_frame(), &alert.alert_img(), &alert.alert_label(), button_strip_.get(), save_button_.get(),
           arrange_button_.get(), close_button_.get(), minidesk_toggle_button_.get()}) {
    add_component(*component);
  }
  for (NamedComponent* item : menus_->components()) add_component(*item);
}

MainContext MainWindow::context() {
  return {desktop_, prompts_, translator_,   windows_,      *save_hotkey_,    settings_,
          folders_, screen_,  start_switch_, restore_undo_, language_chooser_};
}

void MainWindow::end_program_now() {
  // The user has been told why; close without the position (the data folder
  // that would hold it does not exist).
  forget_position();
  close_blocked_ = false;
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

StartupOutcome MainWindow::run_startup() {
  const StartupOutcome outcome = run_startup_sequence(context(), *this);
  if (outcome == StartupOutcome::kEndProgram) forget_position();
  return outcome;
}

void MainWindow::show_main_window() {
  run_show_steps(context(), *this);
  if (terminating_ || closed_) return;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (!shown_once_) {
    shown_once_ = true;
    announce_update(context(), *this);
  }
}

void MainWindow::hide_main_window() { ShowWindow(hwnd(), SW_HIDE); }

void MainWindow::exit_program() {
  close_blocked_ = false;
  // Posted, so that the button that asked is not destroyed under its click.
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void MainWindow::end_for_script() {
  terminating_ = true;  // the way back from the settings dialog shows no window
  exit_program();
}

void MainWindow::show_about_box() {
  hide_main_window();
  if (show_about_) show_about_();
  show_main_window();
}

void MainWindow::show_settings_dialog() {
  hide_main_window();
  if (show_settings_) show_settings_();
  // Every way out of the dialog brings the main window back.
  show_main_window();
}

void MainWindow::reload_settings() { load_settings(context(), *this); }

void MainWindow::update_layout() {
  const LayoutMeasures measures = measure_screen();
  screen_ = measures.screen;
  apply_layout(main_layout(measures, minidesk_shown_));
}

void MainWindow::apply_layout(const MainLayout& layout) {
  // The live refresh lays the window out twice a second, nearly always as it
  // is: then only the refresh timer is set again (a drag may have stopped
  // it), and no part is moved.
  if (applied_layout_ == layout) {
    set_refresh_timer(layout.refresh_timer_on);
    return;
  }
  const bool size_changed = !applied_layout_ || applied_layout_->client != layout.client;
  const bool band_changed = !applied_layout_ || applied_layout_->topmost != layout.topmost;
  if (size_changed) {
    SetWindowPos(hwnd(), nullptr, 0, 0, layout.client.width, layout.client.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    caption_bar_->set_width(layout.client.width);
  }
  if (layout.minidesk_shown) {
    minidesk_background_->set_bounds(layout.bg_frame);
    minidesk_view_->set_bounds(inside(layout.desktop_frame, layout.bg_frame));
    version_label_->set_bounds(versions_label_bounds(layout));
    keep_alert_image_in_front(true);
  }
  minidesk_view_->set_visible(layout.minidesk_shown);
  minidesk_background_->set_visible(layout.minidesk_shown);
  button_strip_->set_bounds(layout.button_strip);
  save_button_->set_bounds(inside(layout.save_button, layout.button_strip));
  arrange_button_->set_bounds(inside(layout.arrange_button, layout.button_strip));
  close_button_->set_bounds(inside(layout.close_button, layout.button_strip));
  minidesk_toggle_button_->set_bounds(inside(layout.form_status_button, layout.button_strip));
  set_refresh_timer(layout.refresh_timer_on);
  // Applied only when they change: the live refresh lays the window out
  // twice a second, and a new shape would redraw the whole window each time.
  if (band_changed) set_topmost(hwnd(), layout.topmost);
  if (size_changed) apply_rounded_shape(hwnd());
  applied_layout_ = layout;
}

MinideskToggleView MainWindow::toggle_view() {
  return {
      .set_toggle_picture = [this](const char* picture) { minidesk_toggle_button_->set_picture(picture); },
      .update_layout = [this] { update_layout(); },
  };
}

void MainWindow::toggle_minidesk() {
  minidesk::toggle_minidesk(config::config_file_path(folders_.data), minidesk_shown_, toggle_view());
}

void MainWindow::restore_minidesk_state(bool shown) {
  minidesk::restore_minidesk_state(shown, config::config_file_path(folders_.data), minidesk_shown_, toggle_view());
}

void MainWindow::build_minidesk(const DesktopIcons& icons) {
  minidesk_.build_minidesk(icons, [this] { return translator_.message(message_ids::kIconsOutside); });
  minidesk_view_->show_changes();
}

void MainWindow::keep_alert_image_in_front(bool label_moved) {
  if (!version_label_) return;
  const minidesk::AlertImage& image = minidesk_.alert_image();
  std::optional<MapRect> cover;
  if (image.visible) cover = image.bounds;
  if (!label_moved && cover == version_line_cover_) return;
  version_line_cover_ = cover;
  std::optional<RECT> rect;
  if (cover) rect = RECT{cover->left, cover->top, cover->left + cover->width, cover->top + cover->height};
  leave_cover_out(version_label_->hwnd(), rect);
}

void MainWindow::move_desktop_icon(const std::string& caption, icons::IconPoint to) {
  icons::move_desktop_icon(desktop_, caption, to);
}

void MainWindow::set_alert_slide_in_timer(bool on) { set_timer(MainTimer::kAlertSlideIn, on, kAlertOnIntervalMs); }

void MainWindow::set_alert_hide_timer(bool on) { set_timer(MainTimer::kAlertHide, on, kAlertOffIntervalMs); }

void MainWindow::set_mouse_capture(bool captured) { minidesk_view_->set_mouse_capture(captured); }

void MainWindow::dock_error_list(const WINDOWPOS& position) {
  if (!error_list_window_ || !error_list_window_->visible() || (position.flags & SWP_NOMOVE)) return;
  error_list_window_->dock(position.x, position.y);
}

void MainWindow::set_timer(MainTimer timer, bool on, uint32_t interval_ms) {
  const unsigned bit = 1u << static_cast<unsigned>(timer);
  const auto id = static_cast<UINT_PTR>(timer);
  if (on) {
    // A running timer keeps its rhythm; setting it again would restart it.
    if (!(timers_on_ & bit) && SetTimer(hwnd(), id, interval_ms, nullptr)) timers_on_ |= bit;
  } else {
    KillTimer(hwnd(), id);
    timers_on_ &= ~bit;
  }
}

void MainWindow::set_refresh_timer(bool on) { set_timer(MainTimer::kMinideskRefresh, on, kRefreshIntervalMs); }

void MainWindow::set_autostart_timer(bool on) { set_timer(MainTimer::kHideAfterAutostart, on, kAutostartIntervalMs); }

void MainWindow::set_auto_save_timer(bool enabled, int32_t interval_ms) {
  const bool running = (timers_on_ & (1u << static_cast<unsigned>(MainTimer::kAutoSave))) != 0;
  switch (auto_save_timer_change({running, auto_save_interval_ms_}, enabled, interval_ms)) {
    case AutoSaveTimerChange::kKeep:
      return;
    case AutoSaveTimerChange::kStop:
      set_timer(MainTimer::kAutoSave, false, 0);
      break;
    case AutoSaveTimerChange::kRestart:
      set_timer(MainTimer::kAutoSave, false, 0);
      set_timer(MainTimer::kAutoSave, true, static_cast<uint32_t>(interval_ms));
      break;
  }
  auto_save_interval_ms_ = interval_ms;
}

void MainWindow::on_timer(MainTimer timer) {
  switch (timer) {
    case MainTimer::kHideAfterAutostart:
      set_autostart_timer(false);
      hide_main_window();
      break;
    case MainTimer::kAutoSave:
      on_auto_save_timer(context());
      break;
    case MainTimer::kMinideskRefresh:
      if (settings_.live_desktop) on_refresh_desktop_clicked(*this, desktop_);
      break;
    case MainTimer::kAlertSlideIn:
      minidesk_.on_alert_slide_in_timer();
      minidesk_view_->show_changes();
      break;
    case MainTimer::kAlertHide:
      minidesk_.on_alert_hide_timer();
      minidesk_view_->show_changes();
      break;
  }
}

ui::Point MainWindow::menu_point(int32_t left_offset) const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return {r.left + left_offset, r.top + (r.bottom - r.top)};
}

SaveMenuChoice MainWindow::show_save_menu(const ProfileMenus& menus) {
  return menus_->show_save_menu(hwnd(), menu_point(kSaveMenuOffset), menus);
}

RestoreMenuChoice MainWindow::show_restore_menu(const ProfileMenus& menus, bool undo_offered) {
  RestoreMenuOptions options{.undo_offered = undo_offered,
                             .undo_caption = translator_.message(message_ids::kUndoLastRestore)};
  if (minidesk_shown_) options.on_preview = [this](const std::string* name) { preview_restore(name); };
  return menus_->show_restore_menu(hwnd(), menu_point(kRestoreMenuOffset), menus, options);
}

void MainWindow::preview_restore(const std::string* profile_name) {
  if (!profile_name) {
    previewed_profile_.reset();
    minidesk_.hide_restore_preview();
  } else if (previewed_profile_ != *profile_name) {
    previewed_profile_ = *profile_name;
    minidesk_.show_restore_preview(read_profile_file(profile_file_name(folders_.data, *profile_name)));
  }
  minidesk_view_->show_changes();
}

bool MainWindow::show_desktop_menu(LPARAM screen_point) {
  if (!minidesk_view_->visible()) return false;
  RECT map{};
  GetWindowRect(minidesk_view_->hwnd(), &map);
  POINT at{static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
  if (screen_point == -1) {
    at = {map.left, map.top};  // from the keyboard: at the Minidesk's corner
  } else if (!PtInRect(&map, at)) {
    return false;
  }
  menus_->show_desktop_menu(hwnd(), ui::Point{at.x, at.y});
  return true;
}

void MainWindow::close_steps() {
  if (closed_) return;
  closed_ = true;
  for (MainTimer timer : {MainTimer::kHideAfterAutostart, MainTimer::kAutoSave, MainTimer::kMinideskRefresh,
                          MainTimer::kAlertSlideIn, MainTimer::kAlertHide}) {
    set_timer(timer, false, 0);
  }
  save_hotkey_->configure(false, save_hotkey_->shortcut());
  tray_icon_.reset();
  PostQuitMessage(0);
}

LRESULT MainWindow::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case win::kEndProgramMessage:
      end_program_now();
      return 0;
    case WM_CLOSE:
      // Alt+F4 and other programs' requests are refused without a word.
      if (close_blocked_) return 0;
      break;
    case WM_DESTROY:
      close_steps();
      break;
    case WM_QUERYENDSESSION:
      default_handling(msg, wp, lp);
      return TRUE;  // a logoff or shutdown is never held up
    case WM_ENDSESSION:
      default_handling(msg, wp, lp);
      return 1;
    case WM_ACTIVATE:
      if (translucency_) translucency_->apply_translucency(LOWORD(wp) == WA_INACTIVE ? kInactiveTranslucency : 0);
      break;
    case WM_WINDOWPOSCHANGING: {
      const LRESULT result = Form::handle_message(msg, wp, lp);
      dock_error_list(*reinterpret_cast<const WINDOWPOS*>(lp));
      return result;
    }
    case WM_DISPLAYCHANGE:
      on_display_change(context(), *this);
      break;
    case WM_HOTKEY:
      if (static_cast<int>(wp) == kSaveHotkeyId) on_save_hotkey(context());
      return 0;
    case WM_TIMER:
      if (wp >= static_cast<WPARAM>(MainTimer::kHideAfterAutostart) &&
          wp <= static_cast<WPARAM>(MainTimer::kAlertHide)) {
        on_timer(static_cast<MainTimer>(wp));
        return 0;
      }
      break;
    case WM_MENUSELECT:
      menus_->menu_select(wp, lp);
      break;
    case WM_CONTEXTMENU:
      // Passed up from the child the user clicked; which one is told by the
      // point, as each parent on the way names itself the sender.
      if (show_desktop_menu(lp)) return 0;
      break;
    default:
      break;
  }
  return Form::handle_message(msg, wp, lp);
}

}  // namespace orvx::mainwin
