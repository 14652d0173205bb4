#include "ui/popup_menu_win.h"

#include <algorithm>

#include "platform/error_report.h"

#include "ui/caption_text.h"
#include "platform/message_ids.h"

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

MenuItem& PopupMenu::insert(size_t index, MenuItemArgs args) {
  index = std::min(index, items_.size());
  auto at =
      items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::make_unique<MenuItem>(std::move(args)));
  return **at;
}

void PopupMenu::remove(size_t first, size_t count) {
  first = std::min(first, items_.size());
  count = std::min(count, items_.size() - first);
  const auto from = items_.begin() + static_cast<std::ptrdiff_t>(first);
  items_.erase(from, from + static_cast<std::ptrdiff_t>(count));
}

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
      if (!sub) throw errors::MessageError(message_ids::kMenuNotCreated);
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
  if (!built.menu) throw errors::MessageError(message_ids::kMenuNotCreated);
  append_items(built.menu.get(), items_, built.commands);
  return built;
}

bool PopupMenu::show(HWND owner, Point screen, UINT alignment, MenuHighlight on_highlight) {
  Built built = build();
  SetForegroundWindow(owner);
  // The owner hears of the selection (WM_MENUSELECT) only without
  // TPM_NONOTIFY; with TPM_RETURNCMD it is sent no command either way.
  UINT flags = alignment | TPM_RETURNCMD | TPM_RIGHTBUTTON;
  if (on_highlight) {
    tracking_ = Tracking{built.menu.get(), &built.commands, on_highlight};
  } else {
    flags |= TPM_NONOTIFY;
  }
  UINT chosen = static_cast<UINT>(TrackPopupMenu(built.menu.get(), flags, screen.x, screen.y, 0, owner, nullptr));
  tracking_.reset();
  if (on_highlight) on_highlight(nullptr);
  // Lets the menu close properly when the owner is in the notification area.
  PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen == 0 || chosen > built.commands.size()) return false;
  built.commands[chosen - 1]->click();
  return true;
}

void PopupMenu::menu_select(WPARAM wp, LPARAM lp) {
  if (!tracking_) return;
  const UINT flags = HIWORD(wp);
  const UINT id = LOWORD(wp);
  MenuItem* item = nullptr;
  // The selection within this menu (not a submenu of it, not the closing
  // notice) on a command item: its id is the command's number.
  if (reinterpret_cast<HMENU>(lp) == tracking_->menu && flags != 0xFFFF && !(flags & (MF_POPUP | MF_SEPARATOR)) &&
      id >= 1 && id <= tracking_->commands->size()) {
    item = (*tracking_->commands)[id - 1];
  }
  // The handler may show windows and so run messages: a copy survives them.
  MenuHighlight handler = tracking_->on_highlight;
  handler(item);
}

}  // namespace orvx::ui
