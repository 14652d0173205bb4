#include "mainwin/version_info.h"

#include <cstdint>

namespace orvx::mainwin {
namespace {

constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr size_t kFixedFileInfoSize = 13 * 4;
constexpr size_t kFileVersionMsOffset = 8;
constexpr size_t kFileVersionLsOffset = 12;

uint32_t dword_at(std::string_view bytes, size_t offset) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
  return v;
}

}  // namespace

std::string version_from_fixed_file_info(std::string_view block) {
  if (block.size() < kFixedFileInfoSize || dword_at(block, 0) != kFixedFileInfoSignature) return {};
  const uint32_t ms = dword_at(block, kFileVersionMsOffset);
  const uint32_t ls = dword_at(block, kFileVersionLsOffset);
  return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) + "." +
         std::to_string(ls & 0xFFFF);
}

std::string version_line(std::string_view version, std::string_view build_time_text) {
  std::string line = "Version: ";
  line += version;
  line += " - ";
  line += build_time_text;
  return line;
}

}  // namespace orvx::mainwin
