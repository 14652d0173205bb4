#pragma once
// A flat panel: a rectangle of one colour, optionally with a one-pixel
// border, that holds other widgets. Notifications of standard controls
// placed on it (WM_COMMAND, WM_NOTIFY, scroll and colour messages) go on to
// the panel's parent, so that a form sees them wherever the control sits.
// A click on the panel itself (not on a child) runs on_click with the point
// in the panel's client coordinates.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

// The window class of every panel.
inline constexpr char kPanelClass[] = "OrvxPanel";

struct PanelArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  Rgb colour = style::kWhite;
  std::optional<Rgb> border;
  bool visible = true;
  std::function<void(Point)> on_click;
};

class Panel final : public Widget {
 public:
  explicit Panel(const PanelArgs& args);

  void set_colour(Rgb colour);
  Rgb colour() const { return colour_; }
  void set_on_click(std::function<void(Point)> handler) { on_click_ = std::move(handler); }

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;

  Rgb colour_;
  std::optional<Rgb> border_;
  std::function<void(Point)> on_click_;
  bool pressed_ = false;
};

// True for the messages a container passes on to its parent.
bool is_parent_notification(UINT msg);

}  // namespace orvx::ui
