#!/usr/bin/env python3
"""Whether a screenshot shows a card back whole, pixel for pixel, anywhere.

Usage: find_back.py SCREENSHOT.xwd BACKS.rgb32 INDEX

SCREENSHOT.xwd is what `xwd -root` writes on a 24-bit X server; BACKS.rgb32 is the back strip
as the build converts it for the game (8 cells of 71 x 96, 32-bit pixels, blue byte first).
Exits 0 when the back is found, 1 when not.
"""
import struct
import sys

CARD_WIDTH, CARD_HEIGHT, BACK_COUNT = 71, 96, 8


def read_xwd(path):
    """Returns (width, height, rows) with each row as bytes of blue, green, red, 0."""
    with open(path, "rb") as file:
        data = file.read()
    header = struct.unpack(">25I", data[:100])
    header_size, _, _, depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = (
        header[7], header[11], header[12], header[19])
    if depth != 24 or bits_per_pixel not in (24, 32) or byte_order != 0:
        sys.exit(f"find_back: unexpected screenshot format (depth {depth}, "
                 f"{bits_per_pixel} bits, byte order {byte_order})")
    pixels = data[header_size + 12 * ncolors:]
    step = bits_per_pixel // 8
    rows = [widened(pixels[y * bytes_per_line:y * bytes_per_line + step * width], step)
            for y in range(height)]
    return width, height, rows


def widened(row, step):
    """The row as 4 bytes a pixel, blue, green, red, 0, from 3 or 4 bytes a pixel."""
    if step == 4:
        return opaque(row)
    pixels = bytearray(len(row) // 3 * 4)
    for channel in range(3):
        pixels[channel::4] = row[channel::3]
    return bytes(pixels)


def opaque(row):
    """The row with every fourth (unused or alpha) byte cleared, so both sources compare."""
    cleared = bytearray(row)
    cleared[3::4] = bytes(len(cleared) // 4)
    return bytes(cleared)


def read_back(path, index):
    with open(path, "rb") as file:
        strip = file.read()
    stride = 4 * CARD_WIDTH * BACK_COUNT
    left = 4 * CARD_WIDTH * index
    return [opaque(strip[y * stride + left:y * stride + left + 4 * CARD_WIDTH])
            for y in range(CARD_HEIGHT)]


def contains(rows, needle):
    first = needle[0]
    for y in range(len(rows) - len(needle) + 1):
        x = rows[y].find(first)
        while x >= 0:
            if x % 4 == 0 and all(rows[y + dy][x:x + len(first)] == needle[dy]
                                  for dy in range(1, len(needle))):
                return True
            x = rows[y].find(first, x + 1)
    return False


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    _, _, rows = read_xwd(sys.argv[1])
    return 0 if contains(rows, read_back(sys.argv[2], int(sys.argv[3]))) else 1


if __name__ == "__main__":
    sys.exit(main())
