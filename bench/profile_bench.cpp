// Our profile save and read at 100, 1000 and 5000 icons, natively, against
// reading the same profile key by key through the single-value reads (each
// of which reads and scans the file): why a profile is parsed once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "ini/ini_file.h"
#include "platform/files.h"
#include "profiles/profile_file.h"

namespace {

using Clock = std::chrono::steady_clock;

orvx::DesktopIcons desktop(int n) {
  orvx::DesktopIcons icons;
  for (int i = 0; i < n; ++i) {
    icons.push_back({"Verknüpfung zu Programm " + std::to_string(i), i * 75 % 1900, i * 13 % 1000});
  }
  return icons;
}

double best_seconds(int runs, const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

size_t read_key_by_key(const std::string& path) {
  size_t sum = 0;
  for (const std::string& name : orvx::ini::read_section_names(path)) {
    sum += orvx::ini::read_integer(path, name, "x", 0) + orvx::ini::read_integer(path, name, "y", 0);
  }
  return sum;
}

}  // namespace

int main() {
  std::string path = orvx::files::temp_folder() + "orvx-profile-bench.qpf";
  double save_1000 = 0, read_1000 = 0;
  std::printf("%6s | %10s %10s | %14s %8s\n", "icons", "save", "read", "key-by-key read", "ratio");
  for (int n : {100, 1000, 5000}) {
    orvx::DesktopIcons icons = desktop(n);
    double save = best_seconds(25, [&] { orvx::write_profile_file(icons, path, {1920, 1080}, 2); });
    double read = best_seconds(25, [&] { orvx::read_profile_file(path); });
    double by_key = best_seconds(n > 1000 ? 1 : 3, [&] { read_key_by_key(path); });
    std::printf("%6d | %8.2fms %8.2fms | %12.1fms %7.0fx\n", n, save * 1e3, read * 1e3, by_key * 1e3, by_key / read);
    if (n == 1000) {
      save_1000 = save;
      read_1000 = read;
    } else if (n == 5000) {
      std::printf("\n5000 against 1000 icons: save %.1fx, read %.1fx the cost (target: at most 6x)\n", save / save_1000,
                  read / read_1000);
    }
  }
  orvx::files::delete_file(path);
  return 0;
}
