#pragma once
// A one-line label whose caption marks its link with "<link>" and "</link>":
// the marked text is drawn underlined in the link colour, with the hand
// cursor over it, and a click on it runs on_click. A caption without markers
// is a link as a whole. The "Caption" property keeps the markers, so that a
// language file sets the whole caption, markers included.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/scoped_win.h"
#include "ui/caption_text.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

// The window class of every link label.
inline constexpr char kLinkLabelClass[] = "OrvxLinkLabel";

struct LinkLabelArgs {
  std::string name;
  std::string caption;  // e.g. "<link>Homepage</link>"
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  FontSpec font = style::dialog_font();
  Rgb colour = style::kBlack;
  Rgb link_colour = style::kLink;
  Rgb background = style::kWhite;
  std::function<void()> on_click;
};

class LinkLabel final : public Widget {
 public:
  explicit LinkLabel(const LinkLabelArgs& args);

  void set_on_click(std::function<void()> handler) { on_click_ = std::move(handler); }
  // The text drawn as a link (markers removed), for tests and callers.
  std::string link_text() const;
  void click();

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  HCURSOR cursor_at(Point p) const override;
  void on_caption_changed() override;
  void layout_runs();
  bool over_link(Point p) const;
  void paint();

  LinkLabelArgs look_;
  win::ScopedGdi<HFONT> font_;
  win::ScopedGdi<HFONT> link_font_;
  std::function<void()> on_click_;
  struct PlacedRun {
    TextRun run;
    RECT box;
  };
  std::vector<PlacedRun> runs_;
  bool pressed_ = false;
};

}  // namespace orvx::ui
