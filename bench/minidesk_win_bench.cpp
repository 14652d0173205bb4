// OrvaneX.exe itself under Wine, its Minidesk shown and the live refresh on,
// against the stand-in desktop with 100 and 500 icons; in the same run, the
// bare desktop reads at the same rate (twice a second) in processes of
// their own. Printed is the ratio of the CPU times over the same number of
// refreshes:
//   (the program's CPU time) / (the reads' CPU time)
// and the program's GDI and USER objects after the first refreshes and
// after all of them: they must not grow.
//
// The reads run twice: on a thread without windows, and on the thread of a
// window, as the program reads on its user-interface thread (under Wine a
// thread with windows pays more for each message it sends to another
// process, the stand-in's list view, whatever it does with the answer).
//
// The refreshes are counted, not guessed: the stand-in tells this program of
// every item count another process asks it for, which each read does once.
// The machine is shared, so its load changes during a run: the three take
// turns in slices of a few refreshes, each slice after a warm-up of its own,
// and the CPU times are summed over the slices. Between its slices the
// program's Minidesk is hidden (a click on its toggle button), which stops
// its refresh; the reads wait for a signal.
//
// Usage: minidesk_win_bench [REFRESHES]   (default 100)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/picture_button_win.h"
#include "harness/child_process_win.h"
#include "icons/icon_operations.h"
#include "icons/shell_desktop_access_win.h"
#include "minidesk_bench_support.h"
#include "platform/scoped_win.h"
#include "process_meter_win.h"
#include "standin_shared/standin_client_win.h"
#include "standin_shared/standin_protocol.h"
#include "support/orvane_app_win.h"

namespace {

using standin::StandinItem;
using Clock = std::chrono::steady_clock;

constexpr int kSliceRefreshes = 20;
constexpr int kSliceWarmup = 2;
constexpr auto kRefreshPeriod = std::chrono::milliseconds(500);
constexpr char kReadsSwitch[] = "/reads";

// A window of this program that counts the stand-in's notes of the reads.
class ReadCounter {
 public:
  ReadCounter() : echo_(RegisterWindowMessageA(standin::kEchoMessage)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvaneXBenchReadCounter";
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this));
    if (!window_) throw std::runtime_error("no window for the read counter");
  }
  HWND window() const { return window_.get(); }
  void reset() { reads_ = 0; }

  // Handles this thread's messages until `reads` reads have been counted.
  void wait_for(int reads) const {
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (reads_ < reads) {
      if (Clock::now() > deadline) throw std::runtime_error("the reads stopped");
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
  }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<ReadCounter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == self->echo_) {
      ++self->reads_;
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }

  UINT echo_;
  int reads_ = 0;
  orvx::win::ScopedWindow window_;
};

// One side of the comparison: a process that reads the desktop twice a
// second between start() and stop().
class Reader {
 public:
  virtual ~Reader() = default;
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual double cpu_ms() const = 0;
  virtual bench::GuiObjects objects() const { return {}; }
};

// OrvaneX.exe, a copy in portable mode, live refresh on; running while its
// Minidesk is shown.
class Program final : public Reader {
 public:
  Program() {
    copy_.prepare_resolution_profile();
    copy_.set_config("Settings", "form_status_button_value", "0");
    copy_.set_config("Settings", "live_desktop", "1");
    copy_.set_config("Settings", "lang_menu", "1");
    app_ = std::make_unique<orvx::test::RunningApp>(copy_.exe(), "/u");
    main_ = app_->main_window();
    if (!main_) throw std::runtime_error("OrvaneX.exe showed no main window");
    process_.reset(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app_->process_id()));
    if (!process_) throw std::runtime_error("cannot look into OrvaneX.exe");
    cpu_ = std::make_unique<bench::ProcessCpu>(process_.get(), copy_.exe());
  }

  void start() override { set_minidesk(true); }
  void stop() override { set_minidesk(false); }
  double cpu_ms() const override { return cpu_->ms(); }
  bench::GuiObjects objects() const override { return bench::count_gui_objects(process_.get(), app_->process_id()); }

 private:
  void set_minidesk(bool shown) {
    HWND toggle = orvx::test::find_visible_child(main_, orvx::ui::kPictureButtonClass);
    if (!toggle) throw std::runtime_error("no toggle button on the main window");
    orvx::test::post_click(toggle);
    const bool done = static_cast<bool>(orvx::test::wait_for("the Minidesk to toggle", [&] {
      RECT r{};
      GetWindowRect(main_, &r);
      return (r.bottom - r.top > 40) == shown;
    }));
    // Once the click has been handled, the refresh timer follows the state.
    if (!done || !orvx::test::round_trip(main_)) throw std::runtime_error("the Minidesk did not toggle");
  }

  orvx::test::ProgramCopy copy_;
  std::unique_ptr<orvx::test::RunningApp> app_;
  HWND main_ = nullptr;
  orvx::win::ScopedHandle process_;
  std::unique_ptr<bench::ProcessCpu> cpu_;
};

