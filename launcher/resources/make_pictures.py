#!/usr/bin/env python3
"""Draws the launcher's pictures: the bitmaps "start" and "startDepressed"
(289 x 107, 24 bits per pixel: a grey field with a push button labelled
Start, raised and pressed in) and the icon "OrvexIcon" (16 x 16 and
32 x 32, 16 colours). The same output every run; run it here to redraw
the files beside it."""
import pathlib
import struct

WIDTH, HEIGHT = 289, 107
FIELD = (212, 208, 200)  # red, green, blue
WHITE, LIGHT, SHADOW, DARK, BLACK = (255, 255, 255), (227, 223, 215), (128, 128, 128), (64, 64, 64), (0, 0, 0)
BUTTON = (214, 69, 277, 95)  # the outline, inclusive: 64 x 27 pixels

# A 5 x 7 pixel face for the label, lower-case letters in the lower five rows.
GLYPHS = {
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
}


def button_picture(pressed):
    pixels = [[FIELD] * WIDTH for _ in range(HEIGHT)]
    left, top, right, bottom = BUTTON

    def line(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    # Two rings of bevel: light from the top left when raised, the other way round when pressed.
    outer_lit, inner_lit, inner_dark, outer_dark = (
        (DARK, SHADOW, LIGHT, WHITE) if pressed else (WHITE, LIGHT, SHADOW, DARK))
    line(left, top, right, top, outer_lit)
    line(left, top, left, bottom, outer_lit)
    line(left, bottom, right, bottom, outer_dark)
    line(right, top, right, bottom, outer_dark)
    line(left + 1, top + 1, right - 1, top + 1, inner_lit)
    line(left + 1, top + 1, left + 1, bottom - 1, inner_lit)
    line(left + 1, bottom - 1, right - 1, bottom - 1, inner_dark)
    line(right - 1, top + 1, right - 1, bottom - 1, inner_dark)
    if pressed:
        line(left, top, right, top, BLACK)
        line(left, top, left, bottom, BLACK)

    label = "Start"
    label_width = 6 * len(label) - 1
    x0 = left + (right - left + 1 - label_width) // 2 + (1 if pressed else 0)
    y0 = top + (bottom - top + 1 - 7) // 2 + (1 if pressed else 0)
    for index, letter in enumerate(label):
        for row, bits in enumerate(GLYPHS[letter]):
            for column, bit in enumerate(bits):
                if bit == "#":
                    pixels[y0 + row][x0 + 6 * index + column] = BLACK
    return pixels


def bitmap_file(pixels):
    """A Windows bitmap: 24 bits per pixel, rows bottom-up, padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    row_size = (width * 3 + 3) // 4 * 4
    rows = b""
    for row in reversed(pixels):
        data = b"".join(bytes((blue, green, red)) for red, green, blue in row)
        rows += data + b"\0" * (row_size - len(data))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


# The 16 colours of the classic palette, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
           (0, 255, 255), (255, 255, 255)]
CLEAR, OUTLINE, DISC, MARK = None, 4, 12, 15


def icon_picture(size):
    """A blue disc with a white start mark, on a clear ground."""
    centre, radius = (size - 1) / 2, size / 2 - 0.5
    picture = []
    for y in range(size):
        row = []
        for x in range(size):
            distance = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            colour = CLEAR if distance > radius else OUTLINE if distance > radius - size / 16 - 0.5 else DISC
            # The mark: a triangle pointing right.
            u, v = (x - centre) / size, (y - centre) / size
            if colour == DISC and -0.18 <= u <= 0.25 and abs(v) <= (0.25 - u) * 0.75:
                colour = MARK
            row.append(colour)
        picture.append(row)
    return picture


def icon_image(picture):
    size = len(picture)
    xor_row = (size // 2 + 3) // 4 * 4
    and_row = (size // 8 + 3) // 4 * 4
    xor, mask = b"", b""
    for row in reversed(picture):
        nibbles = [0 if colour is None else colour for colour in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += data + b"\0" * (xor_row - len(data))
        bits = 0
        for colour in row:
            bits = (bits << 1) | (1 if colour is None else 0)
        data = bits.to_bytes(size // 8, "big")
        mask += data + b"\0" * (and_row - len(data))
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((blue, green, red, 0)) for red, green, blue in PALETTE)
    return info + palette + xor + mask


def icon_file(sizes):
    images = [icon_image(icon_picture(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def main():
    here = pathlib.Path(__file__).resolve().parent
    (here / "start.bmp").write_bytes(bitmap_file(button_picture(pressed=False)))
    (here / "startDepressed.bmp").write_bytes(bitmap_file(button_picture(pressed=True)))
    (here / "OrvexIcon.ico").write_bytes(icon_file([16, 32]))


if __name__ == "__main__":
    main()
