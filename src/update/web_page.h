#pragma once
// Which information page of the update information may be opened. The
// address comes from the network (or from a proxy's error page), and the
// shell's "open" runs whatever it is given: a program on this machine or on
// a share as readily as a web page. Only an address of a web page passes.
#include <string_view>

namespace orvx::update {

// True for "http://" or "https://" (any letter case) followed by a host
// that begins with neither "/" nor "\", with no blank, control character
// or backslash anywhere.
bool is_web_page_address(std::string_view address);

}  // namespace orvx::update
