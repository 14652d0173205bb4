#pragma once
// The language catalogue: the server's list of language names, e.g.
// "english,francais".
#include <string>
#include <string_view>
#include <vector>

namespace orvx::lang_online {

// The entries of a catalogue body. Blanks and control characters at both
// ends of the body are cut; an empty rest gives no entries. The rest is cut
// at every ",", and each part stays exactly as it was: a blank after a comma
// begins the next entry, and a trailing comma gives an empty last entry.
std::vector<std::string> split_catalogue(std::string_view body);

}  // namespace orvx::lang_online
