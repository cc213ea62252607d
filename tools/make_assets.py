#!/usr/bin/python3
"""Regenerate the game's bitmaps in assets/ from Debian-packaged sources.

Run through tools/make-assets.sh, which checks the packages first.
Uses only the standard library, python3-pil, rsvg-convert and optipng,
and writes nothing that depends on the clock, so a re-run gives
identical files.
"""

import gzip
import io
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

from PIL import Image, ImageDraw, ImageOps

CARD_W, CARD_H = 71, 96

DECK = "/usr/share/carddecks/svg-standard/standard.svgz"
# Column order of faces.png is Ace..King, row order clubs, diamonds,
# hearts, spades; the game indexes a card as rank * 4 + suit.
RANK_IDS = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
            "jack", "queen", "king"]
SUIT_IDS = ["club", "diamond", "heart", "spade"]
SVG_NS = "{http://www.w3.org/2000/svg}"
XLINK_HREF = "{http://www.w3.org/1999/xlink}href"

# (source, crop height as a fraction of the photo's height, where the
# portrait crop sits in the space left over horizontally and vertically,
# 0 = left/top, 1 = right/bottom). Picked by eye so each back shows one
# clear subject at 63 x 88.
BACKS = [
    ("/usr/share/backgrounds/aitzgorri_by_Aitzol_Berasategi.jpg", 0.9, 0.65, 0.7),
    ("/usr/share/backgrounds/picosdeeuropa_by_Aitzol_Berasategi.jpg", 1.0, 0.40, 0.5),
    ("/usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg", 1.0, 0.50, 0.5),
    ("/usr/share/backgrounds/mate/nature/Dune.jpg", 1.0, 0.35, 0.5),
    ("/usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg", 1.0, 0.30, 0.5),
    ("/usr/share/wallpapers/Path/contents/images/2560x1600.jpg", 1.0, 0.15, 0.5),
    ("/usr/share/wallpapers/summer_1am/contents/images/2560x1600.jpg", 1.0, 0.60, 0.5),
    ("/usr/share/backgrounds/mate/nature/Storm.jpg", 1.0, 0.50, 0.5),
]
BACK_FRAME = 3  # white margin between the black outline and the photo

EMBLEM_SIZE = 32
EMBLEM_GREEN = (0, 160, 64)
EMBLEM_PINK = (255, 0, 153)
EMBLEM_YELLOW = (255, 221, 0)
EMBLEM_CYAN = (0, 204, 238)
# The white band is the strip BAND_LO < x + y < BAND_HI. Its edges fall
# between pixel centres, so the PNG and the SVG rendered at 32 px agree
# pixel for pixel.
BAND_LO, BAND_HI = 30.5, 33.5

# Pointing hand, drawn pixel by pixel so the cursor stays crisp:
# X = black outline, o = white, anything else transparent.
HAND = [
    "......XXX.............",
    ".....XoooX............",
    ".....XoooX............",
    ".....XoooX............",
    ".....XoooX............",
    ".....XoooX............",
    ".....XoooXXXX.........",
    ".....XoooXoooXXXX.....",
    ".....XoooXoooXoooX....",
    ".....XoooXoooXoooXXX..",
    ".....XoooXoooXoooXooX.",
    ".XX..XoooXoooXoooXooX.",
    "XooX.XooooooooooooooX.",
    "XoooXXooooooooooooooX.",
    ".XoooXooooooooooooooX.",
    ".XooooooooooooooooooX.",
    "..XoooooooooooooooooX.",
    "..XoooooooooooooooooX.",
    "...XooooooooooooooooX.",
    "...XoooooooooooooooX..",
    "....XooooooooooooooX..",
    "....XooooooooooooooX..",
    ".....XoooooooooooooX..",
    ".....XXXXXXXXXXXXXXX..",
]
HAND_OFFSET = (1, 1)  # where HAND[0][0] lands in the 32 x 32 image


def outline(img, x, y, w, h):
    ImageDraw.Draw(img).rectangle((x, y, x + w - 1, y + h - 1), outline=(0, 0, 0))


