// The modal windows: the input box, the message boxes of WinPrompts and the
// error report. Each test drives the open dialog from a second thread with
// messages to its controls, as a user's keys and clicks would arrive.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "lang/messages.h"
#include "platform/error_report.h"
#include "ui/error_report_dialog_win.h"
#include "ui/flat_button_win.h"
#include "ui/input_box_win.h"
#include "ui/label_win.h"
#include "ui/modal_dialog_win.h"
#include "ui/program_title.h"
#include "ui/prompts_win.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"
#include "widget_form_win.h"
#include "platform/message_ids.h"

namespace orvx::ui {
namespace {

using test::Driver;
using test::find_child;
using test::post_click;
using test::post_key;
using test::window_text;

HWND wait_for_window(const char* class_name, const char* title) { return test::wait_own_window(class_name, title); }

// Finds the flat button with a caption inside a dialog.
HWND button_with_caption(HWND dialog, const std::string& caption) {
  HWND child = nullptr;
  while ((child = FindWindowExA(dialog, child, kFlatButtonClass, nullptr)) != nullptr) {
    if (window_text(child) == caption) return child;
  }
  return nullptr;
}

class InputBox : public ::testing::Test {
 protected:
  test::WidgetForm owner_;
  std::optional<std::string> ask(const std::string& initial = "") {
    return ask_text_input(InputBoxArgs{.title = "Profilname",
                                       .prompt = "Geben Sie einen Profilnamen ein...",
                                       .initial = initial,
                                       .owner = owner_.hwnd()});
  }
};

TEST_F(InputBox, OkReturnsTheEnteredText) {
  bool owner_disabled_meanwhile = false;
  Driver driver([&] {
    HWND box = wait_for_window(kInputBoxClass, "Profilname");
    HWND edit = box ? find_child(box, "Edit") : nullptr;
    if (!edit) return false;
    owner_disabled_meanwhile = !IsWindowEnabled(owner_.hwnd());
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Büro & Haus"));
    post_click(button_with_caption(box, "OK"));
    return true;
  });
  std::optional<std::string> answer = ask();
  ASSERT_TRUE(driver.join());
  EXPECT_EQ(answer, std::optional<std::string>("Büro & Haus"));
  EXPECT_TRUE(owner_disabled_meanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner_.hwnd()));
  EXPECT_EQ(FindWindowA(kInputBoxClass, nullptr), nullptr);  // gone after use
}

TEST_F(InputBox, CancelReturnsNothing) {
  Driver driver([&] {
    HWND box = wait_for_window(kInputBoxClass, "Profilname");
    HWND edit = box ? find_child(box, "Edit") : nullptr;
    if (!edit) return false;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("verworfen"));
    post_click(button_with_caption(box, "Abbrechen"));
    return true;
  });
  EXPECT_EQ(ask(), std::nullopt);
  EXPECT_TRUE(driver.join());
}

