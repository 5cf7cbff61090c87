#!/usr/bin/python3
"""Checks the generated image resources against the id table: every PNG at
its exact size as 8-bit RGBA, the popup bitmap as a 24-bit BMP of the right
size that uses the colour key, both icon files with all their sizes, and the
resource-script fragment. Prints each problem and exits 1 when there is any.

Usage: check_skin.py [resources folder]
"""

import io
import os
import struct
import sys

from PIL import Image

from skin_table import (BITMAP_BITS, BITMAP_PATH, BITMAP_SIZE, COLOUR_KEY,
                        ICON_PATH, ICON_SIZES, PNG_DIR, PNGS, RC_PATH,
                        UNINSTALL_ICON_PATH, png_path, rc_text)

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_COLOUR_RGBA = 6
OVERLAY_MASK_ID = 275
OVERLAY_MASK_PIXEL = (0, 0, 0, 0xE6)


def _read(root, relative):
    try:
        with open(os.path.join(root, relative), "rb") as f:
            return f.read()
    except OSError as e:
        raise ValueError("cannot read (%s)" % e.strerror)


def png_header(data):
    """(width, height, bit depth, colour type) from the IHDR chunk."""
    if len(data) < 33 or data[:8] != PNG_SIGNATURE or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    return width, height, depth, colour


def _decode(data):
    try:
        img = Image.open(io.BytesIO(data))
        img.load()
        return img
    except Exception as e:  # any decoder complaint means the file is broken
        raise ValueError("does not decode (%s)" % e)


def check_png(data, png):
    width, height, depth, colour = png_header(data)
    if (width, height) != (png.width, png.height):
        raise ValueError("is %d x %d, must be %d x %d" % (width, height, png.width, png.height))
    if depth != 8 or colour != PNG_COLOUR_RGBA:
        raise ValueError("is bit depth %d colour type %d, must be 8-bit RGBA (type 6)"
                         % (depth, colour))
    img = _decode(data)
    if png.id == OVERLAY_MASK_ID and img.getpixel((0, 0)) != OVERLAY_MASK_PIXEL:
        raise ValueError("pixel is %s, must be %s" % (img.getpixel((0, 0)), OVERLAY_MASK_PIXEL))


def check_bitmap(data):
    if len(data) < 54 or data[:2] != b"BM":
        raise ValueError("not a BMP file")
    (header_size, width, height, planes, bits,
     compression) = struct.unpack("<IiiHHI", data[14:34])
    if header_size < 40:
        raise ValueError("has an old-style header")
    if (width, abs(height)) != BITMAP_SIZE:
        raise ValueError("is %d x %d, must be %d x %d" % ((width, abs(height)) + BITMAP_SIZE))
    if planes != 1 or bits != BITMAP_BITS or compression != 0:
        raise ValueError("is %d bits per pixel (compression %d), must be %d uncompressed"
                         % (bits, compression, BITMAP_BITS))
    img = _decode(data).convert("RGB")
    if COLOUR_KEY not in (colour for _, colour in img.getcolors(1 << 24)):
        raise ValueError("has no pure green pixel, so nothing of the panel shows through")


def ico_entries(data):
    """[(size, kind, payload)] of an .ico file; kind is "png" or "dib"."""
    if len(data) < 6:
        raise ValueError("not an icon file")
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 1 or count == 0 or len(data) < 6 + 16 * count:
        raise ValueError("not an icon file")
    entries = []
    for i in range(count):
        w, h, _, _, _, _, length, offset = struct.unpack(
            "<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        if offset + length > len(data):
            raise ValueError("entry %d runs past the end of the file" % i)
        payload = data[offset:offset + length]
        w, h = w or 256, h or 256
        if w != h:
            raise ValueError("entry %d is not square" % i)
        entries.append((w, "png" if payload[:8] == PNG_SIGNATURE else "dib", payload))
    return entries


def check_icon(data):
    sizes = set()
    for size, kind, payload in ico_entries(data):
        if kind == "png":
            width, height, depth, colour = png_header(payload)
            if (width, height) != (size, size) or depth != 8 or colour != PNG_COLOUR_RGBA:
                raise ValueError("PNG entry for %d does not match its directory" % size)
        else:
            if len(payload) < 40:
                raise ValueError("entry for %d is truncated" % size)
            _, width, height, _, bits = struct.unpack("<IiiHH", payload[:16])
            if (width, height) != (size, 2 * size) or bits != 32:
                raise ValueError("bitmap entry for %d is %d x %d at %d bits"
                                 % (size, width, height, bits))
        sizes.add(size)
    missing = sorted(set(ICON_SIZES) - sizes)
    if missing:
        raise ValueError("lacks the sizes %s" % ", ".join(map(str, missing)))


def check(root):
    """Every problem found under root, as 'path: what is wrong' lines."""
    problems = []

    def run(relative, checker):
        try:
            checker(_read(root, relative))
        except ValueError as e:
            problems.append("%s: %s" % (relative, e))

    for png in PNGS:
        run(png_path(png.id), lambda data, png=png: check_png(data, png))
    known = {os.path.basename(png_path(p.id)) for p in PNGS}
    png_dir = os.path.join(root, PNG_DIR)
    if os.path.isdir(png_dir):
        for name in sorted(set(os.listdir(png_dir)) - known):
            problems.append("%s/%s: not in the id table" % (PNG_DIR, name))
    run(BITMAP_PATH, check_bitmap)
    run(ICON_PATH, check_icon)
    run(UNINSTALL_ICON_PATH, check_icon)

    def rc_matches(data):
        if data.decode("ascii", "replace") != rc_text():
            raise ValueError("differs from the id table; run gen_skin.py")
    run(RC_PATH, rc_matches)
    return problems


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "resources")
    problems = check(os.path.normpath(root))
    for line in problems:
        print(line)
    if problems:
        return 1
    print("%d PNG files, the bitmap, two icons and skin.rc are in order" % len(PNGS))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
