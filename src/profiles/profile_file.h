#pragma once
// The profile file: one INI section per icon caption with the keys "x" and
// "y", then the information section "ORV_Infos" with "Icons", "Res" and
// "Count".
//
// The file is built whole in memory and written once, replacing any earlier
// file only when the new one is complete. Its bytes are those that writing
// the keys one by one through the platform's private-profile functions would
// give: sections in the order their captions first occur (compared without
// regard to case; the header keeps the first form, the keys the last
// position), "x" before "y", CR LF line ends.
//
// A caption a section header cannot hold as it is - empty, with a blank or
// control character at either end, or with a line break or NUL inside - is
// left out of the file, so that it cannot merge with or cut into another
// icon's section. "Icons" still counts every icon of the array.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "icons/desktop_icon.h"
#include "profiles/screen_size.h"

namespace orvx {

inline constexpr std::string_view kProfileInfoSection = "ORV_Infos";

// Section names of an INI file in file order, followed by one empty string.
using SectionNames = std::vector<std::string>;
SectionNames read_ini_sections(const std::string& file_name);

// Whether a caption can name a section as it is.
bool is_storable_caption(std::string_view caption);

// The complete content of a profile.
std::string build_profile_text(const DesktopIcons& icons, ScreenSize screen_size, int32_t monitor_count);

// Writes a complete profile. False when it could not be written; an earlier
// file of that name is then left as it was.
bool write_profile_file(const DesktopIcons& icons, const std::string& file_name, ScreenSize screen_size,
                        int32_t monitor_count);

// The icons of a profile, one per section in file order, coordinates that are
// missing or not numbers read as 0. The information section counts as an
// icon only when it has an "x" key, that is when an icon of that caption was
// saved into it. A missing or unreadable file, or one far larger than any
// profile (see ini/bounded_ini.h), gives an empty array.
DesktopIcons read_profile_file(const std::string& file_name);
// The same for a profile's bytes in memory.
DesktopIcons read_profile_text(std::string bytes);

}  // namespace orvx
