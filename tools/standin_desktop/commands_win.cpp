#include "commands_win.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "list_view_state_win.h"
#include "platform/scoped_win.h"
#include "standin_shared/standin_protocol.h"

namespace standin {

namespace {

// The tab-separated whole numbers of a command's data.
std::vector<long long> numbers_in(const std::string& data) {
  std::vector<long long> numbers;
  const char* p = data.c_str();
  for (;;) {
    char* end = nullptr;
    const long long n = std::strtoll(p, &end, 10);
    if (end == p) break;
    numbers.push_back(n);
    if (*end != '\t') break;
    p = end + 1;
  }
  return numbers;
}

// Answers the command at once, then keeps this thread, and with it every
// window of the stand-in, away from its messages until released or until
// `ms` have passed.
void hang(DWORD ms) {
  orvx::win::ScopedHandle release(
      CreateEventA(nullptr, FALSE, FALSE, release_event_name(GetCurrentProcessId()).c_str()));
  if (!release) return;
  ReplyMessage(1);
  WaitForSingleObject(release.get(), ms);
}

void release_address_space(std::vector<void*>& ranges) {
  for (void* range : ranges) VirtualFree(range, 0, MEM_RELEASE);
  ranges.clear();
}

// Reserves the free ranges of a 32-bit address space from the largest size
// down to a page, until none is left: a small hole can still take a small
// buffer. The list of ranges is made room for first, so that filling it
// needs no memory of its own.
void fill_address_space(std::vector<void*>& ranges) {
  release_address_space(ranges);
  ranges.reserve(1 << 17);
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  const SIZE_T largest = SIZE_T{1} << 30;
  for (SIZE_T size = largest; size >= info.dwPageSize; size /= 2) {
    while (ranges.size() < ranges.capacity()) {
      void* range = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
      if (!range) break;
      ranges.push_back(range);
    }
  }
}

bool write_report(HWND list_view, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << format_items(report_items(list_view));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

LRESULT run_command(DesktopState& state, const COPYDATASTRUCT& request) {
  const std::string data(static_cast<const char*>(request.lpData), request.cbData);
  const std::vector<long long> numbers = numbers_in(data);
  switch (request.dwData) {
    case kLoadItems: {
      const std::vector<StandinItem> items = parse_items(data);
      load_items(state.list_view, items);
      return static_cast<LRESULT>(items.size());
    }
    case kReport:
      return write_report(state.list_view, data) ? 1 : 0;
    case kMoveItem:
      if (numbers.size() != 3) return 0;
      return move_item(state.list_view, static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
                       static_cast<int>(numbers[2]))
                 ? 1
                 : 0;
    case kSetModes:
      if (numbers.size() != 2) return 0;
      set_modes(state.list_view, numbers[0] != 0, numbers[1] != 0);
      return 1;
    case kGetModes:
      return static_cast<LRESULT>(mode_bits(state.list_view));
    case kSnapCount:
      return state.snap_count;
    case kListView:
      return reinterpret_cast<LRESULT>(state.list_view);
    case kEchoTo:
      state.echo_to = numbers.empty() ? nullptr : reinterpret_cast<HWND>(static_cast<uintptr_t>(numbers[0]));
      return 1;
    case kHang:
      if (numbers.size() != 1 || numbers[0] < 0 || numbers[0] > kLongestHangMs) return 0;
      hang(static_cast<DWORD>(numbers[0]));
      return 1;
    case kFillAddressSpace:
      if (numbers.size() != 1 || sizeof(void*) != 4) return 0;
      if (numbers[0] != 0) {
        fill_address_space(state.address_space_filled);
      } else {
        release_address_space(state.address_space_filled);
      }
      return 1;
    default:
      return 0;
  }
}

}  // namespace standin
