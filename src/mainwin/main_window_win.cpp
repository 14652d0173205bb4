#include "mainwin/main_window_win.h"

#include "mainwin/cover_region_win.h"
#include "mainwin/display_change.h"
#include "profiles/data_folders.h"
#include "minidesk/error_icon_list_win.h"
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
#include "tray/taskbar_icon_win.h"
#include "mainwin/translucent_window_win.h"
#include "mainwin/window_effects.h"
#include "mainwin/window_effects_win.h"
#include "ui/window_placement_win.h"
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

namespace orvx::mainwin {
namespace {

constexpr ui::Rgb kBackgroundBlue = ui::rgb(0x739CC7);  // bg_frame
constexpr ui::Rgb kVersionText = ui::rgb(0xDCE7F1);
constexpr int32_t kSaveMenuOffset = 15;
constexpr int32_t kRestoreMenuOffset = 105;
// While inactive the window is drawn this much translucent.
constexpr int kInactiveTranslucency = 25;

HICON program_icon(int size) {
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, size, size, LR_SHARED));
}

ui::Rect inside(const ui::Rect& r, const ui::Rect& parent) {
  return {r.left - parent.left, r.top - parent.top, r.width, r.height};
}

}  // namespace

Torvx_form::Torvx_form(WindowRegistry& windows, StartSwitch start_switch)
    : windows_(windows), start_switch_(start_switch), lang_system_(windows) {
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
  hotKey1_ = std::make_unique<Thotkey>(*registrar_, prompts_, [this] { return lang_system_.message("MSDLG_1"); });
  Trans_Wnd_ = std::make_unique<TTransparentWnd>(hwnd());
  create_widgets();
  register_components();
}

Torvx_form::~Torvx_form() {
  // The program also ends through its message loop without Exit ("/dev");
  // the windows are destroyed then as well, and the position is kept.
  if (placement_ && hwnd()) placement_->save();
}

// At the design layout; update_layout gives every part its real place.
void Torvx_form::create_widgets() {
  const MainLayout design = main_layout(kDesignMinideskSize, true);
  caption_form_ = std::make_unique<ui::CaptionBar>(ui::CaptionBarArgs{
      .parent = hwnd(),
      .width = design.client.width,
      .icon = program_icon(16),
      .buttons = {{ui::CaptionGlyph::close, "Beenden", command([this] { exit_program(); })},
                  {ui::CaptionGlyph::minimize, "Minimieren", command([this] { hide_main_window(); })},
                  {ui::CaptionGlyph::about, "Über...", command([this] { show_about_box(); })},
                  {ui::CaptionGlyph::settings, "Einstellungen", command([this] { show_settings_dialog(); })}}});
  // desktop_frame lies on bg_frame: both hide together when collapsed.
  bg_frame_ = std::make_unique<ui::Panel>(ui::PanelArgs{
      .name = "bg_frame",
      .parent = hwnd(),
      .bounds = design.bg_frame,
      .colour = kBackgroundBlue});
  desktop_frame_ = std::make_unique<MinideskView>(
      minidesk::MinideskViewArgs{.name = "desktop_frame",
                       .parent = bg_frame_->hwnd(),
                       .bounds = inside(design.desktop_frame, design.bg_frame),
                       // The list shows what the map's last change left in it.
                       .on_changed =
                           [this] {
                             if (error_icon_list_) error_icon_list_->sync();
                             keep_alert_image_in_front(false);
                           }},
      minidesk_);
  versions_label_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = "versions_label",
      .parent = desktop_frame_->hwnd(),
      .bounds = versions_label_bounds(design),
      .font = ui::FontSpec{"Verdana", 9},
      .colour = kVersionText,
      .background = minidesk::kMinideskColour,
      .align = ui::TextAlign::right,
      .right_to_left = true});
  bottom_leiste_ = std::make_unique<ui::Panel>(ui::PanelArgs{
      .name = "bottom_leiste",
      .parent = hwnd(),
      .bounds = design.bottom_leiste,
      .colour = ui::style::kChrome});
  const HWND strip = bottom_leiste_->hwnd();
  save_button_ = std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{
      .name = "save_button",
      .caption = "Speichern",
      .hint = "Aktuelle Position speichern...",
      .parent = strip,
      .bounds = inside(design.save_button, design.bottom_leiste),
      .on_click = command([this] { save_buttonClick(context(), *this); })});
  arrange_button_ = std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{
      .name = "arrange_button",
      .caption = kArrangeButtonCaption,
      .hint = "Position der Icons wiederherstellen...",
      .parent = strip,
      .bounds = inside(design.arrange_button, design.bottom_leiste),
      .on_click = command([this] { arrange_buttonClick(context(), *this); })});
  close_button_ = std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{
      .name = "close_button",
      .caption = "Beenden",
      .parent = strip,
      .bounds = inside(design.close_button, design.bottom_leiste),
      .on_click = command([this] { exit_program(); })});
  form_status_button_ = std::make_unique<ui::PictureButton>(ui::PictureButtonArgs{
      .name = "form_status_button",
      .hint = "Orvane-Minidesk einblenden/ausblenden",
      .parent = strip,
      .bounds = inside(design.form_status_button, design.bottom_leiste),
      .picture = ui::kHideMinideskPicture,
      .on_click = command([this] { toggle_minidesk(); })});

  menus_ = std::make_unique<MainMenus>(DesktopMenuActions{
      .pm_refresh_desktopClick = command([this] { pm_refresh_desktopClick(*this, desktop_); }),
      .pm_snaptogridClick = command([this] { pm_snaptogridClick(context()); }),
      .pm_monitor_settingsClick = command([] { run_control_panel_applet(kDisplaySettingsApplet); }),
      .pa_blogClick = command([] { open_web_page(kBlogPage); }),
  });
}