// How the reads run in their process: on a thread without windows, or on
// the thread of a window.
enum class ReadsThread { kBare, kWindow };

std::string event_name(const std::string& token, const char* what) { return token + "-" + what; }

// This program once more, reading the desktop at the refresh's rate while
// its event "go" is set; it sets "idle" while it waits for it.
class ReadsProcess final : public Reader {
 public:
  explicit ReadsProcess(ReadsThread thread)
      : token_("orvx-reads-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(next_++)),
        go_(CreateEventA(nullptr, TRUE, FALSE, event_name(token_, "go").c_str())),
        idle_(CreateEventA(nullptr, TRUE, FALSE, event_name(token_, "idle").c_str())),
        quit_(CreateEventA(nullptr, TRUE, FALSE, event_name(token_, "quit").c_str())) {
    if (!go_ || !idle_ || !quit_) throw std::runtime_error("cannot make the events of the reads");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    process_.emplace(orvx::harness::ChildProcess::start(
        exe, {.arguments = std::string(kReadsSwitch) + (thread == ReadsThread::kWindow ? " 1 " : " 0 ") + token_}));
    cpu_ = std::make_unique<bench::ProcessCpu>(process_->handle(), token_);
  }
  // Reads that do not quit in time are killed as process_ goes.
  ~ReadsProcess() override {
    SetEvent(quit_.get());
    process_->wait(std::chrono::milliseconds(10000));
  }

  void start() override { SetEvent(go_.get()); }
  void stop() override {
    // The read under way ends; no other begins.
    ResetEvent(go_.get());
    const auto deadline = static_cast<DWORD>(orvx::harness::kDefaultDeadline.count());
    if (WaitForSingleObject(idle_.get(), deadline) != WAIT_OBJECT_0) throw std::runtime_error("the reads went on");
  }
  double cpu_ms() const override { return cpu_->ms(); }

 private:
  static inline int next_ = 0;
  std::string token_;
  orvx::win::ScopedHandle go_;
  orvx::win::ScopedHandle idle_;
  orvx::win::ScopedHandle quit_;
  std::optional<orvx::harness::ChildProcess> process_;
  std::unique_ptr<bench::ProcessCpu> cpu_;
};

// The child: reads while "go" is set, one read every 500 ms, until "quit".
class ReadsChild {
 public:
  explicit ReadsChild(const std::string& token)
      : go_(OpenEventA(SYNCHRONIZE, FALSE, event_name(token, "go").c_str())),
        idle_(OpenEventA(EVENT_MODIFY_STATE, FALSE, event_name(token, "idle").c_str())),
        quit_(OpenEventA(SYNCHRONIZE, FALSE, event_name(token, "quit").c_str())) {}

