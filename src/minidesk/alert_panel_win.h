#pragma once
// The Minidesk's explanation panel (`alert_frame`): a flat panel on the map
// with the explanation (`alert_label`) and a small close picture
// (`alert_img`). It slides up into the map's lower right corner after a
// click on the alert image; sync() puts it where the Minidesk has it.
#include <windows.h>

#include <functional>
#include <memory>

#include "minidesk/minidesk.h"
#include "ui/label_win.h"
#include "ui/panel_win.h"
#include "ui/picture_button_win.h"
#include "ui/style.h"

namespace orvx::minidesk {

// The panel's background, also behind its close picture.
inline constexpr ui::Rgb kAlertPanelColour = ui::rgb(0xE1E6F1);

inline constexpr char kAlertText[] =
    "Icons liegen ausserhalb des Desktops. Durch das makieren eines Eintrages in der Liste und des "
    "anschliesenden klicks auf den Orvane-Desktop positionieren Sie dieses neu.";

class AlertPanelView {
 public:
  // A hidden panel on `map`; `on_close` runs on a click on its close
  // picture.
  AlertPanelView(HWND map, std::function<void()> on_close);

  void sync(const AlertPanel& panel);

  ui::Panel& alert_frame() { return *frame_; }
  ui::Label& alert_label() { return *label_; }
  ui::PictureButton& alert_img() { return *close_; }

 private:
  std::unique_ptr<ui::Panel> frame_;
  std::unique_ptr<ui::Label> label_;
  std::unique_ptr<ui::PictureButton> close_;
};

}  // namespace orvx::minidesk
