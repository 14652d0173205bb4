#pragma once
// The base of the child widgets: a window that is also a named component of
// its form, so that the translation engine reaches its texts.
//
// Every widget has a component name and a "Hint" (shown in the form's styled
// hint window while the mouse rests on it). Widgets with a visible text also
// have a "Caption", which is their window text. A derived widget handles its
// messages in widget_message(); the base has already done the hint tracking,
// the cursor and the background erasing by then.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "lang/named_components.h"
#include "ui/geometry.h"
#include "ui/window_win.h"

namespace orvx::ui {

class Widget : public Window, public NamedComponent {
 public:
  std::string component_name() const override { return name_; }
  std::optional<std::string> string_property(std::string_view property) const override;
  bool set_string_property(std::string_view property, const std::string& value) override;

  const std::string& hint() const { return hint_; }
  void set_hint(std::string hint) { hint_ = std::move(hint); }
  // The caption of widgets that have one (their window text).
  std::string caption() const { return text(); }
  void set_caption(const std::string& caption);

 protected:
  enum class Texts { kHintOnly, kCaptionAndHint };
  Widget(std::string name, std::string hint, Texts texts, HCURSOR cursor = nullptr);

  // Messages not taken by the base. The default is DefWindowProc.
  virtual LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) { return default_handling(msg, wp, lp); }
  // The hint for a point of the widget (client coordinates); widgets with
  // parts that have hints of their own (the caption bar) override it.
  virtual std::string hint_at(Point) const { return hint_; }
  // The cursor for a point of the widget; nullptr leaves the arrow.
  virtual HCURSOR cursor_at(Point) const { return cursor_; }
  // Called after the caption has changed; the default repaints.
  virtual void on_caption_changed() { invalidate(); }

  // Lets the hint of this widget show while the mouse is over `child`, a
  // standard control inside the widget (an edit field, an up-down control),
  // and passes the keys released in it to on_child_key_up().
  void relay_hints_from(HWND child);
  virtual void on_child_key_up(UINT /*key*/) {}

  void show_hint_for(Point client);
  void hide_hint();

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) final;
  void track_mouse_leave(HWND over);
  static LRESULT CALLBACK relay_procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  std::string name_;
  std::string hint_;
  Texts texts_;
  HCURSOR cursor_;
};

// Shared cursors (owned by the system, never destroyed).
HCURSOR hand_cursor();
HCURSOR size_all_cursor();

}  // namespace orvx::ui
