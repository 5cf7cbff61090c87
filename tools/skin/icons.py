"""The program icon and the uninstall shortcut's icon, drawn afresh at every
size (small sizes get bolder, simpler shapes), and a writer for the .ico
container: 32-bit DIB entries with an AND mask for the small sizes and a PNG
entry for 256 x 256, the layout every Windows version reads.
"""

import struct

from PIL import Image, ImageChops, ImageDraw

from paint import (DANGER, GOLD, GOLD_DARK, GOLD_LIGHT, blank, emblem_mask,
                   gold_fill, hex_rgba, over, paint, rounded_mask, shade_layer,
                   smooth_mask, vertical_gradient, with_alpha)
from png_file import png_bytes


def _tile(size):
    """The navy tile with a gold rim that carries the mark."""
    n = size
    box = [0, 0, n, n] if n <= 24 else [n * 0.04, n * 0.04, n * 0.96, n * 0.96]
    radius = n * 0.2
    img = blank((n, n))
    tile = rounded_mask((n, n), box, radius)
    fill = vertical_gradient((n, n), [(0.0, hex_rgba("2a3a5c")), (1.0, hex_rgba("0c1220"))])
    over(img, shade_layer(fill, tile))
    if n >= 32:
        rim = max(1.0, n / 48)
        inner = rounded_mask((n, n), [box[0] + rim, box[1] + rim, box[2] - rim, box[3] - rim],
                             radius - rim)
        over(img, paint((n, n), with_alpha(GOLD, 200), ImageChops.subtract(tile, inner)))
    return img


def _mark(size, colours):
    """The diamond-and-V mark; up to 32 pixels only a bold V, which stays
    readable where the diamond's frame would blur (the tray shrinks the
    32-pixel image to 16)."""
    n = size
    if n >= 48:
        mask = emblem_mask((n, n), n / 2, n / 2, n * 0.40)
    else:
        def draw(d, s):
            w = n * 0.17
            top, bottom, half = n * 0.22, n * 0.80, n * 0.36
            c = n / 2
            d.polygon([((c - half) * s, top * s), ((c - half + w * 1.5) * s, top * s),
                       (c * s, (bottom - w * 1.9) * s),
                       ((c + half - w * 1.5) * s, top * s), ((c + half) * s, top * s),
                       (c * s, bottom * s)], fill=255)
        mask = smooth_mask((n, n), draw)
    return shade_layer(gold_fill((n, n), *colours), mask)


def program_icon(size):
    img = _tile(size)
    over(img, _mark(size, (GOLD_LIGHT, GOLD_DARK)))
    return img


def uninstall_icon(size):
    """The program's tile with a muted mark and a red remove badge."""
    n = size
    img = _tile(n)
    over(img, _mark(n, (hex_rgba("c4ccda"), hex_rgba("6d7890"))))
    r = n * (0.25 if n <= 24 else 0.21)
    cx = cy = n - r - (0 if n <= 24 else n * 0.03)

    def badge(d, s):
        d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
    over(img, paint((n, n), DANGER, smooth_mask((n, n), badge)))
    bar_w = max(1, round(n * 0.09))
    half = r * 0.55
    bar = Image.new("L", (n, n), 0)
    ImageDraw.Draw(bar).rectangle(
        [round(cx - half), round(cy - bar_w / 2), round(cx + half) - 1,
         round(cy - bar_w / 2) + bar_w - 1], fill=255)
    over(img, paint((n, n), (255, 255, 255, 255), bar))
    return img


def _dib_entry(img):
    """A 32-bit bottom-up DIB with the height doubled for the AND mask."""
    width, height = img.size
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = img.load()
    xor = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
    row_bytes = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(width):
            if pixels[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """Pack RGBA images (one per size, ascending) into an .ico file."""
    entries = [png_bytes(img) if img.size[0] >= 256 else _dib_entry(img) for img in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for img, data in zip(images, entries):
        width, height = img.size
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    return bytes(out)
