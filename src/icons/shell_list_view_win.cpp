#include "icons/shell_list_view_win.h"

#include <commctrl.h>

#include <cstddef>

#include "icons/list_view_layouts.h"
#include "icons/list_view_messages.h"

namespace orvx::icons {

// The shell's view has the program's own pointer width; its records are
// those of this build's headers.
constexpr const layout::ListViewLayout& kLayout = layout::kBuildLayout;
static_assert(sizeof(void*) == kLayout.pointer_size);
static_assert(offsetof(LVITEMA, pszText) == kLayout.record_text_pointer);
static_assert(offsetof(LVITEMA, cchTextMax) == kLayout.record_text_capacity);
static_assert(offsetof(LVITEMA, iGroupId) == kLayout.item_record_size);
// Vista's LVITEMA adds piColFmt and iGroup after puColumns; the batch
// stride leaves room for all of it.
constexpr size_t kVistaItemEnd = offsetof(LVITEMA, puColumns) + 2 * sizeof(void*) + sizeof(int);
static_assert((kVistaItemEnd + alignof(LVITEMA) - 1) / alignof(LVITEMA) * alignof(LVITEMA) ==
              kLayout.batch_record_stride);
static_assert(sizeof(LVFINDINFOA) == kLayout.find_record_size);
static_assert(offsetof(LVFINDINFOA, flags) == 0);
static_assert(offsetof(LVFINDINFOA, psz) == kLayout.find_text);
static_assert(sizeof(POINT) == layout::kPointSize);
static_assert(LVM_GETITEMCOUNT == lvm::kGetItemCount && LVM_FINDITEMA == lvm::kFindItemA &&
              LVM_SETITEMPOSITION == lvm::kSetItemPosition && LVM_GETITEMPOSITION == lvm::kGetItemPosition &&
              LVM_ARRANGE == lvm::kArrange && LVM_GETITEMTEXTA == lvm::kGetItemTextA &&
              LVM_GETEXTENDEDLISTVIEWSTYLE == lvm::kGetExtendedStyle && LVFI_STRING == lvm::kFindString &&
              LVA_SNAPTOGRID == lvm::kArrangeSnapToGrid && LVS_AUTOARRANGE == lvm::kStyleAutoArrange &&
              LVS_EX_SNAPTOGRID == lvm::kExStyleSnapToGrid);

std::optional<LRESULT> send_to_list_view(HWND list_view, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(list_view, message, wparam, lparam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kListViewAnswerTimeoutMs,
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

ShellListViewChannel::ShellListViewChannel(HWND list_view, DWORD process_id, SIZE_T buffer_size)
    : list_view_(list_view), lease_(RemoteBufferLease::open(process_id, buffer_size)) {}

uint64_t ShellListViewChannel::buffer_address() const { return reinterpret_cast<uintptr_t>(lease_.address()); }

std::optional<int32_t> ShellListViewChannel::send(uint32_t message, uint64_t wparam, uint64_t lparam) {
  const std::optional<LRESULT> result =
      send_to_list_view(list_view_, message, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
  if (!result) {
    lease_.leave_memory_in_place();
    return std::nullopt;
  }
  return static_cast<int32_t>(*result);
}

void ShellListViewChannel::write(uint64_t address, const void* data, size_t count) {
  lease_.write(reinterpret_cast<void*>(static_cast<uintptr_t>(address)), data, count);
}

void ShellListViewChannel::read(uint64_t address, void* into, size_t count) {
  lease_.read(reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), into, count);
}

}  // namespace orvx::icons
