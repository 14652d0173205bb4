// The Minidesk is rebuilt twice a second from a fresh read of the desktop.
// This prints what one build costs next to the in-memory part of that read
// (building the DesktopIcons the read delivers: the floor every
// refresh pays before the map is drawn), for a desktop that stays as it is,
// one where every icon has moved, and a map built from nothing each time (as
// if every marker were destroyed and made anew).
#include <chrono>
#include <cstdio>
#include <string>

#include "minidesk/minidesk.h"
#include "icons/desktop_icon.h"
#include "minidesk_bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvx::DesktopIcons;

template <class F>
double microseconds_per_call(int calls, F&& f) {
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) f();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

DesktopIcons desktop(int count, int shift) {
  return bench::sample_desktop<orvx::DesktopIcon>(count, "Verkn\xFCpfung mit Datei ", shift);
}

std::string count_message() { return "%s Icon(s) ausserhalb des Desktops"; }

}  // namespace

int main() {
  using namespace orvx::minidesk;
  constexpr int kCalls = 4000;
  constexpr int kRounds = 5;
  orvx::test::QuietMinideskHost host;
  size_t sink = 0;
  std::printf("BuildMinidesk against the in-memory part of the desktop read, %d calls each\n", kCalls);
  std::printf("%6s %10s %10s %10s %10s %12s %12s %12s\n", "icons", "read us", "steady us", "moved us", "fresh us",
              "steady/read", "moved/read", "fresh/read");
  for (int count : {100, 500}) {
    const DesktopIcons first = desktop(count, 0);
    const DesktopIcons second = desktop(count, 7);
    Minidesk steady(host), moving(host);
    steady.set_map_size({426, 331});
    moving.set_map_size({426, 331});
    steady.build_minidesk(first, count_message);
    int flip = 0;

    // Interleaved rounds, so that all four see the same machine load.
    double read = 0, build_steady = 0, build_moved = 0, build_fresh = 0;
    for (int round = 0; round < kRounds; ++round) {
      read += microseconds_per_call(kCalls / kRounds, [&] {
        DesktopIcons icons;
        icons.reserve(first.size());
        for (const auto& icon : first) icons.push_back({icon.caption, icon.x, icon.y});
        sink += icons.size();
      });
      build_steady +=
          microseconds_per_call(kCalls / kRounds, [&] { sink += steady.build_minidesk(first, count_message); });
      build_moved += microseconds_per_call(
          kCalls / kRounds, [&] { sink += moving.build_minidesk(++flip % 2 ? first : second, count_message); });
      build_fresh += microseconds_per_call(kCalls / kRounds, [&] {
        Minidesk fresh(host);
        fresh.set_map_size({426, 331});
        sink += fresh.build_minidesk(first, count_message);
      });
    }
    read /= kRounds, build_steady /= kRounds, build_moved /= kRounds, build_fresh /= kRounds;
    std::printf("%6d %10.2f %10.2f %10.2f %10.2f %11.2fx %11.2fx %11.2fx\n", count, read, build_steady, build_moved,
                build_fresh, build_steady / read, build_moved / read, build_fresh / read);
  }
  return sink == 0 ? 1 : 0;
}
