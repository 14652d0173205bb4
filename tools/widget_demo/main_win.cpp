// A window with the widgets of the kit, to look at them under Wine or on
// Windows. scripts/ui_demo starts it under Xvfb and takes a screenshot.
//
//   widget_demo.exe [main|input|error] [--seconds N]
//
// "main" (the default) shows a main-window-like form with a hint up and a
// settings-like dialog; "input" adds the input box, "error" the error
// report. With --seconds the demo ends by itself after N seconds.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/caption_bar_win.h"
#include "ui/check_box_win.h"
#include "ui/collapsible_section_win.h"
#include "platform/error_report.h"
#include "ui/edit_field_win.h"
#include "ui/error_report_dialog_win.h"
#include "ui/flat_button_win.h"
#include "ui/form_win.h"
#include "ui/input_box_win.h"
#include "ui/label_win.h"
#include "ui/link_label_win.h"
#include "ui/number_field_win.h"
#include "ui/panel_win.h"
#include "ui/picture_button_win.h"
#include "ui/resource_names.h"

namespace orvx::ui {
namespace {

HICON program_icon(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), kProgramIcon, IMAGE_ICON, size, size, LR_SHARED));
}

// Looks like the main window with its Minidesk shown.
class DemoMain final : public Form {
 public:
  DemoMain() {
    const int width = 446, height = 381;
    create_form(FormArgs{.name = "demo_main",
                         .class_name = "OrvxDemoMain",
                         .caption = "Orvane X",
                         .bounds = Rect{60, 80, width, height},
                         .icon = program_icon(32)});
    caption_ = std::make_unique<CaptionBar>(
        CaptionBarArgs{.parent = hwnd(),
                       .width = width,
                       .icon = program_icon(16),
                       .buttons = {{CaptionGlyph::kClose, "Beenden", [] { PostQuitMessage(0); }},
                                   {CaptionGlyph::kMinimize, "Minimieren", {}},
                                   {CaptionGlyph::kAbout, "Über...", {}},
                                   {CaptionGlyph::kSettings, "Einstellungen", {}}}});
    background_ = std::make_unique<Panel>(PanelArgs{
        .name = "bg_frame", .parent = hwnd(), .bounds = Rect{0, 20, width - 1, height - 40}, .colour = rgb(0x739CC7)});
    map_ = std::make_unique<Panel>(PanelArgs{.name = "desktop_frame",
                                             .parent = background_->hwnd(),
                                             .bounds = Rect{10, 5, 426, 331},
                                             .colour = rgb(0x8EB0D2)});
    struct Marker {
      int x, y;
      bool outside;
    } markers[] = {{5, 15, false},  {5, 45, false},    {5, 75, false},    {40, 15, false},
                   {40, 45, false}, {200, 150, false}, {410, 300, false}, {420, 60, true}};
    for (const Marker& m : markers) {
      markers_.push_back(std::make_unique<Panel>(PanelArgs{.name = {},
                                                           .hint = "Arbeitsplatz",
                                                           .parent = map_->hwnd(),
                                                           .bounds = Rect{m.x, m.y, 10, 10},
                                                           .colour = m.outside ? rgb(0xFF0000) : rgb(0x000000)}));
    }
    version_ = std::make_unique<Label>(LabelArgs{.name = "versions_label",
                                                 .caption = "Version: 1.0.0.0 - 10.12.2025 12:00:00",
                                                 .parent = map_->hwnd(),
                                                 .bounds = Rect{2, 318, 300, 12},
                                                 .font = FontSpec{"Verdana", 9},
                                                 .colour = rgb(0xDCE7F1),
                                                 .background = rgb(0x8EB0D2),
                                                 .right_to_left = true});
    strip_ = std::make_unique<Panel>(PanelArgs{.name = "bottom_leiste",
                                               .parent = hwnd(),
                                               .bounds = Rect{0, height - 20, width, 20},
                                               .colour = style::kChrome});
    save_ = std::make_unique<FlatButton>(FlatButtonArgs{.name = "save_button",
                                                        .caption = "Speichern",
                                                        .hint = "Aktuelle Position speichern...",
                                                        .parent = strip_->hwnd(),
                                                        .bounds = Rect{10, 1, 80, 18}});
    arrange_ = std::make_unique<FlatButton>(FlatButtonArgs{.name = "arrange_button",
                                                           .caption = "Anordnen",
                                                           .hint = "Position der Icons wiederherstellen...",
                                                           .parent = strip_->hwnd(),
                                                           .bounds = Rect{100, 1, 80, 18}});
    close_ = std::make_unique<FlatButton>(FlatButtonArgs{.name = "close_button",
                                                         .caption = "Beenden",
                                                         .parent = strip_->hwnd(),
                                                         .bounds = Rect{336, 1, 80, 18},
                                                         .on_click = [] { PostQuitMessage(0); }});
    toggle_ = std::make_unique<PictureButton>(PictureButtonArgs{.name = "form_status_button",
                                                                .hint = "Orvane-Minidesk einblenden/ausblenden",
                                                                .parent = strip_->hwnd(),
                                                                .bounds = Rect{412, -1, 24, 22},
                                                                .picture = kHideMinideskPicture,
                                                                .on_click = [this] { toggle(); }});
    ShowWindow(hwnd(), SW_SHOW);
  }