void Torvx_form::register_components() {
  minidesk::AlertPanelView& alert = desktop_frame_->alert_panel();
  for (NamedComponent* component : std::initializer_list<NamedComponent*>{
           caption_form_.get(), bg_frame_.get(), desktop_frame_.get(), versions_label_.get(), &alert.alert_frame(),
           &alert.alert_img(), &alert.alert_label(), bottom_leiste_.get(), save_button_.get(), arrange_button_.get(),
           close_button_.get(), form_status_button_.get()}) {
    add_component(*component);
  }
  for (NamedComponent* item : menus_->components()) add_component(*item);
}

MainContext Torvx_form::context() {
  return {desktop_,  prompts_, lang_system_, windows_,      *hotKey1_,     settings_,
          folders_,  screen_,  start_switch_, restore_undo_, language_chooser_};
}

std::function<void()> Torvx_form::command(std::function<void()> action) {
  return [this, action = std::move(action)] {
    try {
      action();
    } catch (const FoldersMissing&) {
      end_program_now();
    }
  };
}

void Torvx_form::end_program_now() {
  // The user has been told why; close without the position (the data folder
  // that would hold it does not exist).
  placement_.reset();
  close_blocked_ = false;
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

StartupOutcome Torvx_form::run_startup() {
  const StartupOutcome outcome = run_startup_sequence(context(), *this);
  if (outcome == StartupOutcome::EndProgram) placement_.reset();
  return outcome;
}

void Torvx_form::show_main_window() {
  run_show_steps(context(), *this);
  if (terminating_ || closed_) return;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (!shown_once_) {
    shown_once_ = true;
    announce_update(context(), *this);
  }
}

void Torvx_form::hide_main_window() { ShowWindow(hwnd(), SW_HIDE); }

void Torvx_form::exit_program() {
  close_blocked_ = false;
  // Posted, so that the button that asked is not destroyed under its click.
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void Torvx_form::end_for_script() {
  terminating_ = true;  // the way back from the settings dialog shows no window
  exit_program();
}

void Torvx_form::show_about_box() {
  hide_main_window();
  if (show_about_) show_about_();
  show_main_window();
}

void Torvx_form::show_settings_dialog() {
  hide_main_window();
  if (show_settings_) show_settings_();
  // Every way out of the dialog brings the main window back.
  show_main_window();
}

void Torvx_form::reload_settings() { load_settings(context(), *this); }

void Torvx_form::update_layout() {
  const LayoutMeasures measures = measure_screen();
  screen_ = measures.screen;
  apply_layout(main_layout(measures, minidesk_shown_));
}

void Torvx_form::apply_layout(const MainLayout& layout) {
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
    caption_form_->set_width(layout.client.width);
  }
  if (layout.minidesk_shown) {
    bg_frame_->set_bounds(layout.bg_frame);
    desktop_frame_->set_bounds(inside(layout.desktop_frame, layout.bg_frame));
    versions_label_->set_bounds(versions_label_bounds(layout));
    keep_alert_image_in_front(true);
  }
  desktop_frame_->set_visible(layout.minidesk_shown);
  bg_frame_->set_visible(layout.minidesk_shown);
  bottom_leiste_->set_bounds(layout.bottom_leiste);
  save_button_->set_bounds(inside(layout.save_button, layout.bottom_leiste));
  arrange_button_->set_bounds(inside(layout.arrange_button, layout.bottom_leiste));
  close_button_->set_bounds(inside(layout.close_button, layout.bottom_leiste));
  form_status_button_->set_bounds(inside(layout.form_status_button, layout.bottom_leiste));
  set_refresh_timer(layout.refresh_timer_on);
  // Applied only when they change: the live refresh lays the window out
  // twice a second, and a new shape would redraw the whole window each time.
  if (band_changed) set_topmost(hwnd(), layout.topmost);
  if (size_changed) apply_rounded_shape(hwnd());
  applied_layout_ = layout;
}

MinideskToggleView Torvx_form::toggle_view() {
  return {
      .set_toggle_picture = [this](const char* picture) { form_status_button_->set_picture(picture); },
      .update_layout = [this] { update_layout(); },
  };
}

void Torvx_form::toggle_minidesk() {
  minidesk::toggle_minidesk(config::config_file_path(folders_.data), minidesk_shown_, toggle_view());
}

void Torvx_form::restore_minidesk_state(bool shown) {
  minidesk::restore_minidesk_state(shown, config::config_file_path(folders_.data), minidesk_shown_, toggle_view());
}

void Torvx_form::BuildMinidesk(const TDesktopIconInfoArray& icons) {
  minidesk_.BuildMinidesk(icons, [this] { return lang_system_.message("MSDLG_16"); });
  desktop_frame_->show_changes();
}

void Torvx_form::keep_alert_image_in_front(bool label_moved) {
  if (!versions_label_) return;
  const minidesk::AlertImage& image = minidesk_.alert_image();
  std::optional<MapRect> cover;
  if (image.visible) cover = image.bounds;
  if (!label_moved && cover == version_line_cover_) return;
  version_line_cover_ = cover;
  std::optional<RECT> rect;
  if (cover) rect = RECT{cover->left, cover->top, cover->left + cover->width, cover->top + cover->height};
  leave_cover_out(versions_label_->hwnd(), rect);
}

void Torvx_form::MoveDesktopIcon(const std::string& caption, icons::IconPoint to) {
  icons::MoveDesktopIcon(desktop_, caption, to);
}

void Torvx_form::set_alert_timer_on(bool on) { set_timer(MainTimer::alert_timer_on, on, kAlertOnIntervalMs); }

void Torvx_form::set_alert_timer_off(bool on) { set_timer(MainTimer::alert_timer_off, on, kAlertOffIntervalMs); }

void Torvx_form::set_mouse_capture(bool captured) { desktop_frame_->set_mouse_capture(captured); }

void Torvx_form::dock_error_list(const WINDOWPOS& position) {
  if (!error_icon_list_ || !error_icon_list_->visible() || (position.flags & SWP_NOMOVE)) return;
  error_icon_list_->dock(position.x, position.y);
}

void Torvx_form::set_timer(MainTimer timer, bool on, uint32_t interval_ms) {
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

void Torvx_form::set_refresh_timer(bool on) { set_timer(MainTimer::refresh_timer, on, kRefreshIntervalMs); }

void Torvx_form::set_autostart_timer(bool on) { set_timer(MainTimer::autostart_timer, on, kAutostartIntervalMs); }

void Torvx_form::set_auto_save_timer(bool enabled, int32_t interval_ms) {
  const bool running = (timers_on_ & (1u << static_cast<unsigned>(MainTimer::auto_check_icons_timer))) != 0;
  switch (auto_save_timer_change({running, auto_save_interval_ms_}, enabled, interval_ms)) {
    case AutoSaveTimerChange::keep:
      return;
    case AutoSaveTimerChange::stop:
      set_timer(MainTimer::auto_check_icons_timer, false, 0);
      break;
    case AutoSaveTimerChange::restart:
      set_timer(MainTimer::auto_check_icons_timer, false, 0);
      set_timer(MainTimer::auto_check_icons_timer, true, static_cast<uint32_t>(interval_ms));
      break;
  }
  auto_save_interval_ms_ = interval_ms;
}

void Torvx_form::on_timer(MainTimer timer) {
  switch (timer) {
    case MainTimer::autostart_timer:
      set_autostart_timer(false);
      hide_main_window();
      break;
    case MainTimer::auto_check_icons_timer:
      auto_check_icons_timerTimer(context());
      break;
    case MainTimer::refresh_timer:
      if (settings_.live_desktop) pm_refresh_desktopClick(*this, desktop_);
      break;
    case MainTimer::alert_timer_on:
      minidesk_.alert_timer_onTimer();
      desktop_frame_->show_changes();
      break;
    case MainTimer::alert_timer_off:
      minidesk_.alert_timer_offTimer();
      desktop_frame_->show_changes();
      break;
  }
}

ui::Point Torvx_form::menu_point(int32_t left_offset) const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return {r.left + left_offset, r.top + (r.bottom - r.top)};
}

SaveMenuChoice Torvx_form::show_save_menu(const ProfileMenus& menus) {
  return menus_->show_save_menu(hwnd(), menu_point(kSaveMenuOffset), menus);
}

RestoreMenuChoice Torvx_form::show_restore_menu(const ProfileMenus& menus, bool undo_offered) {
  RestoreMenuOptions options{.undo_offered = undo_offered, .undo_caption = lang_system_.message("MSDLG_22")};
  if (minidesk_shown_) options.on_preview = [this](const std::string* name) { preview_restore(name); };
  return menus_->show_restore_menu(hwnd(), menu_point(kRestoreMenuOffset), menus, options);
}

void Torvx_form::preview_restore(const std::string* profile_name) {
  if (!profile_name) {
    previewed_profile_.reset();
    minidesk_.hide_restore_preview();
  } else if (previewed_profile_ != *profile_name) {
    previewed_profile_ = *profile_name;
    minidesk_.show_restore_preview(ReadProfileFile(ProfileFileName(folders_.data, *profile_name)));
  }
  desktop_frame_->show_changes();
}

bool Torvx_form::show_desktop_menu(LPARAM screen_point) {
  if (!desktop_frame_->visible()) return false;
  RECT map{};
  GetWindowRect(desktop_frame_->hwnd(), &map);
  POINT at{static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
  if (screen_point == -1) {
    at = {map.left, map.top};  // from the keyboard: at the Minidesk's corner
  } else if (!PtInRect(&map, at)) {
    return false;
  }
  menus_->show_desktop_menu(hwnd(), ui::Point{at.x, at.y});
  return true;
}

void Torvx_form::close_steps() {
  if (closed_) return;
  closed_ = true;
  if (placement_) placement_->save();
  for (MainTimer timer : {MainTimer::autostart_timer, MainTimer::auto_check_icons_timer, MainTimer::refresh_timer,
                          MainTimer::alert_timer_on, MainTimer::alert_timer_off}) {
    set_timer(timer, false, 0);
  }
  hotKey1_->configure(false, hotKey1_->shortcut());
  TNA_.reset();
  PostQuitMessage(0);
}

LRESULT Torvx_form::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return dispatch(msg, wp, lp);
  } catch (const FoldersMissing&) {
    end_program_now();
    return 0;
  }
}

LRESULT Torvx_form::dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
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
      if (Trans_Wnd_) Trans_Wnd_->ApplyTranslucency(LOWORD(wp) == WA_INACTIVE ? kInactiveTranslucency : 0);
      break;
    case WM_WINDOWPOSCHANGING: {
      const LRESULT result = Form::handle_message(msg, wp, lp);
      dock_error_list(*reinterpret_cast<const WINDOWPOS*>(lp));
      return result;
    }
    case WM_DISPLAYCHANGE:
      WMDisplayChange(context(), *this);
      break;
    case WM_HOTKEY:
      if (static_cast<int>(wp) == kSaveHotkeyId) hotKey1HotKey(context());
      return 0;
    case WM_TIMER:
      if (wp >= static_cast<WPARAM>(MainTimer::autostart_timer) &&
          wp <= static_cast<WPARAM>(MainTimer::alert_timer_off)) {
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
