#pragma once
// The layouts of the buffer in the view's process. The records are the
// LVITEMA, LVFINDINFOA and POINT of Windows, built here byte by byte
// (little-endian) so that they do not depend on the headers of the build.
// A list view reads them with its own pointer width, so there is one layout
// for 32-bit views and one for 64-bit views; the shell's view has the
// program's own width (kBuildLayout).
//
// Item-read layout, for one item at a time:
//   0    LVITEMA up to iGroupId: zero but pszText = buffer + item_record_size
//        and cchTextMax = 255
//   item_record_size
//        the caption the view writes, NUL-terminated, at most 254
//        characters; the same bytes take the POINT of a position query
//
// Batch-read layout, for batch_slots items per round:
//   slot k's LVITEMA at k * batch_record_stride, pointing at slot k's text
//   field; the stride leaves room for the longest LVITEMA of later systems,
//   so no view can reach the next record
//   slot k's POINT at batch_points() + 8k, zeroed before each round, so that
//   a failed position query reads as (0, 0)
//   slot k's text field (255 bytes) at batch_texts() + 255k
// The POINTs and the texts lie back to back, so one copy brings home the
// captions and positions of a whole round.
//
// Find layout, one block of find_block_size() bytes:
//   0    LVFINDINFOA: flags = LVFI_STRING, psz = buffer + find_record_size
//   find_record_size
//        the caption, NUL-terminated, zero-filled: at most 260 characters
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvx::icons::layout {

// Every cycle reserves this much (0xFFF bytes).
inline constexpr uint32_t kBufferSize = 4095;

inline constexpr uint32_t kTextCapacity = 255;
inline constexpr uint32_t kPointSize = 8;
inline constexpr size_t kFindCaptionMax = 260;

// Where a list view of one pointer width reads its records.
struct ListViewLayout {
  uint32_t pointer_size;          // 4 or 8
  uint32_t item_record_size;      // offsetof(LVITEMA, iGroupId)
  uint32_t record_text_pointer;   // offsetof(LVITEMA, pszText)
  uint32_t record_text_capacity;  // offsetof(LVITEMA, cchTextMax)
  uint32_t batch_record_stride;   // sizeof the longest LVITEMA (Vista's)
  int batch_slots;                // as many as the buffer holds
  uint32_t find_record_size;      // sizeof(LVFINDINFOA)
  uint32_t find_text;             // offsetof(LVFINDINFOA, psz); flags at 0

  constexpr uint32_t item_text() const { return item_record_size; }
  constexpr uint32_t batch_points() const { return batch_slots * batch_record_stride; }
  constexpr uint32_t batch_texts() const { return batch_points() + batch_slots * kPointSize; }
  constexpr uint32_t batch_end() const { return batch_texts() + batch_slots * kTextCapacity; }
  constexpr uint32_t batch_record(int slot) const { return slot * batch_record_stride; }
  constexpr uint32_t batch_point(int slot) const { return batch_points() + slot * kPointSize; }
  constexpr uint32_t batch_text(int slot) const { return batch_texts() + slot * kTextCapacity; }
  constexpr uint32_t find_block_size() const { return find_record_size + static_cast<uint32_t>(kFindCaptionMax) + 1; }
};

inline constexpr ListViewLayout k32Bit{
    .pointer_size = 4,
    .item_record_size = 40,
    .record_text_pointer = 20,
    .record_text_capacity = 24,
    .batch_record_stride = 60,
    .batch_slots = 12,
    .find_record_size = 24,
    .find_text = 4,
};

// Eight-byte pointers are aligned to eight: pszText moves to 24, lParam
// widens, and the records grow.
inline constexpr ListViewLayout k64Bit{
    .pointer_size = 8,
    .item_record_size = 52,
    .record_text_pointer = 24,
    .record_text_capacity = 32,
    .batch_record_stride = 88,
    .batch_slots = 11,
    .find_record_size = 40,
    .find_text = 8,
};

static_assert(k32Bit.batch_end() <= kBufferSize && k32Bit.find_block_size() <= kBufferSize);
static_assert(k64Bit.batch_end() <= kBufferSize && k64Bit.find_block_size() <= kBufferSize);

// The layout of a list view with the pointer width of this build.
inline constexpr const ListViewLayout& kBuildLayout = sizeof(void*) == 8 ? k64Bit : k32Bit;

void put_uint32(uint8_t* at, uint32_t value);
uint32_t get_uint32(const uint8_t* at);
int32_t get_int32(const uint8_t* at);
// An address of the view's process, in the layout's pointer width.
void put_pointer(const ListViewLayout& layout, uint8_t* at, uint64_t address);

// An LVITEMA (item_record_size bytes) asking for an item's caption into
// `text_address`.
std::vector<uint8_t> make_item_record(const ListViewLayout& layout, uint64_t text_address);

// The find block (find_block_size() bytes) for `caption`, to be written at
// `block_address`. The caption is cut to kFindCaptionMax characters
// (callers skip longer ones).
std::vector<uint8_t> make_find_block(const ListViewLayout& layout, uint64_t block_address, std::string_view caption);

// The caption length a view reported, as far as it can be trusted: between
// 0 and the 254 characters the text field holds.
uint32_t usable_text_length(int32_t reported);

// The caption in a text field the view wrote: the first `length`
// characters, up to a NUL.
std::string caption_from_text(const uint8_t* text, uint32_t length);

}  // namespace orvx::icons::layout
