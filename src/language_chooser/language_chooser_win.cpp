#include "language_chooser/language_chooser_win.h"

#include "ui/choice_list_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "language_chooser/language_chooser_components.h"

namespace orvx::language_chooser {
namespace {

using lang_online::ChooserAnswer;

constexpr int kMargin = 8;
constexpr int kButtonTop = 46;
constexpr int kButtonHeight = 24;

// The chooser's place: centred on the owner's window, which may still be
// hidden at the first show but has its place already.
ui::Rect centred_on(HWND owner) {
  RECT r{};
  if (!owner || !GetWindowRect(owner, &r)) {
    return ui::Rect{(GetSystemMetrics(SM_CXSCREEN) - kChooserWidth) / 2,
                    (GetSystemMetrics(SM_CYSCREEN) - kChooserHeight) / 2, kChooserWidth, kChooserHeight};
  }
  return ui::Rect{r.left + (r.right - r.left - kChooserWidth) / 2, r.top + (r.bottom - r.top - kChooserHeight) / 2,
                  kChooserWidth, kChooserHeight};
}

}  // namespace

LanguageChooserDialog::LanguageChooserDialog(HWND owner) : owner_(owner) {
  create_form(ui::FormArgs{.name = kChooserWindowName,
                           .class_name = kChooserWindowClass,
                           .caption = chooser_texts::kTitle,
                           .bounds = centred_on(owner),
                           .background = kChooserColour,
                           .owner = owner,
                           .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW});
  prompt_label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = components::kPromptLabel.name,
                                                            .caption = chooser_texts::kSelectLanguage,
                                                            .parent = hwnd(),
                                                            .bounds = ui::Rect{kMargin, 14, 100, 15},
                                                            .background = kChooserColour});
  language_list_ = std::make_unique<ui::ChoiceList>(
      ui::ChoiceListArgs{.name = components::kLanguageList.name,
                         .parent = hwnd(),
                         .bounds = ui::Rect{112, 10, kChooserWidth - 112 - kMargin, 21},
                         .drop_height = 60});
  language_list_->set_entries({chooser_texts::kEnglish, chooser_texts::kGerman});
  language_list_->select(0);
  other_language_button_ =
      std::make_unique<ui::FlatButton>(ui::FlatButtonArgs{.name = components::kOtherLanguageButton.name,
                                                          .caption = chooser_texts::kOtherLanguage,
                                                          .parent = hwnd(),
                                                          .bounds = ui::Rect{kMargin, kButtonTop, 130, kButtonHeight},
                                                          .tab_stop = true,
                                                          .on_click = [this] { answer(ChooserAnswer::kOther); }});
  save_button_ = std::make_unique<ui::FlatButton>(
      ui::FlatButtonArgs{.name = components::kSaveButton.name,
                         .caption = chooser_texts::kSave,
                         .parent = hwnd(),
                         .bounds = ui::Rect{kChooserWidth - kMargin - 80, kButtonTop, 80, kButtonHeight},
                         .tab_stop = true,
                         .on_click = [this] { save(); }});
  add_component(*prompt_label_);
  add_component(*language_list_);
  add_component(*other_language_button_);
  add_component(*save_button_);
}

LanguageChooserDialog::~LanguageChooserDialog() = default;

std::optional<ChooserAnswer> LanguageChooserDialog::ask() {
  answer_.reset();
  show_modal(owner_);
  return answer_;
}

HWND LanguageChooserDialog::initial_focus() { return language_list_->control(); }

void LanguageChooserDialog::answer(std::optional<ChooserAnswer> answer) {
  if (!running_modal()) return;
  answer_ = answer;
  end_modal(IDOK);
}

void LanguageChooserDialog::save() {
  const std::optional<size_t> selected = language_list_->selected();
  if (!selected) {
    // Nothing chosen: the chooser closes and the question stays open.
    answer(std::nullopt);
  } else {
    answer(*selected == 0 ? ChooserAnswer::kEnglish : ChooserAnswer::kGerman);
  }
}

}  // namespace orvx::language_chooser
