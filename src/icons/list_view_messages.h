#pragma once
// The list view messages and bits the icon access sends, with the values of
// the Windows headers, so that portable code can speak of them.
#include <cstdint>

namespace orvx::icons::lvm {

inline constexpr uint32_t kGetItemCount = 0x1004;      // LVM_GETITEMCOUNT
inline constexpr uint32_t kFindItemA = 0x100D;         // LVM_FINDITEMA
inline constexpr uint32_t kSetItemPosition = 0x100F;   // LVM_SETITEMPOSITION
inline constexpr uint32_t kGetItemPosition = 0x1010;   // LVM_GETITEMPOSITION
inline constexpr uint32_t kArrange = 0x1016;           // LVM_ARRANGE
inline constexpr uint32_t kGetItemTextA = 0x102D;      // LVM_GETITEMTEXTA
inline constexpr uint32_t kGetExtendedStyle = 0x1037;  // LVM_GETEXTENDEDLISTVIEWSTYLE

inline constexpr uint32_t kFindString = 0x0002;             // LVFI_STRING
inline constexpr uint32_t kArrangeSnapToGrid = 5;           // LVA_SNAPTOGRID
inline constexpr uint32_t kStyleAutoArrange = 0x0100;       // LVS_AUTOARRANGE
inline constexpr uint32_t kExStyleSnapToGrid = 0x00080000;  // LVS_EX_SNAPTOGRID

}  // namespace orvx::icons::lvm
