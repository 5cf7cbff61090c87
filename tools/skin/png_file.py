"""Compact PNG files for the 8-bit RGBA skin images.

Pillow writes one fixed filter choice at its default compression. Here every
image is encoded with each of the five PNG row filters applied throughout and
with the filter chosen row by row, all at zlib's best level, and the smallest
file is kept. The pixels, size and format do not change; the output depends
only on the pixels, so it stays byte-identical from run to run.
"""

import struct
import zlib

_SIGNATURE = b"\x89PNG\r\n\x1a\n"
_BYTES_PER_PIXEL = 4


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filter_row(kind, row, prev):
    n = _BYTES_PER_PIXEL
    if kind == 0:
        return row
    if kind == 2:
        return bytes((x - p) & 255 for x, p in zip(row, prev))
    left = bytes(n) + row[:-n]
    if kind == 1:
        return bytes((x - a) & 255 for x, a in zip(row, left))
    if kind == 3:
        return bytes((x - ((a + p) >> 1)) & 255 for x, a, p in zip(row, left, prev))
    upper_left = bytes(n) + prev[:-n]
    return bytes((x - _paeth(a, p, c)) & 255
                 for x, a, p, c in zip(row, left, prev, upper_left))


def _row_cost(filtered):
    # The usual heuristic: small signed residues compress best.
    return sum(v if v < 128 else 256 - v for v in filtered)


def _candidates(img):
    width, height = img.size
    stride = width * _BYTES_PER_PIXEL
    raw = img.tobytes()
    per_kind = [bytearray() for _ in range(5)]
    adaptive = bytearray()
    prev = bytes(stride)
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        rows = [_filter_row(kind, row, prev) for kind in range(5)]
        for kind, filtered in enumerate(rows):
            per_kind[kind] += bytes([kind]) + filtered
        best = min(range(5), key=lambda kind: _row_cost(rows[kind]))
        adaptive += bytes([best]) + rows[best]
        prev = row
    return per_kind + [adaptive]


def png_bytes(img):
    """The smallest PNG file of an RGBA image among the filter choices."""
    if img.mode != "RGBA":
        raise ValueError("expected an RGBA image, got %s" % img.mode)
    width, height = img.size
    data = min((zlib.compress(bytes(c), 9) for c in _candidates(img)), key=len)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (_SIGNATURE + _chunk(b"IHDR", header) + _chunk(b"IDAT", data) +
            _chunk(b"IEND", b""))
