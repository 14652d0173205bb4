#pragma once
// The pictures of the stand-in's icons, drawn with GDI so that a screenshot
// looks like a desktop.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

namespace standin {

// A 32x32 image list with a few desktop pictures. The caller owns it.
HIMAGELIST CreateIconArt();

// The picture that suits a caption (computer, recycle bin, network,
// document or folder).
int PictureFor(std::string_view caption);

}  // namespace standin
