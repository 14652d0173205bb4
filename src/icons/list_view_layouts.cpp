#include "icons/list_view_layouts.h"

#include <algorithm>
#include <cstring>

#include "icons/list_view_messages.h"

namespace orvx::icons::layout {

void put_uint32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t get_uint32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
         static_cast<uint32_t>(at[3]) << 24;
}

int32_t get_int32(const uint8_t* at) { return static_cast<int32_t>(get_uint32(at)); }

void put_pointer(const ListViewLayout& layout, uint8_t* at, uint64_t address) {
  for (uint32_t i = 0; i < layout.pointer_size; ++i) at[i] = static_cast<uint8_t>(address >> (8 * i));
}

std::vector<uint8_t> make_item_record(const ListViewLayout& layout, uint64_t text_address) {
  std::vector<uint8_t> record(layout.item_record_size, 0);
  put_pointer(layout, &record[layout.record_text_pointer], text_address);
  put_uint32(&record[layout.record_text_capacity], kTextCapacity);
  return record;
}

std::vector<uint8_t> make_find_block(const ListViewLayout& layout, uint64_t block_address, std::string_view caption) {
  std::vector<uint8_t> block(layout.find_block_size(), 0);
  put_uint32(&block[0], lvm::kFindString);
  put_pointer(layout, &block[layout.find_text], block_address + layout.find_record_size);
  const size_t n = std::min(caption.size(), kFindCaptionMax);
  std::memcpy(&block[layout.find_record_size], caption.data(), n);
  return block;
}

uint32_t usable_text_length(int32_t reported) {
  return static_cast<uint32_t>(std::clamp<int32_t>(reported, 0, kTextCapacity - 1));
}

std::string caption_from_text(const uint8_t* text, uint32_t length) {
  const auto* begin = reinterpret_cast<const char*>(text);
  return std::string(begin, std::find(begin, begin + length, '\0'));
}

}  // namespace orvx::icons::layout
