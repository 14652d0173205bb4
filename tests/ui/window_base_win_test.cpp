// The window base: one trampoline binds each window to its object, hands
// every message to it, and stops every exception at the boundary.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "ui/flat_button_win.h"
#include "ui/form_win.h"
#include "support/input_win.h"
#include "support/modal_driver_win.h"
#include "support/recording_reporter.h"
#include "support/wait_win.h"
#include "support/windows_win.h"

namespace orvx::ui {
namespace {

constexpr UINT kAsk = WM_APP + 1;
constexpr UINT kFail = WM_APP + 2;

class ProbeForm final : public Form {
 public:
  enum class FailOn { kNothing, kCreate, kClose };
  explicit ProbeForm(FailOn fail = FailOn::kNothing, WindowRegistry* registry = nullptr) : fail_(fail) {
    create_form(FormArgs{.name = "probe_form",
                         .class_name = "OrvxTestProbe",
                         .caption = "Probe",
                         .bounds = Rect{50, 50, 200, 100},
                         .registry = registry});
    child = std::make_unique<FlatButton>(
        FlatButtonArgs{.name = "child", .caption = "x", .parent = hwnd(), .bounds = Rect{0, 0, 50, 20}});
  }
  int asked = 0;
  int destroyed_seen = 0;
  std::unique_ptr<FlatButton> child;

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_CREATE:
        if (fail_ == FailOn::kCreate) throw std::runtime_error("create failed");
        break;
      case WM_CLOSE:
        if (fail_ == FailOn::kClose) throw std::runtime_error("close failed");
        break;
      case kAsk:
        ++asked;
        return static_cast<LRESULT>(wp * 2);
      case kFail:
        throw std::runtime_error("handler failed");
      case WM_DESTROY:
        ++destroyed_seen;
        break;
      default:
        break;
    }
    return Form::handle_message(msg, wp, lp);
  }
  FailOn fail_;
};

TEST(WindowBase, TrampolineDispatchesToTheObject) {
  ProbeForm form;
  ASSERT_NE(form.hwnd(), nullptr);
  EXPECT_EQ(Window::from_handle(form.hwnd()), &form);
  EXPECT_EQ(Window::from_handle(form.child->hwnd()), form.child.get());
  EXPECT_EQ(SendMessageA(form.hwnd(), kAsk, 21, 0), 42);
  EXPECT_EQ(form.asked, 1);
  // Posted messages go through the same way.
  PostMessageA(form.hwnd(), kAsk, 1, 0);
  EXPECT_TRUE(test::wait_for("form.asked == 2", [&] { return form.asked == 2; }));
  // Windows that are not ours have no object.
  EXPECT_EQ(Window::from_handle(GetDesktopWindow()), nullptr);
  EXPECT_EQ(Window::from_handle(nullptr), nullptr);
}

TEST(WindowBase, ExceptionInAHandlerIsReportedAndNeverReachesWindows) {
  test::RecordingReporter reporter;
  ProbeForm form;
  SendMessageA(form.hwnd(), kFail, 0, 0);
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0], "handler failed");
  // The window keeps working afterwards.
  EXPECT_EQ(SendMessageA(form.hwnd(), kAsk, 5, 0), 10);
}

TEST(WindowBase, FailedCloseHandlerLeavesTheWindowOpen) {
  test::RecordingReporter reporter;
  ProbeForm form(ProbeForm::FailOn::kClose);
  SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(form.hwnd()));
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"close failed"}));
}

TEST(WindowBase, FailedCreationIsReportedAndThrownToTheCreator) {
  test::RecordingReporter reporter;
  EXPECT_THROW(ProbeForm form(ProbeForm::FailOn::kCreate), std::runtime_error);
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"create failed"}));
  EXPECT_EQ(FindWindowA("OrvxTestProbe", "Probe"), nullptr);
}

TEST(WindowBase, DestroyRunsHandlersAndReleasesChildren) {
  ProbeForm form;
  HWND child = form.child->hwnd();
  form.destroy();
  EXPECT_EQ(form.destroyed_seen, 1);
  EXPECT_EQ(form.hwnd(), nullptr);
  // The child window went with its parent; its object knows.
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(form.child->hwnd(), nullptr);
}

TEST(WindowBase, DestroyingTheObjectDestroysItsWindowSilently) {
  HWND form_window = nullptr;
  HWND child_window = nullptr;
  {
    ProbeForm form;
    form_window = form.hwnd();
    child_window = form.child->hwnd();
  }
  EXPECT_FALSE(IsWindow(form_window));
  EXPECT_FALSE(IsWindow(child_window));
  // A child object that goes first leaves its parent intact.
  ProbeForm form;
  HWND button = form.child->hwnd();
  form.child.reset();
  EXPECT_FALSE(IsWindow(button));
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST(WindowBase, FormsAreListedInTheRegistryWhileTheyExist) {
  WindowRegistry registry;
  {
    ProbeForm form(ProbeForm::FailOn::kNothing, &registry);
    EXPECT_EQ(registry.find("PROBE_FORM"), &form);
  }
  EXPECT_EQ(registry.find("probe_form"), nullptr);
}

}  // namespace
}  // namespace orvx::ui