  int run(ReadsThread thread) {
    if (!go_ || !idle_ || !quit_) return 1;
    orvx::win::ScopedWindow window;
    if (thread == ReadsThread::kWindow) {
      window.reset(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "reads", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    orvx::icons::ShellDesktopAccess access;
    for (;;) {
      SetEvent(idle_.get());
      if (wait(go_.get(), Clock::time_point::max()) == Woken::kQuit) return 0;
      ResetEvent(idle_.get());
      for (auto next = Clock::now(); WaitForSingleObject(go_.get(), 0) == WAIT_OBJECT_0;) {
        orvx::icons::read_desktop_icons(access);
        next += kRefreshPeriod;
        if (wait(nullptr, next) == Woken::kQuit) return 0;
      }
    }
  }

 private:
  enum class Woken { kQuit, kEvent, kTime };

  // Waits for "quit", for `event` unless it is null, or until `until`,
  // handling the thread's messages meanwhile.
  Woken wait(HANDLE event, Clock::time_point until) {
    const HANDLE handles[] = {quit_.get(), event};
    const DWORD count = event ? 2 : 1;
    for (;;) {
      DWORD timeout = INFINITE;
      if (until != Clock::time_point::max()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) return Woken::kTime;
        timeout = static_cast<DWORD>(left);
      }
      const DWORD got = MsgWaitForMultipleObjects(count, handles, FALSE, timeout, QS_ALLINPUT);
      if (got == WAIT_OBJECT_0) return Woken::kQuit;
      if (got == WAIT_OBJECT_0 + 1 && event) return Woken::kEvent;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
  }

  orvx::win::ScopedHandle go_;
  orvx::win::ScopedHandle idle_;
  orvx::win::ScopedHandle quit_;
};

struct Tally {
  double cpu_ms = 0;
  double seconds = 0;
  // The reader's objects at the start of the first slice and at the end of
  // the last.
  std::optional<bench::GuiObjects> first;
  bench::GuiObjects last;
};

// One slice: the reader runs, and from its warm-up's last read to
// `kSliceRefreshes` reads later its CPU time is taken.
void measure_slice(standin::StandinDesktop& desktop, ReadCounter& counter, Reader& reader, Tally& tally) {
  counter.reset();
  desktop.echo_to(counter.window());
  reader.start();
  counter.wait_for(kSliceWarmup);
  const auto start = Clock::now();
  const double cpu = reader.cpu_ms();
  if (!tally.first) tally.first = reader.objects();
  counter.wait_for(kSliceWarmup + kSliceRefreshes);
  tally.cpu_ms += reader.cpu_ms() - cpu;
  tally.seconds += std::chrono::duration<double>(Clock::now() - start).count();
  tally.last = reader.objects();
  reader.stop();
  desktop.echo_to(nullptr);
}

// The measured desktop, with the captions of files.
std::vector<StandinItem> sample_desktop(int count) { return bench::sample_desktop<StandinItem>(count, "Datei "); }

std::string objects(long before, long after) {
  std::string text = std::to_string(before) + " -> " + std::to_string(after);
  return after > before ? text + " GREW" : text;
}

double ratio(const Tally& program, const Tally& reads) { return reads.cpu_ms > 0 ? program.cpu_ms / reads.cpu_ms : 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == kReadsSwitch) {
    return ReadsChild(argv[3]).run(std::atoi(argv[2]) ? ReadsThread::kWindow : ReadsThread::kBare);
  }
  const int slices = std::max(1, (argc > 1 ? std::atoi(argv[1]) : 100) / kSliceRefreshes);
  try {
    standin::StandinDesktop desktop;
    ReadCounter counter;
    std::printf(
        "The Minidesk of OrvaneX.exe (shown, live refresh on) against the bare desktop reads at the\n"
        "same rate, 2 per second: CPU over %d refreshes each, in %d turns of %d\n",
        slices * kSliceRefreshes, slices, kSliceRefreshes);
    if (bench::under_wine()) {
      std::printf(
          "(Wine: CPU from the host's /proc; GDI objects from the GDI handle table, USER objects as "
          "windows)\n");
    }
    std::printf("%6s %9s %9s %10s %12s %10s %16s %16s\n", "icons", "app ms", "reads ms", "app/reads", "ui reads ms",
                "app/ui", "app GDI objects", "app USER objects");
    bool grew = false;
    for (int count : {100, 500}) {
      if (desktop.load(sample_desktop(count)) != count) throw std::runtime_error("the stand-in took not all icons");
      Program program;
      ReadsProcess reads(ReadsThread::kBare);
      ReadsProcess ui_reads(ReadsThread::kWindow);
      Tally program_tally, reads_tally, ui_tally;
      for (int slice = 0; slice < slices; ++slice) {
        measure_slice(desktop, counter, program, program_tally);
        measure_slice(desktop, counter, reads, reads_tally);
        measure_slice(desktop, counter, ui_reads, ui_tally);
      }
      const bench::GuiObjects first = *program_tally.first;
      const bench::GuiObjects last = program_tally.last;
      grew |= last.gdi > first.gdi || last.user > first.user;
      std::printf("%6d %9.0f %9.0f %9.2fx %12.0f %9.2fx %16s %16s\n", count, program_tally.cpu_ms, reads_tally.cpu_ms,
                  ratio(program_tally, reads_tally), ui_tally.cpu_ms, ratio(program_tally, ui_tally),
                  objects(first.gdi, last.gdi).c_str(), objects(first.user, last.user).c_str());
      std::printf("%6s %9.1f %9.1f %10s %12.1f %10s   seconds for the refreshes\n", "", program_tally.seconds,
                  reads_tally.seconds, "", ui_tally.seconds, "");
      std::fflush(stdout);
    }
    std::printf("target: app/reads at most 1.25x at 500 icons; the objects do not grow\n");
    return grew ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "minidesk_win_bench: %s\n", e.what());
    return 1;
  }
}
