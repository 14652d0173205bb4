#include "icons/shell_list_view_win.h"

#include <commctrl.h>

#include <cstddef>

#include "icons/list_view_layouts.h"
#include "icons/list_view_messages.h"

namespace orvx::icons {

// The buffer layouts are those of 32-bit Windows, and the program is one.
static_assert(sizeof(void*) == 4, "the list view layouts are 32-bit");
static_assert(offsetof(LVITEMA, pszText) == layout::kRecordTextPointer);
static_assert(offsetof(LVITEMA, cchTextMax) == layout::kRecordTextCapacity);
static_assert(offsetof(LVITEMA, iGroupId) == layout::kItemRecordSize);
static_assert(sizeof(LVFINDINFOA) == layout::kFindRecordSize);
static_assert(offsetof(LVFINDINFOA, psz) == layout::kFindText);
static_assert(sizeof(POINT) == layout::kPointSize);
static_assert(LVM_GETITEMCOUNT == lvm::kGetItemCount && LVM_FINDITEMA == lvm::kFindItemA &&
              LVM_SETITEMPOSITION == lvm::kSetItemPosition && LVM_GETITEMPOSITION == lvm::kGetItemPosition &&
              LVM_ARRANGE == lvm::kArrange && LVM_GETITEMTEXTA == lvm::kGetItemTextA &&
              LVM_GETEXTENDEDLISTVIEWSTYLE == lvm::kGetExtendedStyle && LVFI_STRING == lvm::kFindString &&
              LVA_SNAPTOGRID == lvm::kArrangeSnapToGrid && LVS_AUTOARRANGE == lvm::kStyleAutoArrange &&
              LVS_EX_SNAPTOGRID == lvm::kExStyleSnapToGrid);

ShellListViewChannel::ShellListViewChannel(HWND list_view, DWORD process_id, SIZE_T buffer_size)
    : list_view_(list_view), lease_(process_id, buffer_size) {}

uint32_t ShellListViewChannel::buffer_address() const {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(lease_.address()));
}

int32_t ShellListViewChannel::send(uint32_t message, uint32_t wparam, uint32_t lparam) {
  return static_cast<int32_t>(SendMessageA(list_view_, message, wparam, lparam));
}

void ShellListViewChannel::write(uint32_t address, const void* data, size_t count) {
  WriteRemoteBuffer(data, reinterpret_cast<void*>(static_cast<uintptr_t>(address)), count);
}

void ShellListViewChannel::read(uint32_t address, void* into, size_t count) {
  ReadRemoteBuffer(reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), into, count);
}

}  // namespace orvx::icons
