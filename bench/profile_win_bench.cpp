// Saving and reading profiles of 100, 1000 and 5000 icons: our one-piece
// write and one-parse read against the platform's private-profile functions
// used key by key, measured side by side in one run.
//
//   profile_win_bench.exe          the platform's save of 5000 icons is
//                                  extrapolated from its measured saves of 100
//                                  and 1000 icons (a n + b n^2 through both)
//   profile_win_bench.exe --full   the platform's save of 5000 icons is
//                                  measured too (minutes under Wine)
// Our side is the best of several runs, the platform's side one run each.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "profiles/profile_file.h"

namespace {

using orvx::DesktopIcons;
using Clock = std::chrono::steady_clock;

const orvx::ScreenSize kScreen{1920, 1080};

DesktopIcons desktop(int n) {
  DesktopIcons icons;
  for (int i = 0; i < n; ++i) {
    icons.push_back({"Verknüpfung zu Programm " + std::to_string(i), i * 75 % 1900, i * 13 % 1000});
  }
  return icons;
}

double seconds_of(const std::function<void()>& run) {
  auto start = Clock::now();
  run();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of a few runs, for the fast side: the machine may be busy.
double best_seconds(int runs, const std::function<void()>& run) {
  double best = seconds_of(run);
  for (int i = 1; i < runs; ++i) best = std::min(best, seconds_of(run));
  return best;
}

// Cost a n + b n^2 through two measured points (b not below 0), at n.
double extrapolate(double n1, double t1, double n2, double t2, double n) {
  double b = std::max(0.0, (t2 / n2 - t1 / n1) / (n2 - n1));
  double a = t2 / n2 - b * n2;
  return a * n + b * n * n;
}

void platform_save(const DesktopIcons& icons, const std::string& path) {
  DeleteFileA(path.c_str());
  for (const auto& icon : icons) {
    if (WritePrivateProfileStringA(icon.caption.c_str(), "x", std::to_string(icon.x).c_str(), path.c_str())) {
      WritePrivateProfileStringA(icon.caption.c_str(), "y", std::to_string(icon.y).c_str(), path.c_str());
    }
  }
  WritePrivateProfileStringA("ORV_Infos", "Icons", std::to_string(icons.size()).c_str(), path.c_str());
  WritePrivateProfileStringA("ORV_Infos", "Res", "1920x1080", path.c_str());
  WritePrivateProfileStringA("ORV_Infos", "Count", "2", path.c_str());
}

size_t platform_read(const std::string& path) {
  std::vector<char> names(1 << 20);
  DWORD n = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), path.c_str());
  size_t icons = 0;
  for (const char* name = names.data(); name < names.data() + n && *name; name += std::strlen(name) + 1) {
    GetPrivateProfileIntA(name, "x", 0, path.c_str());
    GetPrivateProfileIntA(name, "y", 0, path.c_str());
    ++icons;
  }
  return icons;
}

// Dates the file an hour back, as a profile saved earlier is: the platform
// reloads files younger than two seconds at every call.
void settle(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{};
  t.LowPart = now.dwLowDateTime;
  t.HighPart = now.dwHighDateTime;
  t.QuadPart -= 3600ull * 10000000ull;
  FILETIME past{t.LowPart, t.HighPart};
  SetFileTime(h, nullptr, nullptr, &past);
  CloseHandle(h);
}

struct Row {
  int icons;
  double ours_save, platform_save, ours_read, platform_read;
  bool platform_save_extrapolated;
};

}  // namespace

int main(int argc, char** argv) {
  bool full = argc > 1 && std::strcmp(argv[1], "--full") == 0;
  std::string folder = orvx::files::temp_folder() + "orvx-profile-bench\\";
  orvx::files::create_folder(folder);
  std::string ours = folder + "ours.qpf";
  std::string theirs = folder + "theirs.qpf";

  std::vector<Row> rows;
  for (int n : {100, 1000, 5000}) {
    DesktopIcons icons = desktop(n);
    Row row{n, 0, 0, 0, 0, false};
    row.ours_save = best_seconds(9, [&] { orvx::write_profile_file(icons, ours, kScreen, 2); });
    settle(ours);
    row.ours_read = best_seconds(9, [&] { orvx::read_profile_file(ours); });
    if (n < 5000 || full) {
      row.platform_save = seconds_of([&] { platform_save(icons, theirs); });
    } else {
      row.platform_save = extrapolate(100, rows[0].platform_save, 1000, rows[1].platform_save, 5000);
      row.platform_save_extrapolated = true;
      // The file for the read: the same bytes as the platform's own writes.
      orvx::write_profile_file(icons, theirs, kScreen, 2);
    }
    settle(theirs);
    row.platform_read = seconds_of([&] { platform_read(theirs); });
    std::printf("%5d icons measured\n", n);
    std::fflush(stdout);
    rows.push_back(row);
  }

  std::printf("\n%6s | %11s %13s %9s | %11s %13s %9s\n", "icons", "ours save", "platform save", "faster", "ours read",
              "platform read", "faster");
  for (const Row& r : rows) {
    std::printf("%6d | %9.2fms %11.1fms%s %8.0fx | %9.2fms %11.1fms %8.0fx\n", r.icons, r.ours_save * 1e3,
                r.platform_save * 1e3, r.platform_save_extrapolated ? "*" : " ", r.platform_save / r.ours_save,
                r.ours_read * 1e3, r.platform_read * 1e3, r.platform_read / r.ours_read);
  }
  if (rows.back().platform_save_extrapolated) {
    std::printf("* extrapolated from the platform's 100 and 1000 icons; --full measures it\n");
  }
  const Row& k1 = rows[1];
  const Row& k5 = rows[2];
  std::printf("\nours, 5000 against 1000 icons: save %.1fx, read %.1fx the cost (target: at most 6x)\n",
              k5.ours_save / k1.ours_save, k5.ours_read / k1.ours_read);
  std::printf("ours against the platform at 1000 icons: save %.0fx, read %.0fx faster (target: at least 100x)\n",
              k1.platform_save / k1.ours_save, k1.platform_read / k1.ours_read);

  orvx::files::delete_file(ours);
  orvx::files::delete_file(theirs);
  orvx::files::remove_folder(folder);
  return 0;
}
