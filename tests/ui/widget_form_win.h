#pragma once
// A test form with one widget of each kind, laid out like a small main
// window, and registered like the program's windows are.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/caption_bar_win.h"
#include "ui/check_box_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/edit_field_win.h"
#include "ui/flat_button_win.h"
#include "ui/form_win.h"
#include "ui/label_win.h"
#include "ui/link_label_win.h"
#include "ui/number_field_win.h"
#include "ui/panel_win.h"
#include "ui/picture_button_win.h"
#include "ui/popup_menu_win.h"

namespace orvx::test {

using namespace orvx::ui;

class WidgetForm final : public Form {
 public:
  explicit WidgetForm(WindowRegistry* registry = nullptr, Point at = {100, 100}) {
    create_form(FormArgs{.name = "widget_form",
                         .class_name = "OrvxTestWidgets",
                         .caption = "Widget-Test",
                         .bounds = Rect{at.x, at.y, 420, 400},
                         .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOPMOST,
                         .registry = registry});
    caption = std::make_unique<CaptionBar>(CaptionBarArgs{
        .name = "caption_form",
        .parent = hwnd(),
        .width = 420,
        .buttons = {{CaptionGlyph::kClose, "Beenden", [this] { clicks.push_back("close"); }},
                    {CaptionGlyph::kMinimize, "Minimieren", [this] { clicks.push_back("minimize"); }},
                    {CaptionGlyph::kAbout, "Über...", [this] { clicks.push_back("about"); }},
                    {CaptionGlyph::kSettings, "Einstellungen", [this] { clicks.push_back("settings"); }}}});
    panel = std::make_unique<Panel>(PanelArgs{.name = "desktop_frame",
                                              .parent = hwnd(),
                                              .bounds = Rect{10, 25, 400, 120},
                                              .colour = rgb(0x8EB0D2),
                                              .on_click = [this](Point p) { panel_clicks.push_back(p); }});
    label = std::make_unique<Label>(LabelArgs{.name = "versions_label",
                                              .caption = "Version: 1.0.0.0",
                                              .parent = panel->hwnd(),
                                              .bounds = Rect{2, 100, 200, 14},
                                              .font = FontSpec{"Verdana", 9},
                                              .colour = rgb(0xDCE7F1),
                                              .background = rgb(0x8EB0D2),
                                              .right_to_left = true});
    link = std::make_unique<LinkLabel>(LinkLabelArgs{.name = "link_1",
                                                     .caption = "Siehe <link>Homepage</link>!",
                                                     .parent = hwnd(),
                                                     .bounds = Rect{10, 150, 200, 16},
                                                     .on_click = [this] { clicks.push_back("link"); }});
    check = std::make_unique<CheckBox>(CheckBoxArgs{.name = "auto_check_icons",
                                                    .caption = "Intervall",
                                                    .hint = "Speichert regelmäßig",
                                                    .parent = hwnd(),
                                                    .bounds = Rect{10, 170, 150, 18},
                                                    .on_click = [this] { clicks.push_back("check"); }});
    number = std::make_unique<NumberField>(NumberFieldArgs{.name = "auto_check_icons_value",
                                                           .parent = hwnd(),
                                                           .bounds = Rect{170, 170, 60, 21},
                                                           .value = 5,
                                                           .on_change = [this] { ++number_changes; }});
    edit = std::make_unique<EditField>(
        EditFieldArgs{.name = "name_edit", .parent = hwnd(), .bounds = Rect{240, 170, 170, 22}});
    sections = std::make_unique<SectionGroup>(SectionGroupArgs{
        .name = "tab_container", .parent = hwnd(), .bounds = Rect{10, 200, 400, 150}, .on_expand = [this](size_t i) {
          expanded_by_click.push_back(i);
        }});
    for (const char* name : {"tab_1", "tab_2", "tab_3"}) {
      sections->add_section(SectionArgs{.name = name, .caption = std::string("Abschnitt ") + name, .body_height = 60});
    }
    save_button = std::make_unique<FlatButton>(FlatButtonArgs{.name = "save_button",
                                                              .caption = "Speichern",
                                                              .hint = "Aktuelle Position speichern...",
                                                              .parent = hwnd(),
                                                              .bounds = Rect{10, 376, 80, 18},
                                                              .on_click = [this] { clicks.push_back("save"); }});
    status_button =
        std::make_unique<PictureButton>(PictureButtonArgs{.name = "form_status_button",
                                                          .hint = "Minidesk einblenden/ausblenden",
                                                          .parent = hwnd(),
                                                          .bounds = Rect{386, 374, 24, 22},
                                                          .picture = "B_CLOSE",
                                                          .on_click = [this] { clicks.push_back("status"); }});
    refresh_item = &menu.add(MenuItemArgs{
        .name = "pm_refresh_desktop", .caption = "Aktualisieren", .on_click = [this] { clicks.push_back("refresh"); }});
    menu.add_separator();
    blog_item = &menu.add(
        MenuItemArgs{.name = "pa_blog", .caption = "Quillfen Blog", .on_click = [this] { clicks.push_back("blog"); }});

    for (NamedComponent* c : std::vector<NamedComponent*>{caption.get(), panel.get(), label.get(), link.get(),
                                                          check.get(), number.get(), edit.get(), sections.get()}) {
      add_component(*c);
    }
    for (size_t i = 0; i < sections->size(); ++i) add_component(sections->section(i));
    add_component(*save_button);
    add_component(*status_button);
    add_component(*refresh_item);
    add_component(*blog_item);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd());
  }

  std::vector<std::string> clicks;
  std::vector<Point> panel_clicks;
  std::vector<size_t> expanded_by_click;
  int number_changes = 0;

  std::unique_ptr<CaptionBar> caption;
  std::unique_ptr<Panel> panel;
  std::unique_ptr<Label> label;
  std::unique_ptr<LinkLabel> link;
  std::unique_ptr<CheckBox> check;
  std::unique_ptr<NumberField> number;
  std::unique_ptr<EditField> edit;
  std::unique_ptr<SectionGroup> sections;
  std::unique_ptr<FlatButton> save_button;
  std::unique_ptr<PictureButton> status_button;
  PopupMenu menu;
  MenuItem* refresh_item = nullptr;
  MenuItem* blog_item = nullptr;
  // Sees each message before the form handles it (a menu's WM_MENUSELECT).
  std::function<void(UINT, WPARAM, LPARAM)> on_message;

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override {
    if (on_message) on_message(msg, wp, lp);
    return Form::handle_message(msg, wp, lp);
  }
};

}  // namespace orvx::test
