#pragma once
// Captions are matched the way the desktop view finds items: equal text,
// letters compared without regard to case. Letters are those of
// Windows-1252, the code page of every text the program ships.
#include <string_view>

namespace orvx::icons {

// The upper-case form of one Windows-1252 character; other characters are
// returned unchanged.
char UpperCaseLetter(char c);

bool SameCaption(std::string_view a, std::string_view b);

}  // namespace orvx::icons
