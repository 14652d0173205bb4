#pragma once
// Messages that carry one number, such as the Minidesk's count of icons
// outside the desktop, "%s Icon(s) ausserhalb des Desktops".
//
// A message comes from a language file, so its text is not trusted: the
// number goes in only where the text has exactly one "%s" (or "%S") and no
// other directive than "%%" (a percent sign). Any other text, with "%d",
// "%5s", two "%s", a lone "%" or no "%s" at all, is shown as it stands.
#include <cstdint>
#include <string>
#include <string_view>

namespace orvx::minidesk {

std::string format_count_message(std::string_view text, int32_t count);

}  // namespace orvx::minidesk
