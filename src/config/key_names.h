#pragma once
// The names under which keys appear in shortcut texts, by virtual-key code.
#include <cstdint>
#include <string_view>

namespace orvx::config {

// The lowest and highest key code a shortcut text can name.
inline constexpr uint8_t kFirstNamedKey = 0x08;
inline constexpr uint8_t kLastNamedKey = 0xFF;

// The name of a virtual key (0x08..0xFF), empty when the key has none.
//
// The keys the hotkey field produces most often carry fixed German names
// ("Rück", "Leertaste", "BildAuf", "Pos1", "Entf", ... and "Left" for the
// cursor key). Letters, digits and function keys are their own names; the
// number-pad digits share the names of the top-row digits. Every other key
// carries the name a US keyboard layout gives it ("Caps Lock", "Num *", ";",
// ...); codes that no US keyboard key produces have no name.
std::string_view key_name(uint8_t key);

}  // namespace orvx::config
