// The Minidesk's refresh inside this process (the view on a form of its
// own), under Wine against the stand-in desktop: the map read of every icon,
// the build and the drawing, beside the map read alone, in the same run.
// minidesk_win_bench measures the running OrvaneX.exe. The refresh runs
// twice a second; what the map adds on top of the read it must make is the
// figure that counts.
//
// Three refreshes are timed per repetition, in alternating order:
//   read     the map read alone (the floor);
//   steady   read + build + show_changes on a desktop that stays as it is
//            (the usual case: nothing is drawn);
//   redrawn  read + build + a full repaint of the visible map every time.
// Printed are the CPU time of this process (user + kernel) and the wall
// time per refresh, averaged over all repetitions (the system counts CPU
// time in steps of several milliseconds, too coarse for the best of short
// runs), and the ratios of the CPU times. The stand-in's own CPU time for
// answering is not counted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "minidesk/minidesk.h"
#include "minidesk/minidesk_view_win.h"
#include "icons/minidesk_icons.h"
#include "icons/shell_desktop_access_win.h"
#include "minidesk_bench_support.h"
#include "own_clock_win.h"
#include "standin_shared/standin_client_win.h"
#include "ui/form_win.h"

namespace {

using namespace orvx::minidesk;
using bench::cpu_ms;
using bench::wall_ms;
using standin::StandinItem;

constexpr int kRepetitions = 8;
constexpr int kRefreshes = 10;  // per measurement

struct Cost {
  double cpu = 0;
  double wall = 0;
  int refreshes = 0;

  double cpu_each() const { return cpu / refreshes; }
  double wall_each() const { return wall / refreshes; }
};

void measure(Cost& total, const std::function<void()>& refresh) {
  const double cpu = cpu_ms();
  const double wall = wall_ms();
  for (int i = 0; i < kRefreshes; ++i) refresh();
  total.cpu += cpu_ms() - cpu;
  total.wall += wall_ms() - wall;
  total.refreshes += kRefreshes;
}

class MapForm final : public orvx::ui::Form {
 public:
  explicit MapForm(Minidesk& minidesk) {
    create_form(orvx::ui::FormArgs{.name = "orvx_form",
                                   .class_name = "OrvxBenchMinidesk",
                                   .caption = "Orvane X",
                                   .bounds = orvx::ui::Rect{0, 0, 446, 381}});
    view = std::make_unique<MinideskView>(MinideskViewArgs{.parent = hwnd(), .bounds = {10, 25, 426, 331}}, minidesk);
    ShowWindow(hwnd(), SW_SHOWNA);
  }
  std::unique_ptr<MinideskView> view;
};

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

std::vector<StandinItem> desktop(int count) { return bench::sample_desktop<StandinItem>(count, "Datei "); }

std::string count_message() { return "%s Icon(s) ausserhalb des Desktops"; }

}  // namespace

int main() {
  standin::StandinDesktop standin;
  orvx::icons::ShellDesktopAccess access;
  std::printf("Minidesk refresh against the map read alone, CPU of this process, mean of %d x %d refreshes\n",
              kRepetitions, kRefreshes);
  std::printf("%6s %12s %12s %12s %12s %12s %14s %14s\n", "icons", "read cpu ms", "steady cpu", "redrawn cpu",
              "read wall", "redrawn wall", "steady/read", "redrawn/read");
  for (int count : {100, 500}) {
    if (standin.load(desktop(count)) != count) {
      std::fprintf(stderr, "the stand-in did not take %d icons\n", count);
      return 1;
    }
    orvx::test::QuietMinideskHost host;
    Minidesk minidesk(host);
    MapForm form(minidesk);
    HWND view = form.view->hwnd();
    auto build = [&](const orvx::DesktopIcons& icons) { minidesk.build_minidesk(icons, count_message); };
    orvx::icons::read_minidesk_icons(access, build);  // warm up: the first build draws everything
    pump();

    Cost read, steady, redrawn;
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
      std::vector<std::function<void()>> order = {
          [&] { measure(read, [&] { orvx::icons::read_minidesk_icons(access, nullptr); }); },
          [&] {
            measure(steady, [&] {
              orvx::icons::read_minidesk_icons(access, build);
              form.view->show_changes();
              UpdateWindow(view);
            });
          },
          [&] {
            measure(redrawn, [&] {
              orvx::icons::read_minidesk_icons(access, build);
              InvalidateRect(view, nullptr, FALSE);
              UpdateWindow(view);
            });
          },
      };
      if (repetition % 2) std::reverse(order.begin(), order.end());
      for (auto& measure : order) measure();
      pump();
    }
    std::printf("%6d %12.2f %12.2f %12.2f %12.2f %12.2f %13.2fx %13.2fx\n", count, read.cpu_each(), steady.cpu_each(),
                redrawn.cpu_each(), read.wall_each(), redrawn.wall_each(), steady.cpu / read.cpu,
                redrawn.cpu / read.cpu);
  }
  return 0;
}