TEST_F(InputBox, EnterIsOkAndEscIsCancel) {
  struct Case {
    WPARAM key;
    std::optional<std::string> expected;
  } cases[] = {{VK_RETURN, "vorgegeben"}, {VK_ESCAPE, std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Driver driver([&] {
      HWND box = wait_for_window(kInputBoxClass, "Profilname");
      HWND edit = box ? find_child(box, "Edit") : nullptr;
      if (!edit) return false;
      post_key(edit, c.key);  // the key reaches the edit field, which has the focus
      return true;
    });
    EXPECT_EQ(ask("vorgegeben"), c.expected);
    EXPECT_TRUE(driver.join());
  }
}

TEST_F(InputBox, EnterOnTheFocusedCancelButtonCancels) {
  Driver driver([&] {
    HWND box = wait_for_window(kInputBoxClass, "Profilname");
    HWND cancel = box ? button_with_caption(box, "Abbrechen") : nullptr;
    if (!cancel) return false;
    SendMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // takes the focus
    SendMessageA(cancel, WM_CAPTURECHANGED, 0, 0);                       // let go elsewhere: no click
    ReleaseCapture();
    post_key(cancel, VK_RETURN);
    return true;
  });
  EXPECT_EQ(ask("vorgegeben"), std::nullopt);
  EXPECT_TRUE(driver.join());
}

// The standard message box: its text is the static control 0xFFFF.
std::string message_text(HWND box) {
  char buffer[512] = {};
  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
  return buffer;
}

TEST(WinPromptsBoxes, QuestionsAndConfirmationsAnswerWithTheButtonPressed) {
  test::WidgetForm owner;
  WinPrompts prompts(owner.hwnd());
  struct Case {
    const char* text;
    int button;
    bool expected;
    bool question;
  } cases[] = {
      {"Sollen weitere Infos zu dem Update aufgerufen werden?", IDYES, true, true},
      {"Sind Sie sicher?", IDNO, false, true},
      {"Es wurde für diese Auflösung noch kein Standard-Profil gespeichert, dies wird nun erledigt!", IDOK, true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string seen_text;
    HWND seen_owner = nullptr;
    Driver driver([&] {
      HWND box = wait_for_window("#32770", kProgramTitle);
      if (!box) return false;
      seen_text = message_text(box);
      seen_owner = GetWindow(box, GW_OWNER);
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
      return true;
    });
    bool answer = c.question ? prompts.ask_yes_no(c.text) : prompts.confirm_information(c.text);
    ASSERT_TRUE(driver.join());
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(seen_text, c.text);
    EXPECT_EQ(seen_owner, owner.hwnd());
  }
}

TEST(WinPromptsBoxes, AskTextUsesTheInputBox) {
  WinPrompts prompts;
  Driver driver([] {
    HWND box = wait_for_window(kInputBoxClass, "Profile Name");
    HWND edit = box ? find_child(box, "Edit") : nullptr;
    if (!edit) return false;
    post_key(edit, VK_RETURN);
    return true;
  });
  EXPECT_EQ(prompts.ask_text("Profile Name", "Enter a profile name...", "Start"), std::optional<std::string>("Start"));
  EXPECT_TRUE(driver.join());
}

TEST(ErrorReport, DialogShowsTheTextAndClosesWithOk) {
  ErrorReportDialog dialog;
  errors::ErrorReporter* previous = errors::set_error_reporter(&dialog);
  std::string shown;
  Driver driver([&] {
    HWND box = wait_for_window(kErrorReportClass, kProgramTitle);
    HWND text = box ? find_child(box, kLabelClass) : nullptr;
    if (!text) return false;
    shown = window_text(text);
    post_click(button_with_caption(box, "OK"));
    return true;
  });
  errors::report_exception(
      std::make_exception_ptr(std::runtime_error("Die Datei config.qcf ist schreibgeschützt & voll.")));
  errors::set_error_reporter(previous);
  EXPECT_TRUE(driver.join());
  EXPECT_EQ(shown, "Die Datei config.qcf ist schreibgeschützt & voll.");
  EXPECT_EQ(FindWindowA(kErrorReportClass, nullptr), nullptr);
}

TEST(ErrorReport, ItsOwnTextsComeFromTheCurrentLanguage) {
  ErrorReportDialog dialog;
  dialog.set_messages([](MessageId id) {
    if (id == message_ids::kUnknownError) return std::string("An unknown error has occurred.");
    if (id == message_ids::kErrorReportOk) return std::string("Close");
    return std::string();
  });
  errors::ErrorReporter* previous = errors::set_error_reporter(&dialog);
  std::string shown;
  Driver driver([&] {
    HWND box = wait_for_window(kErrorReportClass, kProgramTitle);
    HWND text = box ? find_child(box, ui::kLabelClass) : nullptr;
    HWND button = box ? button_with_caption(box, "Close") : nullptr;
    if (!text || !button) return false;
    shown = window_text(text);
    post_click(button);
    return true;
  });
  struct NoText {};
  errors::report_exception(std::make_exception_ptr(NoText{}));
  errors::set_error_reporter(previous);
  EXPECT_TRUE(driver.join());
  EXPECT_EQ(shown, "An unknown error has occurred.");
}

TEST(ErrorReport, AnErrorNamingAMessageIsShownInTheCurrentLanguage) {
  ErrorReportDialog dialog;
  EXPECT_EQ(dialog.message_error_text(errors::MessageError(message_ids::kWindowNotCreated, "OrvxCaptionBar")),
            "Fenster OrvxCaptionBar konnte nicht erstellt werden.");
  dialog.set_messages([](MessageId id) {
    return id == message_ids::kWindowNotCreated ? std::string("The window %s could not be created.") : std::string();
  });
  EXPECT_EQ(dialog.message_error_text(errors::MessageError(message_ids::kWindowNotCreated, "OrvxCaptionBar")),
            "The window OrvxCaptionBar could not be created.");
  // An id the program does not know shows what the error says of itself.
  EXPECT_EQ(dialog.message_error_text(errors::MessageError(MessageId{"MSDLG_NONE"}, "x")), "MSDLG_NONE: x");
}

TEST(ErrorReport, WithoutALanguageItSpeaksTheBuiltInTexts) {
  ErrorReportDialog dialog;
  EXPECT_EQ(dialog.message(message_ids::kUnknownError), lang::german_message(message_ids::kUnknownError));
  EXPECT_EQ(dialog.message(message_ids::kErrorReportOk), "OK");
  dialog.set_messages([](MessageId) -> std::string { throw std::runtime_error("unreadable"); });
  EXPECT_EQ(dialog.message(message_ids::kUnknownError), "Ein unbekannter Fehler ist aufgetreten.");
}

TEST(ErrorReport, FailingHandlerOfAWidgetEndsInTheReportDialog) {
  test::WidgetForm form;
  form.save_button->set_on_click([] { throw std::logic_error("Speichern fehlgeschlagen"); });
  ErrorReportDialog dialog;
  errors::ErrorReporter* previous = errors::set_error_reporter(&dialog);
  std::string shown;
  Driver driver([&] {
    HWND box = wait_for_window(kErrorReportClass, kProgramTitle);
    HWND text = box ? find_child(box, kLabelClass) : nullptr;
    if (!text) return false;
    shown = window_text(text);
    post_key(box, VK_ESCAPE);
    return true;
  });
  test::send_click(form.save_button->hwnd(), 5, 5);
  errors::set_error_reporter(previous);
  EXPECT_TRUE(driver.join());
  EXPECT_EQ(shown, "Speichern fehlgeschlagen");
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

}  // namespace
}  // namespace orvx::ui

namespace orvx::ui {
namespace {

// A window whose timer counts its ticks.
class Ticker final : public Form {
 public:
  Ticker() {
    create_form(
        FormArgs{.name = "ticker", .class_name = "OrvxTestTicker", .caption = "Ticker", .bounds = Rect{0, 0, 50, 50}});
    SetTimer(hwnd(), 1, 20, nullptr);
  }
  std::atomic<int> ticks{0};

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_TIMER) {
      ++ticks;
      return 0;
    }
    return Form::handle_message(msg, wp, lp);
  }
};

TEST(ModalLoop, OtherWindowsKeepRunningWhileADialogIsOpen) {
  Ticker ticker;
  int ticks_seen = 0;
  Driver driver([&] {
    HWND box = wait_for_window(kInputBoxClass, "Profilname");
    if (!box) return false;
    int start = ticker.ticks;
    // The timer of another window keeps ticking inside the dialog's loop.
    test::wait_for("three more ticks of the other window", [&] { return ticker.ticks >= start + 3; });
    ticks_seen = ticker.ticks - start;
    post_key(box, VK_ESCAPE);
    return true;
  });
  ask_text_input(InputBoxArgs{.title = "Profilname", .prompt = "?"});
  EXPECT_TRUE(driver.join());
  EXPECT_GE(ticks_seen, 3);
}

// A dialog whose Enter handler fails, as a Save that cannot write would.
class FailingDialog final : public ModalDialog {
 public:
  FailingDialog() {
    create_form(FormArgs{
        .name = "failing", .class_name = "OrvxTestFailing", .caption = "Failing", .bounds = Rect{100, 100, 200, 80}});
  }

 private:
  void on_enter() override { throw std::runtime_error("Speichern nicht möglich"); }
};

TEST(ModalLoop, FailingKeyHandlerIsReportedAndTheDialogStaysUsable) {
  test::WidgetForm owner;
  test::RecordingReporter reporter;
  FailingDialog dialog;
  bool open_after_failure = false;
  Driver driver([&] {
    HWND box = wait_for_window("OrvxTestFailing", "Failing");
    if (!box) return false;
    post_key(box, VK_RETURN);
    if (!test::wait_for("the failure to be reported", [&] { return reporter.count() > 0; })) return false;
    open_after_failure = IsWindowVisible(box) && !IsWindowEnabled(owner.hwnd());
    post_key(box, VK_ESCAPE);
    return true;
  });
  EXPECT_EQ(dialog.show_modal(owner.hwnd()), IDCANCEL);
  EXPECT_TRUE(driver.join());
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"Speichern nicht möglich"}));
  EXPECT_TRUE(open_after_failure);
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  EXPECT_FALSE(IsWindowVisible(dialog.hwnd()));
}

TEST(ModalLoop, QuitMessageEndsTheDialogAndStaysForTheOuterLoop) {
  DWORD ui_thread = GetCurrentThreadId();
  Driver driver([ui_thread] {
    if (!wait_for_window(kInputBoxClass, "Profilname")) return false;
    PostThreadMessageA(ui_thread, WM_QUIT, 7, 0);  // the program is asked to end
    return true;
  });
  std::optional<std::string> answer = ask_text_input(InputBoxArgs{.title = "Profilname", .prompt = "?"});
  EXPECT_TRUE(driver.join());
  EXPECT_EQ(answer, std::nullopt);
  // The outer message loop still gets the quit message.
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace orvx::ui
