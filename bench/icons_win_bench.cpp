// Desktop icon access under Wine against the stand-in desktop, each
// operation measured side by side with its floor in the same run:
//   map read  against two list view messages per icon that copy nothing;
//   restore   against one find and one move message per entry.
// The read as the buffer layout was first laid out (one item at a time,
// three copies per icon) is measured beside it for comparison.
//
// The machine is shared, so single timings swing widely, and load only
// ever adds time: each repetition measures an operation right beside its
// floor, in alternating order, and the times printed are the best of all
// repetitions, the ratios those of the best times.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "icons/icon_operations.h"
#include "icons/icon_position.h"
#include "icons/list_view_layouts.h"
#include "icons/minidesk_icons.h"
#include "icons/remote_buffer_win.h"
#include "icons/shell_desktop_access_win.h"
#include "standin_shared/standin_client_win.h"

namespace {

using namespace orvx;
using namespace orvx::icons;
using standin::StandinItem;

// Repetitions per size: more where a run is short.
int repetitions(int icons) { return icons <= 100 ? 41 : icons <= 500 ? 21 : 9; }

double now_ms() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double time_ms(const std::function<void()>& run) {
  const double start = now_ms();
  run();
  return now_ms() - start;
}

double best(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// Times of an operation and of its floor, one pair per repetition.
struct Pairs {
  std::vector<double> floor, run;

  void add(const std::function<double()>& measure_floor, const std::function<double()>& measure_run) {
    if (floor.size() % 2 == 0) {
      floor.push_back(measure_floor());
      run.push_back(measure_run());
    } else {
      run.push_back(measure_run());
      floor.push_back(measure_floor());
    }
  }
  double ratio() const { return best(run) / best(floor); }
};

// n icons on a grid; `shift` moves the whole layout, so that a restore has
// every icon to move.
std::vector<StandinItem> layout(int n, int shift) {
  std::vector<StandinItem> items;
  for (int i = 0; i < n; ++i)
    items.push_back(
        {"Symbol " + std::to_string(1000 + i) + " Projektordner", (i % 40) * 80 + shift, (i / 40) * 90 + shift});
  return items;
}

DesktopIcons as_icons(const std::vector<StandinItem>& items) {
  DesktopIcons icons;
  for (const StandinItem& item : items) icons.push_back({item.caption, item.x, item.y});
  return icons;
}

uintptr_t address(void* p, uint32_t offset = 0) { return reinterpret_cast<uintptr_t>(p) + offset; }

// Two messages per icon into a buffer set up beforehand; nothing copied.
double read_floor_ms(HWND list_view, DWORD process_id, int n) {
  const RemoteBufferLease lease = RemoteBufferLease::open(process_id, kRemoteBufferSize);
  const layout::ListViewLayout& layout = layout::kBuildLayout;
  const std::vector<uint8_t> record = layout::make_item_record(layout, address(lease.address(), layout.item_text()));
  lease.write(lease.address(), record.data(), record.size());
  const uintptr_t base = address(lease.address());
  return time_ms([&] {
    for (int i = 0; i < n; ++i) {
      SendMessageA(list_view, LVM_GETITEMTEXTA, i, base);
      SendMessageA(list_view, LVM_GETITEMPOSITION, i, base + layout.item_text());
    }
  });
}

// One item at a time: caption, zeroed POINT, POINT.
double read_one_by_one_ms(ShellDesktopAccess& access) {
  return time_ms([&] {
    IconCycle cycle = access.open_cycle();
    for (int i = 0, n = cycle.view().item_count(); i < n; ++i) {
      cycle.view().item_caption(i);
      cycle.view().item_position(i);
    }
  });
}

// One find and one move per entry. The find block is written beforehand
// and always names the middle item, which costs the view as much as the
// entries' own captions do on average; the move goes to the entry's own
// item (entries are in item order), so the view redraws what a restore
// makes it redraw.
double restore_floor_ms(HWND list_view, DWORD process_id, const std::vector<StandinItem>& to) {
  const RemoteBufferLease lease = RemoteBufferLease::open(process_id, kRemoteBufferSize);
  const std::vector<uint8_t> block =
      layout::make_find_block(layout::kBuildLayout, address(lease.address()), to[to.size() / 2].caption);
  lease.write(lease.address(), block.data(), block.size());
  const uintptr_t base = address(lease.address());
  return time_ms([&] {
    for (size_t i = 0; i < to.size(); ++i) {
      SendMessageA(list_view, LVM_FINDITEMA, static_cast<WPARAM>(-1), base);
      SendMessageA(list_view, LVM_SETITEMPOSITION, i, pack_icon_position({to[i].x, to[i].y}));
    }
  });
}

void bench_read(standin::StandinDesktop& desktop, ShellDesktopAccess& access, HWND list_view) {
  std::printf("map read against its floor (two list view messages per icon, nothing copied)\n");
  std::printf("%7s %10s %10s %7s %15s %7s\n", "icons", "floor ms", "read ms", "ratio", "one-by-one ms", "ratio");
  for (int n : {100, 500, 2000}) {
    desktop.load(layout(n, 0));
    Pairs read, one_by_one;
    size_t found = 0;
    for (int r = 0; r < repetitions(n); ++r) {
      auto floor = [&] { return read_floor_ms(list_view, desktop.process_id(), n); };
      const auto count = [&](const DesktopIcons& icons) { found = icons.size(); };
      read.add(floor, [&] { return time_ms([&] { read_minidesk_icons(access, count); }); });
      one_by_one.add(floor, [&] { return read_one_by_one_ms(access); });
    }
    if (static_cast<int>(found) != n)
      std::printf("  the read found %d icons instead of %d\n", static_cast<int>(found), n);
    std::printf("%7d %10.1f %10.1f %7.2f %15.1f %7.2f\n", n, best(read.floor), best(read.run), read.ratio(),
                best(one_by_one.run), one_by_one.ratio());
  }
}

void bench_restore(standin::StandinDesktop& desktop, ShellDesktopAccess& access, HWND list_view) {
  const int n = 500;
  std::printf("restore against its floor (one find and one move message per entry)\n");
  std::printf("%7s %10s %10s %7s\n", "entries", "floor ms", "restore ms", "ratio");
  // Two layouts in turn, so that every icon moves in every measurement.
  const std::vector<StandinItem> layouts[] = {layout(n, 0), layout(n, 40)};
  const DesktopIcons profiles[] = {as_icons(layouts[0]), as_icons(layouts[1])};
  desktop.load(layouts[1]);
  int next = 0;
  Pairs restore;
  for (int r = 0; r < repetitions(n); ++r)
    restore.add([&] { return restore_floor_ms(list_view, desktop.process_id(), layouts[next++ % 2]); },
                [&] {
                  const DesktopIcons& profile = profiles[next++ % 2];
                  return time_ms([&] { restore_desktop_icons(access, profile); });
                });
  std::printf("%7d %10.1f %10.1f %7.2f\n", n, best(restore.floor), best(restore.run), restore.ratio());
}

}  // namespace

int main() {
  std::printf("== icons_win_bench: desktop icon access under Wine, best of %d, %d and %d runs\n", repetitions(100),
              repetitions(500), repetitions(2000));
  try {
    standin::StandinDesktop desktop;
    ShellDesktopAccess access;
    const HWND list_view = desktop.list_view();
    bench_read(desktop, access, list_view);
    bench_restore(desktop, access, list_view);
  } catch (const std::exception& error) {
    std::printf("icons_win_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
