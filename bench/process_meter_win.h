#pragma once
// What a benchmark can learn about another running process of the same
// session: its CPU time and its GDI and USER objects, also under Wine.
//
// Wine keeps no CPU time of other processes (GetProcessTimes gives 0) and
// has no GetGuiResources (a stub that gives 0). There the CPU time is read
// where the host keeps it, /proc/<pid>/stat of the Unix process behind the
// Windows one, found by its command line; GDI objects are counted in the
// process's GDI handle table (the table its PEB points to), and USER
// objects as the windows of the process.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/deadline.h"
#include "platform/scoped_win.h"

namespace bench {

// A function of a system DLL, looked up at run time; nullptr without it.
template <class Fn>
inline Fn system_function(const char* dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
}

inline bool under_wine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

inline std::string lower(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// A whole file of the host's /proc, which tells no size in advance.
inline std::optional<std::string> read_host_file(const std::string& path) {
  const orvx::win::ScopedHandle file = orvx::win::adopt_handle(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  return text;
}

// The CPU time (user + kernel) of a running process, in milliseconds.
class ProcessCpu {
 public:
  // `command_line_part` tells the process apart under Wine, where its host
  // process is found by its command line.
  ProcessCpu(HANDLE process, const std::string& command_line_part) : process_(process) {
    if (!under_wine()) return;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + orvx::harness::kDefaultDeadline;
    while (!(stat_path_ = find_host_stat(lower(command_line_part)))) {
      if (Clock::now() > deadline) throw std::runtime_error("no host process runs " + command_line_part);
      Sleep(50);
    }
  }

  double ms() const {
    if (!stat_path_) {
      FILETIME created, exited, kernel, user;
      if (!GetProcessTimes(process_, &created, &exited, &kernel, &user)) return 0;
      return to_ms(kernel) + to_ms(user);
    }
    // Fields after the command name in parentheses: state is the first,
    // utime the twelfth and stime the thirteenth, in clock ticks of 10 ms.
    const std::string stat = read_host_file(*stat_path_).value_or("");
    const size_t name_end = stat.rfind(')');
    if (name_end == std::string::npos) return 0;
    std::vector<std::string> fields;
    size_t pos = name_end + 2;
    while (pos < stat.size()) {
      const size_t end = std::min(stat.find(' ', pos), stat.size());
      fields.push_back(stat.substr(pos, end - pos));
      pos = end + 1;
    }
    if (fields.size() < 13) return 0;
    return 10.0 * (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str()));
  }

 private:
  static double to_ms(const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  }

  static std::optional<std::string> find_host_stat(const std::string& part) {
    WIN32_FIND_DATAA entry;
    const HANDLE first = FindFirstFileA("Z:\\proc\\*", &entry);
    if (first == INVALID_HANDLE_VALUE) return std::nullopt;
    const orvx::win::ScopedFind find(first);
    do {
      if (entry.cFileName[0] < '0' || entry.cFileName[0] > '9') continue;
      const std::string folder = std::string("Z:\\proc\\") + entry.cFileName + "\\";
      std::string command_line = read_host_file(folder + "cmdline").value_or("");
      std::replace(command_line.begin(), command_line.end(), '\0', ' ');
      if (lower(command_line).find(part) != std::string::npos) return folder + "stat";
    } while (FindNextFileA(find.get(), &entry));
    return std::nullopt;
  }

  HANDLE process_;
  std::optional<std::string> stat_path_;
};

struct GuiObjects {
  long gdi = -1;
  long user = -1;
};

// Wine's GDI handle table: one 24-byte entry per handle, a live one with a
// type; the PEB of a 32-bit process points to it at offset 0x94.
#pragma pack(push, 1)
struct WineGdiEntry {
  unsigned long long object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  unsigned long long user_pointer;
};
#pragma pack(pop)
static_assert(sizeof(WineGdiEntry) == 24);
constexpr size_t kWineGdiHandles = 0x10000;
constexpr size_t kPebGdiTableOffset = 0x94;

inline long count_wine_gdi_objects(HANDLE process) {
  using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = system_function<Query>("ntdll.dll", "NtQueryInformationProcess");
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
  DWORD table = 0;
  SIZE_T got = 0;
  if (!ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTableOffset,
                         &table, sizeof table, &got) ||
      !table) {
    return -1;
  }
  std::vector<WineGdiEntry> entries(kWineGdiHandles);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(static_cast<uintptr_t>(table)), entries.data(),
                         entries.size() * sizeof(WineGdiEntry), &got)) {
    return -1;
  }
  return static_cast<long>(std::count_if(entries.begin(), entries.end(), [](const WineGdiEntry& e) { return e.type; }));
}

struct WindowCount {
  DWORD process_id;
  long count = 0;
};

inline BOOL CALLBACK count_child(HWND, LPARAM lp) {
  ++reinterpret_cast<WindowCount*>(lp)->count;
  return TRUE;
}

inline BOOL CALLBACK count_top_level(HWND window, LPARAM lp) {
  auto* windows = reinterpret_cast<WindowCount*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != windows->process_id) return TRUE;
  ++windows->count;
  EnumChildWindows(window, &count_child, lp);
  return TRUE;
}

inline GuiObjects count_gui_objects(HANDLE process, DWORD process_id) {
  if (!under_wine()) {
    using GetGuiResourcesFn = DWORD(WINAPI*)(HANDLE, DWORD);
    if (const auto get = system_function<GetGuiResourcesFn>("user32.dll", "GetGuiResources")) {
      return {static_cast<long>(get(process, GR_GDIOBJECTS)), static_cast<long>(get(process, GR_USEROBJECTS))};
    }
  }
  WindowCount windows{process_id};
  EnumWindows(&count_top_level, reinterpret_cast<LPARAM>(&windows));
  return {count_wine_gdi_objects(process), windows.count};
}

}  // namespace bench
