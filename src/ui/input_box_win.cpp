#include "ui/input_box_win.h"

#include <memory>

#include "ui/caption_bar_win.h"
#include "ui/work_area_win.h"
#include "ui/edit_field_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/modal_dialog_win.h"

namespace orvx::ui {

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 122;
constexpr int kMargin = 12;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 20;

class InputBox final : public ModalDialog {
 public:
  explicit InputBox(const InputBoxArgs& args) {
    create_form(FormArgs{.name = "input_box",
                         .class_name = kInputBoxClass,
                         .caption = args.title,
                         .bounds = centred_on_owner_screen(args.owner, Size{kWidth, kHeight}),
                         .background = style::kWhite,
                         .owner = args.owner,
                         .style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                         .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW});
    RECT client{};
    GetClientRect(hwnd(), &client);
    int width = client.right;
    caption_ = std::make_unique<CaptionBar>(CaptionBarArgs{.name = "caption_form", .parent = hwnd(), .width = width});
    prompt_ = std::make_unique<Label>(LabelArgs{.name = "prompt_label",
                                                .caption = args.prompt,
                                                .parent = hwnd(),
                                                .bounds = Rect{kMargin, 30, width - 2 * kMargin, 16},
                                                .show_ampersands = true});
    edit_ = std::make_unique<EditField>(EditFieldArgs{.name = "input_edit",
                                                      .text = args.initial,
                                                      .parent = hwnd(),
                                                      .bounds = Rect{kMargin, 50, width - 2 * kMargin, 22}});
    int top = client.bottom - kMargin - kButtonHeight;
    ok_ = std::make_unique<FlatButton>(FlatButtonArgs{
        .name = "ok_button",
        .caption = "OK",
        .parent = hwnd(),
        .bounds = Rect{width - 2 * (kButtonWidth + kMargin) + kMargin / 2, top, kButtonWidth, kButtonHeight},
        .tab_stop = true,
        .on_click = [this] { on_enter(); }});
    cancel_ = std::make_unique<FlatButton>(
        FlatButtonArgs{.name = "cancel_button",
                       .caption = "Abbrechen",
                       .parent = hwnd(),
                       .bounds = Rect{width - kButtonWidth - kMargin, top, kButtonWidth, kButtonHeight},
                       .tab_stop = true,
                       .on_click = [this] { on_escape(); }});
    edit_->select_all();
  }

  std::optional<std::string> run(HWND owner) {
    if (show_modal(owner) != IDOK) return std::nullopt;
    return entered_;
  }

 private:
  void on_enter() override {
    entered_ = edit_->value();
    end_modal(IDOK);
  }
  HWND initial_focus() override { return edit_->edit(); }

  std::unique_ptr<CaptionBar> caption_;
  std::unique_ptr<Label> prompt_;
  std::unique_ptr<EditField> edit_;
  std::unique_ptr<FlatButton> ok_;
  std::unique_ptr<FlatButton> cancel_;
  std::string entered_;
};

}  // namespace

std::optional<std::string> ask_text_input(const InputBoxArgs& args) {
  InputBox box(args);
  return box.run(args.owner);
}

}  // namespace orvx::ui