  void show_hint_on_save_button() {
    POINT p{20, 8};
    ClientToScreen(save_->hwnd(), &p);
    SetCursorPos(p.x, p.y);
    PostMessageA(save_->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
  }

 private:
  void toggle() {
    bool shown = toggle_->picture() == kHideMinideskPicture;
    toggle_->set_picture(shown ? kShowMinideskPicture : kHideMinideskPicture);
  }

  std::unique_ptr<CaptionBar> caption_;
  std::unique_ptr<Panel> background_;
  std::unique_ptr<Panel> map_;
  std::vector<std::unique_ptr<Panel>> markers_;
  std::unique_ptr<Label> version_;
  std::unique_ptr<Panel> strip_;
  std::unique_ptr<FlatButton> save_;
  std::unique_ptr<FlatButton> arrange_;
  std::unique_ptr<FlatButton> close_;
  std::unique_ptr<PictureButton> toggle_;
};

// Looks like the settings dialog, its first section open.
class DemoSettings final : public Form {
 public:
  DemoSettings() {
    const int width = 504, height = 464;
    create_form(FormArgs{.name = "demo_settings",
                         .class_name = "OrvxDemoSettings",
                         .caption = "Einstellungen",
                         .bounds = Rect{560, 80, width, height},
                         .style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN});
    RECT client{};
    GetClientRect(hwnd(), &client);
    caption_ = std::make_unique<CaptionBar>(
        CaptionBarArgs{.parent = hwnd(), .width = client.right, .buttons = {{CaptionGlyph::kClose, "Speichern", {}}}});
    tabs_ = std::make_unique<SectionGroup>(SectionGroupArgs{
        .name = "tab_container", .parent = hwnd(), .bounds = Rect{0, 20, client.right, client.bottom - 40}});
    int body = client.bottom - 40 - 5 * 20;
    const char* captions[] = {"Einstellungen", "Profile", "Import / Export", "Sprache", "Update / Deinstallieren"};
    for (int i = 0; i < 5; ++i) {
      tabs_->add_section(
          SectionArgs{.name = "tab_" + std::to_string(i + 1), .caption = captions[i], .body_height = body});
    }
    HWND page = tabs_->section(0).body();
    auto check = [&](const char* name, const char* caption, int top, bool checked) {
      checks_.push_back(std::make_unique<CheckBox>(CheckBoxArgs{
          .name = name, .caption = caption, .parent = page, .bounds = Rect{12, top, 330, 18}, .checked = checked}));
    };
    check("orv_on_start", "Orvane mit Windows starten (minimiert).", 12, true);
    check("auto_check_icons", "Icon Position im Intervall speichern (Min.).", 36, true);
    minutes_ = std::make_unique<NumberField>(
        NumberFieldArgs{.name = "auto_check_icons_value", .parent = page, .bounds = Rect{350, 34, 50, 21}, .value = 5});
    check("sort_after_res", "Icons nach Auflösungsänderung anordnen.", 60, false);
    check("live_desktop", "Orvane-Minidesk aktivieren", 84, true);
    labels_.push_back(std::make_unique<Label>(LabelArgs{
        .name = "set_lab_5", .caption = "Standard-Profil wählen:", .parent = page, .bounds = Rect{12, 114, 200, 16}}));
    profile_ = std::make_unique<EditField>(EditFieldArgs{
        .name = "profile_edit", .text = "ORV - 1280x1024", .parent = page, .bounds = Rect{210, 110, 180, 22}});
    labels_.push_back(
        std::make_unique<Label>(LabelArgs{.name = "lbl_lab_11",
                                          .caption = "Profil Informationen: Speicherbedarf und Profilpfad",
                                          .parent = page,
                                          .bounds = Rect{12, 146, 476, 16},
                                          .font = FontSpec{"Verdana", 11, true}}));
    labels_.push_back(std::make_unique<Label>(
        LabelArgs{.name = "set_lab_10",
                  .caption = "C:\\Dokumente und Einstellungen\\Benutzer\\Anwendungsdaten\\Quillfen\\OrvaneX\\",
                  .parent = page,
                  .bounds = Rect{12, 166, 476, 16},
                  .path_ellipsis = true}));
    link_ = std::make_unique<LinkLabel>(LinkLabelArgs{.name = "link_4",
                                                      .caption = "Hilfe: <link>Blog / Support</link>",
                                                      .parent = page,
                                                      .bounds = Rect{12, 192, 300, 16}});
    tabs_->expand(0);
    strip_ = std::make_unique<Panel>(PanelArgs{.name = "button_frame",
                                               .parent = hwnd(),
                                               .bounds = Rect{0, client.bottom - 20, client.right, 20},
                                               .colour = style::kChrome});
    abort_ = std::make_unique<FlatButton>(FlatButtonArgs{
        .name = "abort_button", .caption = "Abbruch", .parent = strip_->hwnd(), .bounds = Rect{10, 1, 80, 18}});
    save_ = std::make_unique<FlatButton>(FlatButtonArgs{.name = "close_button_1",
                                                        .caption = "Speichern",
                                                        .parent = strip_->hwnd(),
                                                        .bounds = Rect{client.right - 90, 1, 80, 18}});
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  }

