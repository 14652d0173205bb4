#include "icon_art_win.h"

#include "platform/scoped_win.h"

namespace standin {

namespace {

using orvx::win::ScopedGdi;

constexpr int kSize = 32;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

enum Picture { kFolder, kDocument, kComputer, kRecycleBin, kNetwork, kPictureCount };

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  ScopedGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

void frame(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  ScopedGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.get());
}

void draw(HDC dc, Picture picture) {
  fill(dc, 0, 0, kSize, kSize, kTransparent);
  const COLORREF dark = RGB(40, 40, 40);
  switch (picture) {
    case kFolder:
      fill(dc, 3, 7, 14, 11, RGB(230, 190, 60));
      fill(dc, 3, 10, 29, 27, RGB(250, 215, 90));
      frame(dc, 3, 10, 29, 27, RGB(170, 130, 30));
      break;
    case kDocument:
      fill(dc, 7, 3, 25, 29, RGB(255, 255, 255));
      frame(dc, 7, 3, 25, 29, dark);
      for (int y = 9; y < 26; y += 4) fill(dc, 10, y, 22, y + 1, RGB(70, 110, 200));
      break;
    case kComputer:
      fill(dc, 4, 4, 28, 21, RGB(200, 200, 200));
      fill(dc, 7, 7, 25, 18, RGB(30, 80, 170));
      frame(dc, 4, 4, 28, 21, dark);
      fill(dc, 13, 21, 19, 24, RGB(160, 160, 160));
      fill(dc, 7, 24, 25, 28, RGB(200, 200, 200));
      frame(dc, 7, 24, 25, 28, dark);
      break;
    case kRecycleBin:
      fill(dc, 8, 6, 24, 9, RGB(150, 160, 150));
      fill(dc, 9, 9, 23, 29, RGB(190, 200, 190));
      frame(dc, 9, 9, 23, 29, dark);
      for (int x = 12; x < 22; x += 4) fill(dc, x, 12, x + 1, 26, RGB(110, 120, 110));
      break;
    case kNetwork:
    case kPictureCount: {
      ScopedGdi<HBRUSH> sea(CreateSolidBrush(RGB(40, 120, 220)));
      ScopedGdi<HPEN> pen(CreatePen(PS_SOLID, 1, dark));
      {
        orvx::win::ScopedSelect with_sea(dc, sea.get());
        orvx::win::ScopedSelect with_pen(dc, pen.get());
        Ellipse(dc, 3, 3, 29, 29);
      }
      fill(dc, 9, 9, 16, 16, RGB(60, 170, 70));
      fill(dc, 17, 17, 23, 23, RGB(60, 170, 70));
      break;
    }
  }
}

bool mentions(std::string_view caption, std::string_view word) { return caption.find(word) != std::string_view::npos; }

}  // namespace

HIMAGELIST create_icon_art() {
  HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, kPictureCount, 0);
  orvx::win::ScopedWindowDC screen(nullptr);
  orvx::win::ScopedMemoryDC dc(CreateCompatibleDC(screen.get()));
  for (int p = 0; p < kPictureCount; ++p) {
    ScopedGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), kSize, kSize));
    {
      orvx::win::ScopedSelect into_bitmap(dc.get(), bitmap.get());
      draw(dc.get(), static_cast<Picture>(p));
    }
    ImageList_AddMasked(images, bitmap.get(), kTransparent);
  }
  return images;
}

int picture_for(std::string_view caption) {
  if (mentions(caption, "Arbeitsplatz") || mentions(caption, "Computer")) return kComputer;
  if (mentions(caption, "Papierkorb") || mentions(caption, "Recycle")) return kRecycleBin;
  if (mentions(caption, "Netzwerk") || mentions(caption, "Internet") || mentions(caption, "Network")) return kNetwork;
  if (mentions(caption, ".")) return kDocument;
  return kFolder;
}

}  // namespace standin
