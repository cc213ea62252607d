#!/usr/bin/env python3
"""Build-time helper: packs PNG images into one Windows .ico file, largest last.

Usage: make-ico.py OUTPUT.ico IMAGE.png...

Windows Vista and later read PNG images inside an icon as they are, so nothing is converted.
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(output, inputs):
    images = []
    for name in inputs:
        with open(name, "rb") as file:
            data = file.read()
        images.append((png_size(data), data))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, payload = b"", b""
    for (width, height), data in images:
        # 256 pixels is written as 0: the field is one byte.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(payload))
        payload += data
    with open(output, "wb") as file:
        file.write(header + entries + payload)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: make-ico.py OUTPUT.ico IMAGE.png...")
    main(sys.argv[1], sys.argv[2:])
