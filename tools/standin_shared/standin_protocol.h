#pragma once
// How tests, benchmarks and scripts control the stand-in desktop: each
// command is a WM_COPYDATA message sent to its "Progman" window, the
// command in dwData, text arguments in the data, the answer in the result.
// The stand-in answers from its own process, never through the icon access
// under test.
#include <windows.h>

#include <string>

namespace standin {

enum Command : ULONG_PTR {
  // data: items in the item file format (item_file.h); replaces all items.
  // Result: the number of items loaded.
  kLoadItems = 0x53440001,
  // data: a file path. Writes every item's full caption and position, read
  // in the stand-in's own process, in the item file format. Result: 1 when
  // written.
  kReport,
  // data: "index<TAB>x<TAB>y". Result: 1 when the item was moved.
  kMoveItem,
  // data: "auto<TAB>snap", each 0 or 1: switches LVS_AUTOARRANGE and
  // LVS_EX_SNAPTOGRID. Result: 1.
  kSetModes,
  // Result: the LVS_AUTOARRANGE bit of the window style combined with the
  // LVS_EX_SNAPTOGRID bit of the extended style.
  kGetModes,
  // Result: how many LVM_ARRANGE messages with LVA_SNAPTOGRID arrived.
  kSnapCount,
  // Result: the list view window.
  kListView,
  // data: a window handle in decimal, or "0". From now on every
  // LVM_GETITEMCOUNT that another thread sends makes the stand-in send the
  // registered message kEchoMessage to that window first, as a shell would
  // that notifies while it handles a message. Result: 1.
  kEchoTo,
  // data: a time in milliseconds, at most kLongestHangMs. The stand-in
  // answers 1 and then stops handling messages, as a hung shell does: its
  // window thread waits until the release event (ReleaseEventName) is set
  // or the time is up, whichever comes first. Its windows, the list view
  // among them, answer nothing meanwhile, the commands included. Result: 1,
  // or 0 for a time out of range.
  kHang,
  // data: "1" or "0". With "1" the stand-in reserves every free range of its
  // address space, so that no other process can reserve memory in it (the
  // buffer of an icon access fails, as in a shell short of address space);
  // with "0" it gives them back. Result: 1, or 0 from a 64-bit stand-in:
  // its address space is too large to fill (Wine keeps a byte per reserved
  // page).
  kFillAddressSpace,
};

inline constexpr char kEchoMessage[] = "OrvaneX.StandinDesktop.Echo";

// The longest a kHang may last, so that no test can leave a stand-in hung
// for longer.
inline constexpr DWORD kLongestHangMs = 60000;

// The auto-reset event that ends a kHang of the stand-in with this process
// id; the stand-in creates it.
inline std::string release_event_name(DWORD process_id) {
  return "OrvaneX.StandinDesktop.Release." + std::to_string(process_id);
}

}  // namespace standin
