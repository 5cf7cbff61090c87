"""Backgrounds of the small windows: the game window's title strip (left end,
tiled middle column, right end), the message box face, and the overlay's mask
pixel and spinner frames.
"""

from PIL import Image, ImageDraw

from paint import (CREAM, GOLD, GOLD_DARK, GOLD_LIGHT, NAVY_DEEP, SLATE_LINE,
                   blank, diagonal_hatch, emblem_mask, font, gold_fill,
                   hex_rgba, over, paint, radial_glow, rounded_mask,
                   shade_layer, text_layer, vertical_gradient, with_alpha)

STRIP_HEIGHT = 30

# The strip's rows, top to bottom: a highlight line, the body gradient and a
# dark-gold rule that separates the strip from the game page below it.
_STRIP_STOPS = [(0.0, hex_rgba("1f2b43")), (1.0, hex_rgba("101726"))]


def _strip_column(width):
    img = vertical_gradient((width, STRIP_HEIGHT), _STRIP_STOPS)
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (width - 1, 0)], fill=hex_rgba("34466a"))
    d.line([(0, STRIP_HEIGHT - 2), (width - 1, STRIP_HEIGHT - 2)], fill=hex_rgba("0a0f19"))
    d.line([(0, STRIP_HEIGHT - 1), (width - 1, STRIP_HEIGHT - 1)], fill=hex_rgba("6f5626"))
    return img


def strip_middle():
    return _strip_column(1)


def strip_left(title):
    """The strip's left end: the mark and the window title. Its right part
    equals the middle column, so the seam is invisible."""
    width = 203
    size = (width, STRIP_HEIGHT)
    img = _strip_column(width)
    glow = radial_glow(size, (18, 15), 40, with_alpha(GOLD, 70))
    over(img, glow)
    over(img, shade_layer(gold_fill(size), emblem_mask(size, 18, 15, 10)))
    over(img, text_layer(size, title, font(13), CREAM, centre=(34, 15), anchor="lm"))
    return img


def strip_right():
    """The strip's right end, behind the window controls: a recessed well
    with an etched divider on its left."""
    width = 92
    size = (width, STRIP_HEIGHT)
    img = _strip_column(width)
    well = rounded_mask(size, [5, 2, width + 6, STRIP_HEIGHT - 2], 5)
    over(img, paint(size, (0, 0, 0, 45), well))
    d = ImageDraw.Draw(img)
    d.line([(3, 7), (3, 22)], fill=hex_rgba("0a0f19"))
    d.line([(4, 7), (4, 22)], fill=hex_rgba("2d3c5b"))
    return img


# Message box face, 256 x 110. The window is 253 x 106 and draws the image at
# (-2, -2): columns 2..254 and rows 2..107 are what the player sees, so the
# frame is drawn on that rectangle. The title is centred at x = 135 and the
# close cross sits at x = 228..236, y = 10..17 of the window.

DIALOG_VISIBLE = (2, 2, 255, 108)


def dialog_face():
    size = (256, 110)
    x0, y0, x1, y1 = DIALOG_VISIBLE
    img = Image.new("RGBA", size, NAVY_DEEP)
    body = vertical_gradient(size, [(0.0, hex_rgba("1c2740")), (1.0, hex_rgba("0f1624"))])
    over(img, body)
    over(img, diagonal_hatch(size, 5, (255, 255, 255, 6)))
    over(img, radial_glow(size, (137, 70), 120, hex_rgba("2d4a7a", 70)))
    header = vertical_gradient((x1 - x0, 28), [(0.0, hex_rgba("27375a")), (1.0, hex_rgba("18223a"))])
    img.alpha_composite(header, dest=(x0, y0))
    d = ImageDraw.Draw(img)
    d.line([(x0, y0 + 28), (x1 - 1, y0 + 28)], fill=hex_rgba("0a0f19"))
    rule = _gold_rule((x1 - x0 - 2, 1))
    img.alpha_composite(rule, dest=(x0 + 1, y0 + 29))
    over(img, shade_layer(gold_fill(size), emblem_mask(size, x0 + 14, y0 + 14, 8)))
    d.rectangle([x0, y0, x1 - 1, y1 - 1], outline=hex_rgba("7c6130"))
    d.line([(x0 + 1, y0 + 1), (x1 - 2, y0 + 1)], fill=hex_rgba("3d5078"))
    _fill_outside(img, DIALOG_VISIBLE, hex_rgba("7c6130"))
    return img


def _gold_rule(size):
    """A one-pixel gold line that fades out towards both ends."""
    width = size[0]
    line = blank(size)
    d = ImageDraw.Draw(line)
    for x in range(width):
        t = min(x, width - 1 - x) / (width / 2)
        d.point((x, 0), fill=with_alpha(GOLD, int(40 + 180 * min(1.0, t * 1.6))))
    return line


def _fill_outside(img, box, colour):
    """Paint the margin that the window cuts off in the frame colour, so a
    slightly different placement still shows a clean edge."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    w, h = img.size
    d.rectangle([0, 0, w - 1, y0 - 1], fill=colour)
    d.rectangle([0, 0, x0 - 1, h - 1], fill=colour)
    d.rectangle([x1, 0, w - 1, h - 1], fill=colour)
    d.rectangle([0, y1, w - 1, h - 1], fill=colour)


# Overlay.

def overlay_mask():
    return Image.new("RGBA", (1, 1), (0, 0, 0, 0xE6))


# A two-by-two grid of squares; the lit square walks clockwise and the one it
# left still glows a little, which reads as motion at five frames a second.
_CELLS = [(0, 0), (13, 0), (13, 13), (0, 13)]


def overlay_frame(phase):
    size = (23, 23)
    img = blank(size)
    lit = phase % 4
    trail = (phase - 1) % 4
    for index, (x, y) in enumerate(_CELLS):
        mask = rounded_mask(size, [x, y, x + 10, y + 10], 2)
        if index == lit:
            over(img, shade_layer(gold_fill(size, GOLD_LIGHT, GOLD), mask))
        elif index == trail:
            over(img, paint(size, with_alpha(GOLD_DARK, 230), mask))
        else:
            over(img, paint(size, with_alpha(SLATE_LINE, 230), mask))
    return img

