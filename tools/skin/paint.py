"""Drawing helpers shared by every piece of the skin: the palette, smooth
shapes, gradients, text and the small line glyphs.

Shapes are drawn at SS times the target size and reduced with a box filter,
which gives clean anti-aliased edges and identical bytes on every run.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SS = 4


def hex_rgba(value, alpha=255):
    value = value.lstrip("#")
    return (int(value[0:2], 16), int(value[2:4], 16), int(value[4:6], 16), alpha)


# One palette for the whole skin: deep slate navy with a warm gold accent.
NAVY_DEEP = hex_rgba("0b111c")
NAVY_MID = hex_rgba("1b263b")
SLATE_LINE = hex_rgba("3a4a6a")
GOLD = hex_rgba("d6ab52")
GOLD_LIGHT = hex_rgba("f2d38a")
GOLD_DARK = hex_rgba("8c6a2c")
CREAM = hex_rgba("f4ead3")
MUTED = hex_rgba("8f9bb3")
DANGER = hex_rgba("c2413a")
DANGER_DARK = hex_rgba("8e2c27")


def with_alpha(colour, alpha):
    return colour[:3] + (alpha,)


def mix(a, b, t):
    """Linear blend of two RGBA colours; t = 0 gives a, t = 1 gives b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def lighten(colour, t):
    return mix(colour, (255, 255, 255, colour[3]), t)


def font(size):
    return ImageFont.truetype(FONT_FILE, size, index=0,
                              layout_engine=ImageFont.Layout.BASIC)


def blank(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))


def over(base, layer):
    """Composite a layer of the same size onto base in place."""
    base.alpha_composite(layer)
    return base


def smooth_mask(size, draw_fn):
    """An anti-aliased L mask; draw_fn(draw, s) draws in white with every
    coordinate multiplied by s."""
    big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    draw_fn(ImageDraw.Draw(big), SS)
    return big.resize(size, Image.BOX)


def scaled(box, s):
    return [v * s for v in box]


def rounded_mask(size, box, radius):
    def draw(d, s):
        x0, y0, x1, y1 = scaled(box, s)
        d.rounded_rectangle([x0, y0, x1 - 1, y1 - 1], radius * s, fill=255)
    return smooth_mask(size, draw)


def paint(size, colour, mask):
    """A layer of one colour shown through mask."""
    layer = Image.new("RGBA", size, colour)
    if colour[3] != 255:
        mask = mask.point(lambda v: (v * colour[3] + 127) // 255)
    layer.putalpha(mask)
    return layer


def shade_layer(fill, mask):
    """fill (an RGBA image) shown through mask, keeping fill's own alpha."""
    layer = fill.copy()
    layer.putalpha(ImageChops.multiply(fill.getchannel("A"), mask))
    return layer


def vertical_gradient(size, stops):
    """stops: list of (position 0..1, RGBA) in order of position."""
    width, height = size
    img = blank(size)
    d = ImageDraw.Draw(img)
    for y in range(height):
        t = (y + 0.5) / height
        d.line([(0, y), (width - 1, y)], fill=_at(stops, t))
    return img


def _at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def radial_glow(size, centre, radius, colour):
    """A soft round glow of colour, fading from centre to radius."""
    grad = Image.radial_gradient("L")  # 256 x 256, 0 in the middle
    grad = grad.point(lambda v: max(0, 255 - v * 2) if v < 128 else 0)
    grad = grad.resize((radius * 2, radius * 2), Image.BILINEAR)
    mask = Image.new("L", size, 0)
    mask.paste(grad, (centre[0] - radius, centre[1] - radius))
    mask = mask.point(lambda v: v * colour[3] // 255)
    layer = Image.new("RGBA", size, colour[:3] + (0,))
    layer.putalpha(mask)
    return layer


def drop_shadow(size, box, radius, blur, alpha, offset=(0, 0)):
    mask = rounded_mask(size, [box[0] + offset[0], box[1] + offset[1],
                               box[2] + offset[0], box[3] + offset[1]], radius)
    mask = mask.filter(ImageFilter.GaussianBlur(blur))
    return paint(size, (0, 0, 0, alpha), mask)


def text_layer(size, text, fnt, colour, centre, anchor="mm"):
    """Text drawn at its native size (hinted, crisp) on a transparent layer,
    placed at centre by the given Pillow anchor."""
    layer = blank(size)
    ImageDraw.Draw(layer).text(centre, text, font=fnt, fill=colour, anchor=anchor)
    return layer


def text_width(text, fnt):
    left, _, right, _ = fnt.getbbox(text)
    return right - left


def diagonal_hatch(size, spacing, colour):
    """A faint pattern of thin diagonal lines, for textured backgrounds."""
    layer = blank(size)
    d = ImageDraw.Draw(layer)
    width, height = size
    for x in range(-height, width, spacing):
        d.line([(x, height), (x + height, 0)], fill=colour, width=1)
    return layer


def diamond(d, s, cx, cy, r, fill):
    d.polygon([(cx * s, (cy - r) * s), ((cx + r) * s, cy * s),
               (cx * s, (cy + r) * s), ((cx - r) * s, cy * s)], fill=fill)


def emblem_mask(size, cx, cy, r):
    """The program's mark: a diamond frame holding a sharp V, as an L mask of
    radius r around (cx, cy)."""
    def draw(d, s):
        diamond(d, s, cx, cy, r, 255)
        diamond(d, s, cx, cy, r * 0.80, 0)
        w = r * 0.17
        top = cy - r * 0.42
        bottom = cy + r * 0.50
        half = r * 0.46
        d.polygon([((cx - half) * s, top * s), ((cx - half + w * 1.6) * s, top * s),
                   (cx * s, (bottom - w * 2.2) * s),
                   ((cx + half - w * 1.6) * s, top * s), ((cx + half) * s, top * s),
                   (cx * s, bottom * s)], fill=255)
    return smooth_mask(size, draw)


def gold_fill(size, top=None, bottom=None):
    """The gold used for marks and headings: light at the top, deep below."""
    return vertical_gradient(size, [(0.0, top or GOLD_LIGHT), (1.0, bottom or GOLD_DARK)])
