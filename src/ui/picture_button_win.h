#pragma once
// A picture: a bitmap from the program's resources (or handed over), drawn
// centred on a background colour or stretched over the whole widget. With a
// click handler it is a picture button with the hand cursor, such as the
// main window's show/hide toggle; without one it is a plain picture, such as
// a strip background.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/scoped_win.h"
#include "ui/click_press_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

// The window class of every picture button.
inline constexpr char kPictureButtonClass[] = "OrvxPicture";

struct PictureButtonArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  std::string picture;  // bitmap resource name, e.g. "B_CLOSE"; empty: none yet
  Rgb background = style::kChrome;
  bool stretch = false;
  std::function<void()> on_click;
};

class PictureButton final : public Widget {
 public:
  explicit PictureButton(const PictureButtonArgs& args);

  // Shows the bitmap resource of that name of the program file. An unknown
  // name leaves the background alone (and picture() empty).
  void set_picture(const std::string& resource_name);
  // Shows a bitmap the widget then owns.
  void set_picture(win::ScopedGdi<HBITMAP> bitmap);
  // The resource name of the bitmap shown, empty when none or not from the
  // resources.
  const std::string& picture() const { return picture_; }

  void set_on_click(std::function<void()> handler);
  void click();

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  HCURSOR cursor_at(Point) const override;
  void paint();

  Rgb background_;
  bool stretch_;
  std::function<void()> on_click_;
  win::ScopedGdi<HBITMAP> bitmap_;
  std::string picture_;
  ClickPress press_;
};

}  // namespace orvx::ui