def card_boxes():
    """Pixel box of every card in the deck's own page layout.

    Each card group places the shared card outline with a translate();
    the outline's stroked rectangle is the card's bounding box.
    """
    with gzip.open(DECK) as f:
        root = ET.parse(f).getroot()
    back = root.find(f".//{SVG_NS}rect[@id='card_back']")
    style = dict(kv.split(":") for kv in back.get("style", "").split(";") if kv)
    sw = float(style.get("stroke-width", "1"))
    bx, by = float(back.get("x")) - sw / 2, float(back.get("y")) - sw / 2
    bw, bh = float(back.get("width")) + sw, float(back.get("height")) + sw
    boxes = {}
    for group in root.iter(f"{SVG_NS}g"):
        for use in group.findall(f"{SVG_NS}use"):
            if use.get(XLINK_HREF) != "#card_back":
                continue
            m = re.fullmatch(r"translate\(([-\d.]+),([-\d.]+)\)", use.get("transform"))
            box = (bx + float(m[1]), by + float(m[2]), bw, bh)
            # Cutting at whole pixels only works if the deck sits on the
            # pixel grid at its natural size; otherwise we would resample.
            if box[2:] != (CARD_W, CARD_H) or any(v != int(v) for v in box):
                sys.exit(f"{group.get('id')}: card box {box} is not {CARD_W} x {CARD_H} on the pixel grid")
            boxes[group.get("id")] = tuple(int(v) for v in box)
    return boxes


def render_deck():
    # One 1:1 render of the whole page: exporting single elements instead
    # shifts some cards by a fraction of a pixel, because librsvg sizes
    # such an export by a box that can reach past the card.
    png = subprocess.run(["rsvg-convert", DECK], check=True, capture_output=True).stdout
    page = Image.open(io.BytesIO(png)).convert("RGBA")
    # Flattening onto white fills the transparent rounded corners.
    flat = Image.new("RGBA", page.size, (255, 255, 255, 255))
    flat.alpha_composite(page)
    return page, flat.convert("RGB")


def make_faces():
    page, flat = render_deck()
    boxes = card_boxes()
    alpha = page.getchannel("A")
    sheet = Image.new("RGB", (13 * CARD_W, 4 * CARD_H), (255, 255, 255))
    for rank in range(13):
        for suit in range(4):
            element = f"{RANK_IDS[rank]}_{SUIT_IDS[suit]}"
            x0, y0, w, h = boxes[element]
            # The deck leaves a clear column right of each card; ink there
            # would mean a card spills over and gets cut off.
            if x0 + w < page.width and alpha.crop((x0 + w, y0, x0 + w + 1, y0 + h)).getbbox():
                sys.exit(f"{element}: drawing reaches past the card's right edge")
            x, y = rank * CARD_W, suit * CARD_H
            sheet.paste(flat.crop((x0, y0, x0 + w, y0 + h)), (x, y))
            outline(sheet, x, y, CARD_W, CARD_H)
    return sheet


def portrait(path, zoom, fx, fy, w, h):
    photo = ImageOps.exif_transpose(Image.open(path)).convert("RGB")
    pw, ph = photo.size
    ch = round(ph * zoom)
    cw = round(ch * w / h)
    x0, y0 = round((pw - cw) * fx), round((ph - ch) * fy)
    # One Lanczos pass straight from the full-size photo keeps the
    # small picture sharp without stepping artefacts.
    return photo.resize((w, h), Image.LANCZOS, box=(x0, y0, x0 + cw, y0 + ch))


def make_backs():
    sheet = Image.new("RGB", (len(BACKS) * CARD_W, CARD_H), (255, 255, 255))
    inset = 1 + BACK_FRAME
    pw, ph = CARD_W - 2 * inset, CARD_H - 2 * inset
    for k, (path, zoom, fx, fy) in enumerate(BACKS):
        x = k * CARD_W
        sheet.paste(portrait(path, zoom, fx, fy, pw, ph), (x + inset, inset))
        outline(sheet, x, 0, CARD_W, CARD_H)
    return sheet


