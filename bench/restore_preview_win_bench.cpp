// The preview of a restore on the Minidesk: what drawing the map costs with
// the preview of a 1,000-icon profile over it, beside the plain map of the
// same desktop, and what one hovered menu item costs (the profile read once
// and the marks made), all in one run under Wine.
//
// The map is drawn into an off-screen bitmap of the map's size, as the view
// draws it through its paint buffer. Each figure is the mean wall time per
// operation of several repetitions in alternating order; the ratios are the
// figures that count: the preview must not make the menu lag.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "minidesk/minidesk.h"
#include "minidesk/minidesk_view_win.h"
#include "minidesk_bench_support.h"
#include "own_clock_win.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "profiles/profile_file.h"

namespace {

using namespace orvx::minidesk;
using bench::wall_ms;

constexpr int kRepetitions = 8;
constexpr int kOperations = 20;  // per measurement
constexpr MapSize kMap{426, 331};

struct Cost {
  double wall = 0;
  int operations = 0;
  double each() const { return wall / operations; }
};

void measure(Cost& total, const std::function<void()>& operation) {
  const double start = wall_ms();
  for (int i = 0; i < kOperations; ++i) operation();
  total.wall += wall_ms() - start;
  total.operations += kOperations;
}

std::string count_message() { return "%s Icon(s) ausserhalb des Desktops"; }

}  // namespace

int main() {
  const int count = 1000;
  const orvx::DesktopIcons desktop = bench::sample_desktop<orvx::DesktopIcon>(count, "Datei ");
  // The profile has every icon 40 pixels further right and down.
  const orvx::DesktopIcons profile = bench::sample_desktop<orvx::DesktopIcon>(count, "Datei ", 40);
  const std::string profile_file = orvx::files::temp_folder() + "orvx-preview-bench.ini";
  if (!orvx::write_profile_file(profile, profile_file, {1280, 1024}, 1)) {
    std::fprintf(stderr, "the profile could not be written\n");
    return 1;
  }

  orvx::test::QuietMinideskHost host;
  Minidesk plain(host), previewed(host);
  for (Minidesk* minidesk : {&plain, &previewed}) {
    minidesk->set_map_size(kMap);
    minidesk->build_minidesk(desktop, count_message);
  }
  previewed.show_restore_preview(orvx::read_profile_file(profile_file));

  orvx::win::ScopedWindowDC screen(nullptr);
  orvx::win::ScopedMemoryDC dc(CreateCompatibleDC(screen.get()));
  orvx::win::ScopedGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), kMap.width, kMap.height));
  if (!dc || !bitmap) {
    std::fprintf(stderr, "no off-screen bitmap\n");
    return 1;
  }
  const orvx::win::ScopedSelect selected(dc.get(), bitmap.get());
  const RECT client{0, 0, kMap.width, kMap.height};

  Cost map, preview, hover;
  for (int repetition = 0; repetition < kRepetitions; ++repetition) {
    std::vector<std::function<void()>> order = {
        [&] { measure(map, [&] { draw_minidesk(dc.get(), client, plain); }); },
        [&] { measure(preview, [&] { draw_minidesk(dc.get(), client, previewed); }); },
        [&] {
          measure(hover, [&] {
            previewed.hide_restore_preview();
            previewed.show_restore_preview(orvx::read_profile_file(profile_file));
          });
        },
    };
    if (repetition % 2) std::reverse(order.begin(), order.end());
    for (auto& measure : order) measure();
  }
  DeleteFileA(profile_file.c_str());

  std::printf("Restore preview over a %d-icon desktop and profile, map %dx%d, %zu marks, mean wall ms of %d x %d\n",
              count, kMap.width, kMap.height, previewed.preview_marks().size(), kRepetitions, kOperations);
  std::printf("%14s %14s %14s %16s %16s\n", "map paint", "with preview", "one hover", "preview/map", "hover/map");
  std::printf("%14.3f %14.3f %14.3f %15.2fx %15.2fx\n", map.each(), preview.each(), hover.each(),
              preview.each() / map.each(), hover.each() / map.each());
  return 0;
}
