#pragma once
// What the benchmarks that measure against python3 share: timing of our side
// (wall-clock and processor time) and of a python3 script that times itself
// and prints "WALL CPU", and a folder tree removed after the run.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/files.h"

namespace bench {

// Wall-clock and processor time of one run, in seconds.
struct Timing {
  double wall = 1e9, cpu = 1e9;
  void keep_best(const Timing& t) {
    wall = std::min(wall, t.wall);
    cpu = std::min(cpu, t.cpu);
  }
};

inline double cpu_seconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

template <class Work>
Timing time_of(Work&& work) {
  using Clock = std::chrono::steady_clock;
  auto start = Clock::now();
  double start_cpu = cpu_seconds();
  work();
  return {std::chrono::duration<double>(Clock::now() - start).count(), cpu_seconds() - start_cpu};
}

// Runs `command` (a python3 script that measures itself) and reads the
// "WALL CPU" line it prints; 1e9 each when it did not run.
inline Timing python_timing(const std::string& command) {
  Timing t;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return t;
  char line[128] = {};
  if (std::fgets(line, sizeof line, pipe.get())) std::sscanf(line, "%lf %lf", &t.wall, &t.cpu);
  return t;
}

// One operation measured on both sides.
struct Measured {
  const char* what;
  Timing ours, python;
};

// The table of times and ratios ours / python3, wall-clock and processor
// time for each operation.
inline void print_ratios(std::initializer_list<Measured> rows, int rounds) {
  std::printf("%-8s %-6s %10s %14s %8s\n", "", "time", "ours", "python3 zlib", "ratio");
  for (const Measured& m : rows) {
    std::printf("%-8s %-6s %8.3f s %12.3f s %8.2f\n", m.what, "wall", m.ours.wall, m.python.wall,
                m.ours.wall / m.python.wall);
    std::printf("%-8s %-6s %8.3f s %12.3f s %8.2f\n", m.what, "cpu", m.ours.cpu, m.python.cpu,
                m.ours.cpu / m.python.cpu);
  }
  std::printf(
      "(ratio = ours / python3, aim at most 1.2; python3 timed inside the interpreter, "
      "without its start-up; best of %d alternating rounds)\n",
      rounds);
}

inline void remove_tree(const std::string& folder) {
  namespace files = orvx::files;
  for (const auto& entry : files::list_folder(folder, "*")) {
    if (entry.name == "." || entry.name == "..") continue;
    std::string path = files::with_separator(folder) + entry.name;
    if (entry.attributes & files::kDirectory)
      remove_tree(path);
    else
      files::delete_file(path);
  }
  files::remove_folder(folder);
}

}  // namespace bench
