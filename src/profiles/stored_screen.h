#pragma once
// The screen a profile was saved at, as its information section records it
// ("Res" and "Count"), and whether an automatic save may write into it.
//
// An automatic save (the auto-save timer) must never learn a layout taken
// while the screen was in another state: a game at 800x600 squeezes the
// icons onto the small screen, and a save of that into the 1920x1080
// profile would make the restore after the game bring the squeezed layout
// back. So it writes only into a profile saved at the current screen size
// and monitor count, or one that records none. Saves the user starts are
// not bound by this.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "profiles/screen_size.h"

namespace orvx {

struct StoredScreen {
  std::optional<ScreenSize> size;        // "Res", when it is "WIDTHxHEIGHT"
  std::optional<int32_t> monitor_count;  // "Count", when it is a number
};

// "1920x1080" as a size; nullopt for anything else.
std::optional<ScreenSize> parse_screen_size_text(std::string_view text);

// What the profile `file_name` records; nothing for a missing file.
StoredScreen read_stored_screen(const std::string& file_name);

// True when the profile records no screen size, or the size of `screen` and
// no other monitor count than its.
bool profile_fits_screen(const StoredScreen& stored, const ScreenMeasures& screen);

}  // namespace orvx
