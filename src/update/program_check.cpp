#include "update/program_check.h"

#include <vector>

#include "platform/file_streams.h"

namespace orvx::update {
namespace {

constexpr size_t kDosHeaderSize = 64;
constexpr size_t kNtHeaderOffsetField = 60;
constexpr size_t kFileHeaderSize = 20;
constexpr size_t kOptionalHeaderSizeField = 16;  // within the file header
constexpr size_t kSubsystemField = 68;           // within the optional header, PE32 and PE32+
// The headers of a sound image lie in its first 4 KiB and a bit; a header
// offset beyond this is no program.
constexpr size_t kHeadSize = 64 * 1024;

uint16_t word_at(std::string_view bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1])
                                                                               << 8);
}
uint32_t dword_at(std::string_view bytes, size_t offset) {
  return word_at(bytes, offset) | static_cast<uint32_t>(word_at(bytes, offset + 2)) << 16;
}

}  // namespace

PeFacts read_pe_facts(std::string_view head) {
  if (head.size() < kDosHeaderSize || head[0] != 'M' || head[1] != 'Z') return {};
  const uint32_t nt = dword_at(head, kNtHeaderOffsetField);
  if (nt > head.size() || head.size() - nt < 4 + kFileHeaderSize) return {};
  if (head.substr(nt, 4) != std::string_view("PE\0\0", 4)) return {};
  const size_t file_header = nt + 4;
  const uint16_t optional_size = word_at(head, file_header + kOptionalHeaderSizeField);
  const size_t optional_header = file_header + kFileHeaderSize;
  if (optional_size < kSubsystemField + 2 || head.size() - optional_header < kSubsystemField + 2) {
    return {};
  }
  PeFacts facts;
  facts.machine = word_at(head, file_header);
  facts.subsystem = word_at(head, optional_header + kSubsystemField);
  return facts;
}

bool is_program_for(std::string_view head, uint16_t machine) {
  const PeFacts facts = read_pe_facts(head);
  return facts.machine == machine && machine != 0 && facts.subsystem == kSubsystemWindowsGui;
}

bool file_is_program_for(const std::string& path, uint16_t machine) {
  // Through the files layer, not a standard stream: a stream would bring the
  // whole locale machinery into the program file.
  std::optional<files::FileReader> file = files::FileReader::open(path, files::Sharing::kDenyWrite);
  if (!file) return false;
  std::vector<char> head(kHeadSize);
  size_t filled = 0;
  while (filled < head.size()) {
    const std::optional<size_t> got = file->read(head.data() + filled, head.size() - filled);
    if (!got) return false;
    if (*got == 0) break;
    filled += *got;
  }
  return is_program_for(std::string_view(head.data(), filled), machine);
}

}  // namespace orvx::update