def emblem_colour(px, py):
    """Colour of the emblem at a point in 32-unit coordinates."""
    if BAND_LO < px + py < BAND_HI:
        return (255, 255, 255)
    top, left = py < 16, px < 16
    if top:
        return EMBLEM_GREEN if left else EMBLEM_PINK
    return EMBLEM_YELLOW if left else EMBLEM_CYAN


def make_emblem():
    img = Image.new("RGB", (EMBLEM_SIZE, EMBLEM_SIZE))
    # Sample pixel centres only, so every edge is a hard step.
    for y in range(EMBLEM_SIZE):
        for x in range(EMBLEM_SIZE):
            img.putpixel((x, y), emblem_colour(x + 0.5, y + 0.5))
    return img


def hexcolour(rgb):
    return "#%02x%02x%02x" % rgb


def emblem_svg(crisp=False):
    # Same geometry as make_emblem(), for icon sizes above 32 px, where
    # the diagonal should be smooth; crisp rendering is for the check.
    rendering = ' shape-rendering="crispEdges"' if crisp else ""
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32"{rendering}>
  <rect x="0" y="0" width="16" height="16" fill="{hexcolour(EMBLEM_GREEN)}"/>
  <rect x="16" y="0" width="16" height="16" fill="{hexcolour(EMBLEM_PINK)}"/>
  <rect x="0" y="16" width="16" height="16" fill="{hexcolour(EMBLEM_YELLOW)}"/>
  <rect x="16" y="16" width="16" height="16" fill="{hexcolour(EMBLEM_CYAN)}"/>
  <polygon points="0,{BAND_LO} {BAND_LO},0 32,0 32,{BAND_HI - 32} {BAND_HI - 32},32 0,32" fill="#ffffff"/>
</svg>
"""


def make_hand():
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    ox, oy = HAND_OFFSET
    for y, row in enumerate(HAND):
        for x, c in enumerate(row):
            if c == "X":
                img.putpixel((ox + x, oy + y), (0, 0, 0, 255))
            elif c == "o":
                img.putpixel((ox + x, oy + y), (255, 255, 255, 255))
    return img


def hand_hotspot():
    # The fingertip: middle of the topmost outline run.
    row = HAND[0]
    first, last = row.index("X"), row.rindex("X")
    return HAND_OFFSET[0] + (first + last) // 2, HAND_OFFSET[1]


def optimise(path):
    # -nx keeps the colour type: the game loads faces and backs as plain
    # 24-bit RGB, and the cursor needs its alpha channel.
    subprocess.run(["optipng", "-quiet", "-o7", "-nx", "-strip", "all", path],
                   check=True)


def check_svg_matches(png_path):
    png = subprocess.run(["rsvg-convert"], input=emblem_svg(crisp=True).encode(),
                         check=True, capture_output=True).stdout
    from_svg = Image.open(io.BytesIO(png)).convert("RGB")
    if list(from_svg.getdata()) != list(Image.open(png_path).getdata()):
        sys.exit(f"emblem.svg and {png_path} differ at 32 px")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "assets"
    os.makedirs(out, exist_ok=True)
    images = {
        "faces.png": (make_faces(), (13 * CARD_W, 4 * CARD_H), "RGB"),
        "backs.png": (make_backs(), (len(BACKS) * CARD_W, CARD_H), "RGB"),
        "emblem.png": (make_emblem(), (EMBLEM_SIZE, EMBLEM_SIZE), "RGB"),
        "hand.png": (make_hand(), (32, 32), "RGBA"),
    }
    for name, (img, size, mode) in images.items():
        path = os.path.join(out, name)
        img.save(path)
        optimise(path)
        with Image.open(path) as done:
            if done.size != size or done.mode != mode:
                sys.exit(f"{name}: got {done.size} {done.mode}, want {size} {mode}")
        print(f"{path}: {size[0]} x {size[1]} {mode}, {os.path.getsize(path)} bytes")
    svg_path = os.path.join(out, "emblem.svg")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(emblem_svg())
    check_svg_matches(os.path.join(out, "emblem.png"))
    print(f"{svg_path}: same shapes as emblem.png")
    print("hand.png hotspot (fingertip): x=%d y=%d" % hand_hotspot())


if __name__ == "__main__":
    main()
