#include "ui/popup_menu_win.h"

#include "platform/error_report.h"

#include "ui/caption_text.h"

namespace orvx::ui {

MenuItem::MenuItem(MenuItemArgs args) : args_(std::move(args)) {}

std::optional<std::string> MenuItem::string_property(std::string_view property) const {
  if (same_name(property, "Caption")) return args_.caption;
  return std::nullopt;
}

bool MenuItem::set_string_property(std::string_view property, const std::string& value) {
  if (!same_name(property, "Caption")) return false;
  args_.caption = value;
  return true;
}

std::string MenuItem::menu_text() const {
  return args_.literal_caption ? escape_ampersands(args_.caption) : args_.caption;
}

MenuItem& MenuItem::add(MenuItemArgs args) {
  items_.push_back(std::make_unique<MenuItem>(std::move(args)));
  return *items_.back();
}

void MenuItem::clear() { items_.clear(); }

void MenuItem::click() {
  std::function<void()> handler = args_.on_click;  // the handler may rebuild the menu
  if (handler) handler();
}

MenuItem& PopupMenu::add(MenuItemArgs args) {
  items_.push_back(std::make_unique<MenuItem>(std::move(args)));
  return *items_.back();
}

MenuItem& PopupMenu::add_separator() { return add(MenuItemArgs{.name = {}, .caption = "-"}); }

void PopupMenu::clear() { items_.clear(); }

namespace {

void append_items(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items, std::vector<MenuItem*>& commands) {
  for (const auto& item : items) {
    if (!item->visible()) continue;
    if (item->is_separator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item->enabled() ? MF_ENABLED : MF_GRAYED);
    std::string text = item->menu_text();
    if (!item->items().empty()) {
      win::ScopedMenu sub(CreatePopupMenu());
      if (!sub) throw errors::MessageError("MSDLG_ERR_6");
      append_items(sub.get(), item->items(), commands);
      // The parent menu owns the submenu from here on.
      if (AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), text.c_str())) sub.release();
      continue;
    }
    commands.push_back(item.get());
    AppendMenuA(menu, flags, commands.size(), text.c_str());
  }
}

}  // namespace

PopupMenu::Built PopupMenu::build() const {
  Built built;
  built.menu.reset(CreatePopupMenu());
  if (!built.menu) throw errors::MessageError("MSDLG_ERR_6");
  append_items(built.menu.get(), items_, built.commands);
  return built;
}

bool PopupMenu::show(HWND owner, Point screen, UINT alignment) {
  Built built = build();
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(built.menu.get(), alignment | TPM_RETURNCMD | TPM_NONOTIFY |
                                                                       TPM_RIGHTBUTTON,
                                                 screen.x, screen.y, 0, owner, nullptr));
  // Lets the menu close properly when the owner is in the notification area.
  PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen == 0 || chosen > built.commands.size()) return false;
  built.commands[chosen - 1]->click();
  return true;
}

}  // namespace orvx::ui
