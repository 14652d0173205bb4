#pragma once
// `AboutBox`, the about box: a borderless 447 x 281 dialog with a caption bar
// without buttons and an information page - who makes Orvane X, where to
// write, a request for donations, and four links to the maker's pages. A
// link opens its page in the default browser and closes the box.
//
// It is made once at start-up and shown modally from the main window's
// caption bar; Schliessen, Esc and every other way of closing it end the
// modal loop, after which the main window shows itself again. Its position
// is kept in section `about` of config.qcf; its texts are translated through
// section `about` of the language file.
#include <windows.h>

#include <memory>
#include <string>

#include "lang/named_components.h"
#include "platform/prompts.h"
#include "ui/modal_dialog_win.h"

namespace orvx::ui {
class CaptionBar;
class FlatButton;
class Label;
class LinkLabel;
class Panel;
}  // namespace orvx::ui

namespace orvx::mainwin {

inline constexpr char kAboutWindowClass[] = "Tabout";
inline constexpr char kAboutWindowName[] = "about";
inline constexpr int kAboutWidth = 447;
inline constexpr int kAboutHeight = 281;

class AboutBox final : public ui::ModalDialog {
 public:
  // `owner`: the main window. The box restores its position from
  // config.qcf in `data_folder`.
  AboutBox(HWND owner, WindowRegistry& windows, const std::string& data_folder, Prompts& prompts);
  // The position is written when the window is destroyed: with the main
  // window at Exit (which takes its owned windows along), or here.
  ~AboutBox() override;

  // Shows the box modally; returns once it is closed.
  void show();

 private:
  void create_page();
  void open_and_close(const char* address);

  HWND owner_;
  std::unique_ptr<ui::CaptionBar> caption_bar_;
  std::unique_ptr<ui::Panel> info_page_;
  std::unique_ptr<ui::Label> title_label_;
  std::unique_ptr<ui::Label> maker_label_;
  std::unique_ptr<ui::Label> donation_label_;
  std::unique_ptr<ui::LinkLabel> home_page_link_;
  std::unique_ptr<ui::LinkLabel> contact_link_;
  std::unique_ptr<ui::LinkLabel> donation_link_;
  std::unique_ptr<ui::LinkLabel> blog_link_;
  std::unique_ptr<ui::FlatButton> close_button_;
};

}  // namespace orvx::mainwin
