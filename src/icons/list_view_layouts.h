#pragma once
// The layouts of the buffer in the view's process. The records are the
// 32-bit LVITEMA, LVFINDINFOA and POINT of Windows, built here byte by byte
// (little-endian) so that they do not depend on the headers of the build.
//
// Item-read layout, for one item at a time:
//   0    LVITEMA (40 bytes): zero but pszText (offset 20) = buffer + 40 and
//        cchTextMax (offset 24) = 255
//   40   the caption the view writes, NUL-terminated, at most 254
//        characters; the same bytes take the POINT of a position query
//
// Batch-read layout, for kBatchSlots items per round:
//   slot k's LVITEMA at k * 60, pointing at slot k's text field; 60 bytes
//   leave room for the longest LVITEMA of later systems, so no view can
//   reach the next record
//   slot k's POINT at kBatchPoints + 8k, zeroed before each round, so that
//   a failed position query reads as (0, 0)
//   slot k's text field (255 bytes) at kBatchTexts + 255k
// The POINTs and the texts lie back to back, so one copy brings home the
// captions and positions of a whole round.
//
// Find layout, one block of 285 bytes:
//   0    LVFINDINFOA (24 bytes): flags = LVFI_STRING, psz = buffer + 24
//   24   the caption, NUL-terminated, zero-filled: at most 260 characters
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvx::icons::layout {

// Every cycle reserves this much (0xFFF bytes).
inline constexpr uint32_t kBufferSize = 4095;

inline constexpr uint32_t kItemRecordSize = 40;
inline constexpr uint32_t kRecordTextPointer = 20;   // LVITEMA::pszText
inline constexpr uint32_t kRecordTextCapacity = 24;  // LVITEMA::cchTextMax
inline constexpr uint32_t kTextCapacity = 255;
inline constexpr uint32_t kItemText = 40;
inline constexpr uint32_t kPointSize = 8;

inline constexpr int kBatchSlots = 12;
inline constexpr uint32_t kBatchRecordStride = 60;
inline constexpr uint32_t kBatchPoints = kBatchSlots * kBatchRecordStride;
inline constexpr uint32_t kBatchTexts = kBatchPoints + kBatchSlots * kPointSize;
inline constexpr uint32_t kBatchEnd = kBatchTexts + kBatchSlots * kTextCapacity;
static_assert(kBatchEnd <= kBufferSize);

constexpr uint32_t BatchRecord(int slot) { return slot * kBatchRecordStride; }
constexpr uint32_t BatchPoint(int slot) { return kBatchPoints + slot * kPointSize; }
constexpr uint32_t BatchText(int slot) { return kBatchTexts + slot * kTextCapacity; }

inline constexpr uint32_t kFindRecordSize = 24;
inline constexpr uint32_t kFindFlags = 0;   // LVFINDINFOA::flags
inline constexpr uint32_t kFindText = 4;    // LVFINDINFOA::psz
inline constexpr uint32_t kFindBlockSize = 285;
inline constexpr size_t kFindCaptionMax = kFindBlockSize - kFindRecordSize - 1;

using ItemRecord = std::array<uint8_t, kItemRecordSize>;
using FindBlock = std::array<uint8_t, kFindBlockSize>;

void PutUint32(uint8_t* at, uint32_t value);
uint32_t GetUint32(const uint8_t* at);
int32_t GetInt32(const uint8_t* at);

// An LVITEMA asking for an item's caption into `text_address`.
ItemRecord MakeItemRecord(uint32_t text_address);

// The find block for `caption`, to be written at `block_address`. The
// caption is cut to kFindCaptionMax characters (callers skip longer ones).
FindBlock MakeFindBlock(uint32_t block_address, std::string_view caption);

// The caption length a view reported, as far as it can be trusted: between
// 0 and the 254 characters the text field holds.
uint32_t UsableTextLength(int32_t reported);

// The caption in a text field the view wrote: the first `length`
// characters, up to a NUL.
std::string CaptionFromText(const uint8_t* text, uint32_t length);

}  // namespace orvx::icons::layout
