#include "mainwin/about_box_win.h"

#include "mainwin/maker_pages.h"
#include "mainwin/shell_commands_win.h"
#include "ui/caption_bar_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/link_label_win.h"
#include "ui/panel_win.h"
#include "ui/resource_names.h"
#include "ui/style.h"
#include "mainwin/about_box_components.h"

namespace orvx::mainwin {
namespace {

constexpr int kCaptionHeight = ui::style::kCaptionBarHeight;
constexpr int kMargin = 16;
constexpr int kLinkHeight = 16;
constexpr ui::Rgb kPageText = ui::rgb(0x2A4C73);

HICON small_program_icon() {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), ui::kProgramIcon, IMAGE_ICON, 16, 16, LR_SHARED));
}

}  // namespace

AboutBox::AboutBox(HWND owner, WindowRegistry& windows, const std::string& data_folder, Prompts& prompts)
    : owner_(owner) {
  create_form(ui::FormArgs{.name = kAboutWindowName,
                           .class_name = kAboutWindowClass,
                           .caption = "Über Orvane X",
                           .bounds = ui::Rect{0, 0, kAboutWidth, kAboutHeight},
                           .owner = owner,
                           .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW,
                           .registry = &windows});
  caption_bar_ = std::make_unique<ui::CaptionBar>(
      ui::CaptionBarArgs{.parent = hwnd(), .width = kAboutWidth, .icon = small_program_icon()});
  create_page();
  for (NamedComponent* component : std::initializer_list<NamedComponent*>{
           caption_bar_.get(), info_page_.get(), title_label_.get(), maker_label_.get(), donation_label_.get(),
           home_page_link_.get(), contact_link_.get(), donation_link_.get(), blog_link_.get(), close_button_.get()}) {
    add_component(*component);
  }
  keep_position(kAboutWindowName, data_folder, prompts);
}

AboutBox::~AboutBox() = default;

void AboutBox::create_page() {
  const int width = kAboutWidth;
  const int page_height = kAboutHeight - kCaptionHeight;
  info_page_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = about_components::kInfoPage.name,
                                                         .parent = hwnd(),
                                                         .bounds = ui::Rect{0, kCaptionHeight, width, page_height}});
  const HWND page = info_page_->hwnd();
  const int text_width = width - 2 * kMargin;
  title_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = about_components::kTitleLabel.name,
                                                           .caption = "Orvane X",
                                                           .parent = page,
                                                           .bounds = ui::Rect{kMargin, 12, text_width, 20},
                                                           .font = ui::FontSpec{"Verdana", 15, true},
                                                           .colour = kPageText});
  maker_label_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = about_components::kMakerLabel.name,
      .caption = "Quillfen Software\r\nBeispielweg 7\r\n12345 Musterstadt\r\nkontakt@quillfen.example.com",
      .parent = page,
      .bounds = ui::Rect{kMargin, 40, 210, 60},
      .show_ampersands = true});
  donation_label_ = std::make_unique<ui::Label>(ui::LabelArgs{
      .name = about_components::kDonationLabel.name,
      .caption = "Orvane X ist kostenlos. Wenn Ihnen das Programm hilft, freut sich Quillfen über eine kleine "
                 "Spende - sie hält die Weiterentwicklung am Leben.",
      .parent = page,
      .bounds = ui::Rect{kMargin, 108, text_width, 44},
      .word_wrap = true,
      .show_ampersands = true});
  auto link = [&](const char* name, const char* caption, int left, int top, int link_width, const char* address) {
    return std::make_unique<ui::LinkLabel>(ui::LinkLabelArgs{.name = name,
                                                             .caption = caption,
                                                             .parent = page,
                                                             .bounds = ui::Rect{left, top, link_width, kLinkHeight},
                                                             .on_click = [this, address] { open_and_close(address); }});
  };
  home_page_link_ = link(about_components::kHomePageLink.name, "<link>Homepage</link>", 240, 40, 190, kHomePage);
  contact_link_ = link(about_components::kContactLink.name, "<link>E-Mail</link>", 240, 60, 190, kContactPage);
  blog_link_ = link(about_components::kBlogLink.name, "<link>Blog / Support</link>", 240, 80, 190, kBlogPage);
  donation_link_ = link(about_components::kDonationLink.name, "<link>Für eine Spende klicken Sie bitte hier...</link>",
                        kMargin, 160, text_width, kDonationPage);
  close_button_ = std::make_unique<ui::FlatButton>(
      ui::FlatButtonArgs{.name = about_components::kCloseButton.name,
                         .caption = "Schliessen",
                         .parent = page,
                         .bounds = ui::Rect{width - kMargin - 90, page_height - 12 - 20, 90, 20},
                         .tab_stop = true,
                         .on_click = [this] { end_modal(IDOK); }});
}

void AboutBox::open_and_close(const char* address) {
  open_web_page(address);  // a page that cannot be opened is not reported
  end_modal(IDOK);
}

void AboutBox::show() {
  // The page fills the box below its caption bar at every show.
  RECT client{};
  GetClientRect(hwnd(), &client);
  info_page_->set_bounds(ui::Rect{0, kCaptionHeight, client.right, client.bottom - kCaptionHeight});
  show_modal(owner_);
}

}  // namespace orvx::mainwin
