#include "icon_art_win.h"

#include "platform/scoped_win.h"

namespace standin {

namespace {

using orvx::win::ScopedGdi;

constexpr int kSize = 32;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

enum Picture { kFolder, kDocument, kComputer, kRecycleBin, kNetwork, kPictureCount };

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  ScopedGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  ScopedGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.get());
}

void Draw(HDC dc, Picture picture) {
  Fill(dc, 0, 0, kSize, kSize, kTransparent);
  const COLORREF dark = RGB(40, 40, 40);
  switch (picture) {
    case kFolder:
      Fill(dc, 3, 7, 14, 11, RGB(230, 190, 60));
      Fill(dc, 3, 10, 29, 27, RGB(250, 215, 90));
      Frame(dc, 3, 10, 29, 27, RGB(170, 130, 30));
      break;
    case kDocument:
      Fill(dc, 7, 3, 25, 29, RGB(255, 255, 255));
      Frame(dc, 7, 3, 25, 29, dark);
      for (int y = 9; y < 26; y += 4) Fill(dc, 10, y, 22, y + 1, RGB(70, 110, 200));
      break;
    case kComputer:
      Fill(dc, 4, 4, 28, 21, RGB(200, 200, 200));
      Fill(dc, 7, 7, 25, 18, RGB(30, 80, 170));
      Frame(dc, 4, 4, 28, 21, dark);
      Fill(dc, 13, 21, 19, 24, RGB(160, 160, 160));
      Fill(dc, 7, 24, 25, 28, RGB(200, 200, 200));
      Frame(dc, 7, 24, 25, 28, dark);
      break;
    case kRecycleBin:
      Fill(dc, 8, 6, 24, 9, RGB(150, 160, 150));
      Fill(dc, 9, 9, 23, 29, RGB(190, 200, 190));
      Frame(dc, 9, 9, 23, 29, dark);
      for (int x = 12; x < 22; x += 4) Fill(dc, x, 12, x + 1, 26, RGB(110, 120, 110));
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
      Fill(dc, 9, 9, 16, 16, RGB(60, 170, 70));
      Fill(dc, 17, 17, 23, 23, RGB(60, 170, 70));
      break;
    }
  }
}

bool Mentions(std::string_view caption, std::string_view word) {
  return caption.find(word) != std::string_view::npos;
}

}  // namespace

HIMAGELIST CreateIconArt() {
  HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, kPictureCount, 0);
  orvx::win::ScopedWindowDC screen(nullptr);
  orvx::win::ScopedMemoryDC dc(CreateCompatibleDC(screen.get()));
  for (int p = 0; p < kPictureCount; ++p) {
    ScopedGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), kSize, kSize));
    {
      orvx::win::ScopedSelect into_bitmap(dc.get(), bitmap.get());
      Draw(dc.get(), static_cast<Picture>(p));
    }
    ImageList_AddMasked(images, bitmap.get(), kTransparent);
  }
  return images;
}

int PictureFor(std::string_view caption) {
  if (Mentions(caption, "Arbeitsplatz") || Mentions(caption, "Computer")) return kComputer;
  if (Mentions(caption, "Papierkorb") || Mentions(caption, "Recycle")) return kRecycleBin;
  if (Mentions(caption, "Netzwerk") || Mentions(caption, "Internet") || Mentions(caption, "Network"))
    return kNetwork;
  if (Mentions(caption, ".")) return kDocument;
  return kFolder;
}

}  // namespace standin
