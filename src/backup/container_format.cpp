#include "backup/container_format.h"

namespace orvx::backup {

void put_le32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t get_le32(const unsigned char* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

void append_record(std::string& image, std::string_view folder_part, std::string_view name, uint32_t size,
                   std::string_view compressed) {
  image += static_cast<char>(folder_part.size());
  image += folder_part;
  image += static_cast<char>(name.size());
  image += name;
  put_le32(image, size);
  put_le32(image, static_cast<uint32_t>(compressed.size()));
  image += compressed;
}

}  // namespace orvx::backup
