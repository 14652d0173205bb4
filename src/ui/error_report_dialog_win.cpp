#include "ui/error_report_dialog_win.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "lang/messages.h"
#include "ui/caption_bar_win.h"
#include "ui/work_area_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/modal_dialog_win.h"
#include "ui/paint_win.h"
#include "ui/program_title.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"

namespace orvx::ui {

namespace {

constexpr int kWidth = 380;
constexpr int kMargin = 12;
constexpr int kMaxTextHeight = 400;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 20;

int text_height_for(const std::string& text, int width) {
  win::ScopedWindowDC dc(nullptr);
  auto font = make_font(style::dialog_font());
  Size s = measure_text(dc.get(), font.get(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX, width);
  return std::clamp(s.height, 16, kMaxTextHeight);
}

class ReportWindow final : public ModalDialog {
 public:
  ReportWindow(const std::string& text, const std::string& button, HWND owner) {
    int text_width = kWidth - 2 * kMargin;
    int text_height = text_height_for(text, text_width);
    int height = style::kCaptionBarHeight + kMargin + text_height + kMargin + kButtonHeight + kMargin + 2;
    create_form(FormArgs{.name = "error_report",
                         .class_name = kErrorReportClass,
                         .caption = kProgramTitle,
                         .bounds = centred_on_owner_screen(owner, Size{kWidth, height}),
                         .background = style::kWhite,
                         .owner = owner,
                         .style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                         .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW});
    RECT client{};
    GetClientRect(hwnd(), &client);
    caption_ =
        std::make_unique<CaptionBar>(CaptionBarArgs{.name = "caption_form", .parent = hwnd(), .width = client.right});
    text_ = std::make_unique<Label>(
        LabelArgs{.name = "error_text",
                  .caption = text,
                  .parent = hwnd(),
                  .bounds = Rect{kMargin, style::kCaptionBarHeight + kMargin, text_width, text_height},
                  .word_wrap = true,
                  .show_ampersands = true});
    ok_ = std::make_unique<FlatButton>(
        FlatButtonArgs{.name = "ok_button",
                       .caption = button,
                       .parent = hwnd(),
                       .bounds = Rect{(client.right - kButtonWidth) / 2, client.bottom - kMargin - kButtonHeight,
                                      kButtonWidth, kButtonHeight},
                       .tab_stop = true,
                       .on_click = [this] { end_modal(IDOK); }});
  }

 private:
  void on_enter() override { end_modal(IDOK); }
  HWND initial_focus() override { return ok_->hwnd(); }

  std::unique_ptr<CaptionBar> caption_;
  std::unique_ptr<Label> text_;
  std::unique_ptr<FlatButton> ok_;
};

}  // namespace

std::string ErrorReportDialog::message(MessageId id) const {
  try {
    if (messages_) return messages_(id);
  } catch (...) {
    // A language file that cannot be read: the built-in text instead.
  }
  return std::string(lang::german_message(id));
}

std::string ErrorReportDialog::message_error_text(const errors::MessageError& error) const {
  const std::string text = message(error.message_id());
  if (text.empty()) return error.what();  // an id the program does not know
  return text::with_detail(text, error.detail());
}

void ErrorReportDialog::show_error_report(const std::string& text) noexcept {
  try {
    const std::string shown = text.empty() ? message(message_ids::kUnknownError) : text;
    try {
      HWND owner = GetActiveWindow();
      ReportWindow window(shown, message(message_ids::kErrorReportOk), owner);
      window.show_modal(owner);
    } catch (...) {
      MessageBoxA(nullptr, shown.c_str(), kProgramTitle, MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
    }
  } catch (...) {
    // Only an allocation can fail here; there is nothing left to show.
  }
}

}  // namespace orvx::ui
