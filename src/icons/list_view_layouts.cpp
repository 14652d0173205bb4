#include "icons/list_view_layouts.h"

#include <algorithm>
#include <cstring>

#include "icons/list_view_messages.h"

namespace orvx::icons::layout {

void PutUint32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetUint32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

int32_t GetInt32(const uint8_t* at) { return static_cast<int32_t>(GetUint32(at)); }

ItemRecord MakeItemRecord(uint32_t text_address) {
  ItemRecord record{};
  PutUint32(&record[kRecordTextPointer], text_address);
  PutUint32(&record[kRecordTextCapacity], kTextCapacity);
  return record;
}

FindBlock MakeFindBlock(uint32_t block_address, std::string_view caption) {
  FindBlock block{};
  PutUint32(&block[kFindFlags], lvm::kFindString);
  PutUint32(&block[kFindText], block_address + kFindRecordSize);
  const size_t n = std::min(caption.size(), kFindCaptionMax);
  std::memcpy(&block[kFindRecordSize], caption.data(), n);
  return block;
}

uint32_t UsableTextLength(int32_t reported) {
  return static_cast<uint32_t>(std::clamp<int32_t>(reported, 0, kTextCapacity - 1));
}

std::string CaptionFromText(const uint8_t* text, uint32_t length) {
  const auto* begin = reinterpret_cast<const char*>(text);
  return std::string(begin, std::find(begin, begin + length, '\0'));
}

}  // namespace orvx::icons::layout
