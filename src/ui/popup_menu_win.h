#pragma once
// Popup menus built in code. A menu is a tree of items; each item is a named
// component with a "Caption" (so a language file can set `pm_save_standard`
// and the like), a click handler, and optionally items of its own (a
// submenu). An item whose caption is "-" is a separator.
//
// The menu handle is built afresh from the items at each show, so captions,
// visibility and the items themselves may change freely in between (the
// profile menus are refilled at each opening). An item made with
// literal_caption shows its caption as it is: an "&" in it is shown, not
// taken as an accelerator mark.
//
// Show the menu with show(); the chosen item's handler runs after the menu
// has closed, from inside show(). A caller that follows the selection while
// the menu is open passes a highlight handler and hands the owner's
// WM_MENUSELECT to menu_select().
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lang/named_components.h"
#include "platform/scoped_win.h"
#include "ui/geometry.h"

namespace orvx::ui {

struct MenuItemArgs {
  std::string name;     // component name, e.g. "pm_refresh_desktop"; may be empty
  std::string caption;  // "-" for a separator
  std::function<void()> on_click;
  bool literal_caption = false;
  bool visible = true;
  bool enabled = true;
};

class MenuItem : public NamedComponent {
 public:
  explicit MenuItem(MenuItemArgs args);

  std::string component_name() const override { return args_.name; }
  std::optional<std::string> string_property(std::string_view property) const override;
  bool set_string_property(std::string_view property, const std::string& value) override;

  const std::string& caption() const { return args_.caption; }
  void set_caption(std::string caption) { args_.caption = std::move(caption); }
  bool visible() const { return args_.visible; }
  void set_visible(bool visible) { args_.visible = visible; }
  bool enabled() const { return args_.enabled; }
  void set_enabled(bool enabled) { args_.enabled = enabled; }
  // A profile named "-" stays an item: literal captions are never separators.
  bool is_separator() const { return !args_.literal_caption && args_.caption == "-"; }
  // The text handed to the menu: the caption, with "&" doubled for a
  // literal caption.
  std::string menu_text() const;

  // Submenu items.
  MenuItem& add(MenuItemArgs args);
  void clear();
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

  void click();

 private:
  MenuItemArgs args_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

// Told the item under the menu's selection: an item, or nullptr for none (a
// separator, a submenu, the mouse off the menu). Once the menu has closed
// it is told nullptr before the chosen item's handler runs.
using MenuHighlight = std::function<void(MenuItem*)>;

class PopupMenu {
 public:
  MenuItem& add(MenuItemArgs args);
  MenuItem& add_separator();
  // `args` as the item at `index` (at most items().size()); the items from
  // there on move one place down.
  MenuItem& insert(size_t index, MenuItemArgs args);
  // Removes `count` items from `first` on (as many as there are).
  void remove(size_t first, size_t count);
  void clear();
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

  // The menu handle as the items stand, and the item of each command id
  // (id i + 1 is commands[i]). Hidden items are left out.
  struct Built {
    win::ScopedMenu menu;
    std::vector<MenuItem*> commands;
  };
  Built build() const;

  // Shows the menu at a screen point for `owner` (which is brought to the
  // front first, as popup menus of notification-area programs need) and runs
  // the chosen item's handler. False when the menu was closed without a
  // choice. (The handler may clear the menu's items.)
  bool show(HWND owner, Point screen, UINT alignment = TPM_LEFTALIGN | TPM_TOPALIGN, MenuHighlight on_highlight = {});

  // The owner's WM_MENUSELECT: while a menu shown with a highlight handler
  // is open, tells the handler the selected item. Nothing otherwise.
  void menu_select(WPARAM wp, LPARAM lp);

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
  // While show() tracks a menu with a highlight handler.
  struct Tracking {
    HMENU menu = nullptr;
    const std::vector<MenuItem*>* commands = nullptr;
    MenuHighlight on_highlight;
  };
  std::optional<Tracking> tracking_;
};

}  // namespace orvx::ui
