#pragma once
// Whether a downloaded file is a program for this build: a PE image whose
// machine is the running build's and whose subsystem is the Windows GUI.
// Anything else (an error page, a console program, a 64-bit build for a
// 32-bit program) is never installed.
#include <cstdint>
#include <string>
#include <string_view>

namespace orvx::update {

inline constexpr uint16_t kMachineI386 = 0x014C;
inline constexpr uint16_t kMachineAmd64 = 0x8664;
inline constexpr uint16_t kSubsystemWindowsGui = 2;

// The machine this program was built for.
#if defined(__x86_64__) || defined(_M_X64)
inline constexpr uint16_t kRunningMachine = kMachineAmd64;
#else
inline constexpr uint16_t kRunningMachine = kMachineI386;
#endif

// The header fields the check looks at; zero when the bytes are no PE image.
struct PeFacts {
  uint16_t machine = 0;
  uint16_t subsystem = 0;
};

// Reads the MS-DOS header, the PE signature, the file header and the
// optional header's subsystem from the start of a file.
PeFacts read_pe_facts(std::string_view head);

bool is_program_for(std::string_view head, uint16_t machine);
// The same for a file: its first bytes are read.
bool file_is_program_for(const std::string& path, uint16_t machine);

}  // namespace orvx::update
