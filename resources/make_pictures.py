#!/usr/bin/env python3
"""Draws the program's pictures and writes them next to this script:

  b_open.bmp, b_close.bmp  the Minidesk show/hide toggle, 24 x 22, 256 colours:
                           an arrow down (show) and an arrow up (hide) on the
                           colour of the button strip
  orvanex.ico              the program icon, 16 x 16 and 32 x 32, 256 colours:
                           a small map of a desktop with icon markers, one of
                           them red and outside the map

Only the standard library is used. Run it again after changing a picture and
commit the files it writes.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

STRIP = (0x3A, 0x65, 0x96)       # the chrome colour of the window strip
STRIP_EDGE = (0x55, 0x81, 0xB3)
WHITE = (0xFF, 0xFF, 0xFF)
BLACK = (0x00, 0x00, 0x00)
RED = (0xE0, 0x20, 0x20)
MAP = (0x8E, 0xB0, 0xD2)         # the Minidesk's colour
DARK = (0x24, 0x47, 0x6E)


class Canvas:
    def __init__(self, width, height, fill=None):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def rect(self, left, top, right, bottom, colour):
        """Fills [left, right) x [top, bottom)."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.pixels[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        self.rect(left, top, right, top + 1, colour)
        self.rect(left, bottom - 1, right, bottom, colour)
        self.rect(left, top, left + 1, bottom, colour)
        self.rect(right - 1, top, right, bottom, colour)

    def rounded(self, left, top, right, bottom, radius, colour):
        """A filled rectangle with corners cut on a circle of `radius`."""
        for y in range(top, bottom):
            for x in range(left, right):
                dx = max(left + radius - x - 0.5, x + 0.5 - (right - radius), 0)
                dy = max(top + radius - y - 0.5, y + 0.5 - (bottom - radius), 0)
                if dx * dx + dy * dy <= radius * radius:
                    self.pixels[y][x] = colour

    def triangle(self, centre_x, top, rows, pointing_down, colour):
        """An isosceles arrow head `rows` high, widening by 2 per row."""
        for i in range(rows):
            half = (rows - 1 - i) if pointing_down else i
            y = top + i
            self.rect(centre_x - half - 1, y, centre_x + half + 1, y + 1, colour)


def palette_of(canvases):
    colours = []
    for c in canvases:
        for row in c.pixels:
            for p in row:
                if p is not None and p not in colours:
                    colours.append(p)
    assert len(colours) <= 256
    return colours + [(0, 0, 0)] * (256 - len(colours))


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def rows_8bit(canvas, palette):
    """Bottom-up rows of palette indexes, each padded to 4 bytes."""
    stride = (canvas.width + 3) & ~3
    out = b""
    for row in reversed(canvas.pixels):
        line = bytes(palette.index(p) if p is not None else 0 for p in row)
        out += line + b"\0" * (stride - canvas.width)
    return out


def rows_mask(canvas):
    """Bottom-up rows of the 1-bit transparency mask (1 = transparent)."""
    stride = ((canvas.width + 31) // 32) * 4
    out = b""
    for row in reversed(canvas.pixels):
        bits = 0
        line = bytearray(stride)
        for x, p in enumerate(row):
            if p is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += bytes(line)
    return out


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size, 2835, 2835, 256, 0)


def write_bmp(path, canvas):
    palette = palette_of([canvas])
    pixels = rows_8bit(canvas, palette)
    offset = 14 + 40 + 256 * 4
    data = info_header(canvas.width, canvas.height, len(pixels)) + palette_bytes(palette) + pixels
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(data), 0, 0, offset) + data)


def write_ico(path, canvases):
    images = []
    for c in canvases:
        palette = palette_of([c])
        xor = rows_8bit(c, palette)
        mask = rows_mask(c)
        images.append(info_header(c.width, 2 * c.height, len(xor) + len(mask)) + palette_bytes(palette) + xor + mask)
    header = struct.pack("<HHH", 0, 1, len(canvases))
    offset = 6 + 16 * len(canvases)
    entries = b""
    for c, image in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))


def toggle(pointing_down):
    c = Canvas(24, 22, STRIP)
    c.frame(1, 1, 23, 21, STRIP_EDGE)
    c.triangle(12, 8, 6, pointing_down, WHITE)
    return c


def icon(size):
    c = Canvas(size, size, None)
    if size == 32:
        c.rounded(0, 1, 32, 31, 6, DARK)
        c.rounded(1, 2, 31, 30, 5, STRIP)
        c.rect(4, 8, 25, 26, WHITE)
        c.rect(5, 9, 24, 25, MAP)
        for x, y in ((7, 11), (12, 11), (7, 16), (12, 16), (17, 20), (7, 21)):
            c.rect(x, y, x + 3, y + 3, BLACK)
        c.rect(24, 3, 30, 9, WHITE)
        c.rect(25, 4, 29, 8, RED)
    else:
        c.rounded(0, 0, 16, 16, 3, DARK)
        c.rounded(1, 1, 15, 15, 2, STRIP)
        c.rect(2, 5, 12, 14, WHITE)
        c.rect(3, 6, 11, 13, MAP)
        for x, y in ((4, 7), (7, 7), (4, 10)):
            c.rect(x, y, x + 2, y + 2, BLACK)
        c.rect(11, 1, 15, 5, WHITE)
        c.rect(12, 2, 14, 4, RED)
    return c


if __name__ == "__main__":
    write_bmp(os.path.join(HERE, "b_open.bmp"), toggle(pointing_down=True))
    write_bmp(os.path.join(HERE, "b_close.bmp"), toggle(pointing_down=False))
    write_ico(os.path.join(HERE, "orvanex.ico"), [icon(16), icon(32)])
