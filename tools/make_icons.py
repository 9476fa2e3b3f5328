#!/usr/bin/env python3
"""Builds the program's icons from the pixel drawings in res/icon_art.txt.

Each drawing is a grid of characters, one a pixel; the legend at the top of the
file maps characters to the 16 standard Windows colours ('.' is transparent).
The .ico files are 16-colour (4 bits a pixel) with an AND mask, and the same
drawings always give the same bytes.

    python3 tools/make_icons.py             regenerate res/*.ico
    python3 tools/make_icons.py --preview DIR
                                            also write each drawing enlarged
                                            to 384 pixels as DIR/icon-N.png
"""
import argparse
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = os.path.join(ROOT, "res", "icon_art.txt")
# Icon file -> the sizes of the drawings it holds, largest first.
OUTPUTS = {
    os.path.join(ROOT, "res", "tarnvel.ico"): [32, 16],
    os.path.join(ROOT, "res", "tarnvel_small.ico"): [16],
}

# The 16 standard Windows colours as (red, green, blue), by palette index.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT = None


def fail(message):
    sys.exit("make_icons: " + message)


def read_art(path):
    """Returns {size: rows of palette indices or TRANSPARENT}."""
    legend = {}
    images = {}
    section = None
    rows = []
    with open(path, encoding="utf-8") as art:
        for number, line in enumerate(art, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            words = line.split()
            if words[0] == "legend":
                section = "legend"
            elif words[0] == "image":
                section, size = "image", int(words[1])
                rows = images[size] = []
            elif section == "legend":
                symbol, value = words[0], words[1]
                legend[symbol] = TRANSPARENT if value == "transparent" else int(value)
            elif section == "image":
                try:
                    rows.append([legend[symbol] for symbol in line])
                except KeyError as error:
                    fail(f"{path}:{number}: {error} is not in the legend")
            else:
                fail(f"{path}:{number}: text before the legend")
    for size, pixels in images.items():
        if len(pixels) != size or any(len(row) != size for row in pixels):
            fail(f"image {size} is not {size} x {size}")
    return images


def bitmap(pixels):
    """One icon image: header, palette, colour bits and mask, rows bottom-up."""
    size = len(pixels)
    colour_stride = (size * 4 + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(colour_stride)
        bits = bytearray(mask_stride)
        for x, index in enumerate(row):
            if index is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colours += line
        mask += bits
    # The height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colours) + bytes(mask)


def icon_file(images, sizes):
    bitmaps = [bitmap(images[size]) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(bitmaps))
    offset = 6 + 16 * len(bitmaps)
    for size, image in zip(sizes, bitmaps):
        data += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return data + b"".join(bitmaps)


def write_png(path, pixels, scale):
    """The drawing enlarged, transparency shown as a light checkerboard."""
    size = len(pixels) * scale
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        for x in range(size):
            index = pixels[y // scale][x // scale]
            if index is TRANSPARENT:
                shade = 0xE8 if (x // 6 + y // 6) % 2 else 0xF8
                raw += bytes((shade, shade, 0xE0))
            else:
                raw += bytes(PALETTE[index])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n")
        png.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)))
        png.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        png.write(chunk(b"IEND", b""))


def main():
    parser = argparse.ArgumentParser(description="Build res/*.ico from res/icon_art.txt.")
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNGs here")
    options = parser.parse_args()
    images = read_art(ART)
    for path, sizes in OUTPUTS.items():
        missing = [size for size in sizes if size not in images]
        if missing:
            fail(f"no {missing} drawing for {os.path.basename(path)}")
        with open(path, "wb") as icon:
            icon.write(icon_file(images, sizes))
    if options.preview:
        os.makedirs(options.preview, exist_ok=True)
        for size, pixels in images.items():
            write_png(os.path.join(options.preview, f"icon-{size}.png"), pixels, 384 // size)


if __name__ == "__main__":
    main()
