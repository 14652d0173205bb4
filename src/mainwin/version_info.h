#pragma once
// The program's own version, as its version resource carries it, and the
// version line shown on the Minidesk.
#include <string>
#include <string_view>

namespace orvx::mainwin {

// The file version of a fixed file information block (VS_FIXEDFILEINFO, as
// the version resource's root value holds it): the high and low words of the
// most significant part, then of the least significant part, in decimal,
// joined by ".", such as "1.2.3.4". Empty for a block that is too short or
// lacks the block's signature.
std::string version_from_fixed_file_info(std::string_view block);

// "Version: " + version + " - " + the formatted build time.
std::string version_line(std::string_view version, std::string_view build_time_text);

}  // namespace orvx::mainwin