 private:
  std::unique_ptr<CaptionBar> caption_;
  std::unique_ptr<SectionGroup> tabs_;
  std::vector<std::unique_ptr<CheckBox>> checks_;
  std::unique_ptr<NumberField> minutes_;
  std::vector<std::unique_ptr<Label>> labels_;
  std::unique_ptr<EditField> profile_;
  std::unique_ptr<LinkLabel> link_;
  std::unique_ptr<Panel> strip_;
  std::unique_ptr<FlatButton> abort_;
  std::unique_ptr<FlatButton> save_;
};

// Ends the demo: the quit message also ends an open modal loop.
void CALLBACK time_is_up(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

int run(const std::string& scene, int seconds) {
  ErrorReportDialog report;
  errors::set_error_reporter(&report);
  DemoMain main_form;
  DemoSettings settings;
  if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &time_is_up);
  if (scene == "main") main_form.show_hint_on_save_button();
  if (scene == "input") {
    ask_text_input(InputBoxArgs{.title = "Profilname",
                                .prompt = "Geben Sie einen Profilnamen ein...",
                                .initial = "Büro & Haus",
                                .owner = main_form.hwnd()});
  }
  if (scene == "error")
    errors::report_exception(
        std::make_exception_ptr(std::runtime_error("Die Datei config.qcf konnte nicht geschrieben werden.")));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  errors::set_error_reporter(nullptr);
  return 0;
}

}  // namespace
}  // namespace orvx::ui

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string scene = "main";
  int seconds = 0;
  for (int i = 1; i < __argc; ++i) {
    std::string arg = __argv[i];
    if (arg == "--seconds" && i + 1 < __argc) {
      seconds = std::atoi(__argv[++i]);
    } else {
      scene = arg;
    }
  }
  try {
    return orvx::ui::run(scene, seconds);
  } catch (...) {
    orvx::errors::report_current_exception();
    return 1;
  }
}
