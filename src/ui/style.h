#pragma once
// The look shared by all widgets: colours, fonts and the fixed sizes of the
// window chrome. Portable values; the Windows side turns them into GDI
// objects (paint_win.h).
#include <cstdint>
#include <string>

namespace orvx::ui {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb rgb(uint32_t hex) { return Rgb{uint8_t(hex >> 16), uint8_t(hex >> 8), uint8_t(hex)}; }

// A font by face name and character height in pixels (the cell height
// without internal leading, as designers state font sizes in pixels).
struct FontSpec {
  std::string face = "Verdana";
  int height = 11;
  bool bold = false;
  bool underline = false;
};

namespace style {

inline constexpr Rgb kWhite = rgb(0xFFFFFF);
inline constexpr Rgb kBlack = rgb(0x000000);

// The window chrome: caption bar and the bottom strip behind flat buttons.
inline constexpr Rgb kChrome = rgb(0x3A6596);
inline constexpr Rgb kChromeHover = rgb(0x5581B3);
inline constexpr Rgb kChromePressed = rgb(0x2A4C73);
inline constexpr int kCaptionBarHeight = 20;
inline constexpr int kCaptionButtonWidth = 24;
inline constexpr int kMaxCaptionButtons = 4;

// Styled hints: light background, word-wrapped at most this wide, shown at
// once and hidden after this time.
inline constexpr Rgb kHintBackground = rgb(0xCEDDEC);
inline constexpr Rgb kHintBorder = rgb(0x7F9DB9);
inline constexpr Rgb kHintText = rgb(0x000000);
inline constexpr int kHintMaxWidth = 300;
inline constexpr int kHintPadding = 4;
inline constexpr unsigned kHintShowMs = 10000;

// Links in link labels.
inline constexpr Rgb kLink = rgb(0x0645AD);

// Edit fields, check boxes and section headers of the dialogs.
inline constexpr Rgb kFrame = rgb(0x7F9DB9);
inline constexpr Rgb kSectionHeader = rgb(0xDCE7F1);
inline constexpr Rgb kSectionHeaderHover = rgb(0xCEDDEC);
inline constexpr Rgb kDisabledText = rgb(0x8C8C8C);

inline FontSpec title_font() { return {"Arial", 13, true, false}; }
inline FontSpec flat_button_font() { return {"Verdana", 13, true, false}; }
inline FontSpec dialog_font() { return {"Verdana", 11, false, false}; }

}  // namespace style
}  // namespace orvx::ui
