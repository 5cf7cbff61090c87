"""Small line glyphs drawn from shapes: the window controls (close, minimise,
maximise, restore) and the pictograms in front of the title-strip labels.

Each function returns an L mask of the requested size. Straight glyphs are
drawn on whole pixels so they stay sharp; round and diagonal ones are smoothed.
"""

import math

from PIL import Image, ImageDraw

from paint import smooth_mask


def _crisp(size, draw_fn):
    mask = Image.new("L", size, 0)
    draw_fn(ImageDraw.Draw(mask))
    return mask


def close(size, left, top, span, stroke=1.5):
    """An X filling the span x span pixel square at (left, top)."""
    def draw(d, s):
        a, b = left, left + span
        c, e = top, top + span
        w = max(1, round(stroke * s))
        d.line([(a * s, c * s), (b * s, e * s)], fill=255, width=w)
        d.line([(a * s, e * s), (b * s, c * s)], fill=255, width=w)
    return smooth_mask(size, draw)


def close_rect(size, left, top, width, height, stroke=1.3):
    """An X stretched over a width x height box (for the tiny message-box
    close image, which is not square)."""
    def draw(d, s):
        w = max(1, round(stroke * s))
        x0, y0, x1, y1 = left * s, top * s, (left + width) * s, (top + height) * s
        d.line([(x0, y0), (x1, y1)], fill=255, width=w)
        d.line([(x0, y1), (x1, y0)], fill=255, width=w)
    return smooth_mask(size, draw)


def minimise(size, left, top, span, thickness=2):
    return _crisp(size, lambda d: d.rectangle(
        [left, top, left + span - 1, top + thickness - 1], fill=255))


def maximise(size, left, top, span):
    """A window outline whose top edge is doubled like a title bar."""
    def draw(d):
        d.rectangle([left, top, left + span - 1, top + span - 1], outline=255)
        d.line([(left, top + 1), (left + span - 1, top + 1)], fill=255)
    return _crisp(size, draw)


def restore(size, left, top, span):
    """Two overlapping windows: the back one peeks out at the top right."""
    def draw(d):
        inner = span - 3
        bx, by = left + 3, top
        d.line([(bx, by), (bx + inner - 1, by)], fill=255)
        d.line([(bx, by + 1), (bx + inner - 1, by + 1)], fill=255)
        d.line([(bx + inner - 1, by), (bx + inner - 1, by + inner - 1)], fill=255)
        fx, fy = left, top + 3
        d.rectangle([fx, fy, fx + inner - 1, fy + inner - 1], fill=0, outline=255)
        d.line([(fx, fy + 1), (fx + inner - 1, fy + 1)], fill=255)
    return _crisp(size, draw)


def fullscreen(size, left, top, span=11):
    """Four corner brackets pointing outwards."""
    arm = 4
    r = left + span - 1
    b = top + span - 1

    def draw(d):
        for x, y, dx, dy in ((left, top, 1, 1), (r, top, -1, 1),
                             (left, b, 1, -1), (r, b, -1, -1)):
            d.line([(x, y), (x + dx * (arm - 1), y)], fill=255)
            d.line([(x, y), (x, y + dy * (arm - 1))], fill=255)
            d.line([(x + dx, y), (x + dx * (arm - 1), y)], fill=255)
            d.line([(x, y + dy), (x, y + dy * (arm - 1))], fill=255)
    return _crisp(size, draw)


def eye_hidden(size, left, top, span=12):
    """An eye with a stroke through it: hide at once."""
    cx = left + span / 2
    cy = top + span / 2

    def draw(d, s):
        w = round(1.3 * s)
        d.ellipse([(left + 0.5) * s, (cy - 3.6) * s, (left + span - 0.5) * s, (cy + 3.6) * s],
                  outline=255, width=w)
        d.ellipse([(cx - 1.9) * s, (cy - 1.9) * s, (cx + 1.9) * s, (cy + 1.9) * s], fill=255)
        d.line([((left + 1) * s, (top + span - 0.5) * s), ((left + span - 1) * s, (top + 0.5) * s)],
               fill=0, width=round(3.2 * s))
        d.line([((left + 1) * s, (top + span - 0.5) * s), ((left + span - 1) * s, (top + 0.5) * s)],
               fill=255, width=w)
    return smooth_mask(size, draw)


def refresh(size, left, top, span=12):
    """A circular arrow turning clockwise."""
    cx = left + span / 2
    cy = top + span / 2
    r = span / 2 - 1

    def draw(d, s):
        w = round(1.4 * s)
        d.arc([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], 40, 340, fill=255, width=w)
        ang = math.radians(340)
        tx, ty = cx + r * math.cos(ang), cy + r * math.sin(ang)
        head = 3.4
        d.polygon([((tx - head) * s, (ty - head * 0.2) * s),
                   ((tx + head * 0.9) * s, (ty - head * 0.9) * s),
                   ((tx + head * 0.5) * s, (ty + head * 1.0) * s)], fill=255)
    return smooth_mask(size, draw)


def trash(size, left, top, span=12):
    """A bin with a lid: throw the cache away."""
    def draw(d):
        d.line([(left, top + 2), (left + span - 1, top + 2)], fill=255)
        d.line([(left + 4, top), (left + span - 5, top)], fill=255)
        d.line([(left + 4, top), (left + 4, top + 1)], fill=255)
        d.line([(left + span - 5, top), (left + span - 5, top + 1)], fill=255)
        d.rectangle([left + 1, top + 4, left + span - 2, top + span - 1], outline=255)
        for x in (left + 4, left + span - 5):
            d.line([(x, top + 6), (x, top + span - 3)], fill=255)
    return _crisp(size, draw)


def servers(size, left, top, span=12):
    """Two stacked server units with their lamps: pick another server."""
    def draw(d):
        for y in (top, top + 7):
            d.rectangle([left, y, left + span - 1, y + 4], outline=255)
            d.point([(left + span - 4, y + 2)], fill=255)
            d.line([(left + 2, y + 2), (left + 4, y + 2)], fill=255)
    return _crisp(size, draw)
