#pragma once
// `LanguageChooserDialog`, the first-start language chooser: a small borderless dialog
// (client area 240 x 79, background #D6DFF7) centred on the main window,
// with "Select Language:", a drop-down list of "English" and "Deutsch"
// ("English" selected), and the buttons "Other Language" (left) and "Save"
// (right). Its texts are the same in every language: no language file has a
// section for it, so it is in no window registry.
//
// It is made each time it is offered and asks once; what the answer does is
// follow_chooser_answer's (language_chooser_flow.h).
#include <windows.h>

#include <memory>
#include <optional>

#include "lang_online/language_chooser.h"
#include "ui/modal_dialog_win.h"
#include "ui/style.h"

namespace orvx::ui {
class ChoiceList;
class FlatButton;
class Label;
}  // namespace orvx::ui

namespace orvx::language_chooser {

inline constexpr char kChooserWindowClass[] = "Tcl_form";
inline constexpr char kChooserWindowName[] = "cl_form";
inline constexpr int kChooserWidth = 240;
inline constexpr int kChooserHeight = 79;
inline constexpr ui::Rgb kChooserColour = ui::rgb(0xD6DFF7);

namespace chooser_texts {
inline constexpr char kTitle[] = "Please select your language";
inline constexpr char kSelectLanguage[] = "Select Language:";
inline constexpr char kEnglish[] = "English";
inline constexpr char kGerman[] = "Deutsch";
inline constexpr char kOtherLanguage[] = "Other Language";
inline constexpr char kSave[] = "Save";
}  // namespace chooser_texts

class LanguageChooserDialog final : public ui::ModalDialog {
 public:
  // `owner`: the main window, which the chooser is centred on.
  explicit LanguageChooserDialog(HWND owner);
  ~LanguageChooserDialog() override;

  // Shows the chooser modally. "Save" gives the language selected, "Other
  // Language" kOther; nullopt when it was closed otherwise (Esc).
  std::optional<lang_online::ChooserAnswer> ask();

 private:
  HWND initial_focus() override;
  void answer(std::optional<lang_online::ChooserAnswer> answer);
  void save();

  HWND owner_;
  std::optional<lang_online::ChooserAnswer> answer_;
  std::unique_ptr<ui::Label> prompt_label_;
  std::unique_ptr<ui::ChoiceList> language_list_;
  std::unique_ptr<ui::FlatButton> other_language_button_;
  std::unique_ptr<ui::FlatButton> save_button_;
};

}  // namespace orvx::language_chooser
