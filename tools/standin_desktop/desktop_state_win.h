#pragma once
// What the stand-in knows about itself while it runs.
#include <windows.h>

#include <vector>

namespace standin {

struct DesktopState {
  HWND progman = nullptr;
  HWND list_view = nullptr;
  int snap_count = 0;      // LVM_ARRANGE with LVA_SNAPTOGRID received
  HWND echo_to = nullptr;  // see kEchoTo
  UINT echo_message = 0;
  std::vector<void*> address_space_filled;  // see kFillAddressSpace
};

}  // namespace standin
