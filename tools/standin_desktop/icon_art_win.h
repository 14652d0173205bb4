#pragma once
// The pictures of the stand-in's icons, drawn with GDI so that a screenshot
// looks like a desktop.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

namespace standin {

// A 32x32 image list with a few desktop pictures. The caller owns it.
HIMAGELIST create_icon_art();

// The picture that suits a caption (computer, recycle bin, network,
// document or folder).
int picture_for(std::string_view caption);

}  // namespace standin
