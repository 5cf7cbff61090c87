"""The login screen: the panel's layered skin (a rounded card with a soft
shadow and real per-pixel transparency) and the login popup's background
bitmap, whose pure-green pixels let the panel show through.

The popup sits over the panel at a fixed offset, so both are painted from the
same picture: the popup bitmap copies the panel's pixels where it must look
opaque, which keeps the seam between the two windows invisible.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from paint import (CREAM, GOLD, GOLD_LIGHT, MUTED, NAVY_DEEP, NAVY_MID,
                   SLATE_LINE, blank, diamond, drop_shadow, emblem_mask, font,
                   gold_fill, hex_rgba, over, paint, radial_glow, rounded_mask,
                   shade_layer, smooth_mask, text_layer, text_width,
                   vertical_gradient, with_alpha, diagonal_hatch)

PANEL_SIZE = (1216, 724)
CARD = (12, 8, 1204, 712)
CARD_RADIUS = 14

# Where the panel puts the popup, and the popup's layout: its top band is the
# panel's own art seen through the colour key; below it the browser lives.
POPUP_AT = (452, 200)
POPUP_SIZE = (700, 460)
POPUP_BAND = 72
LOGIN_CARD = (440, 188, 1164, 672)

# The vertical rail behind the popup's close and minimise glyphs, in popup
# coordinates (the glyphs line up on its centre column, x = 640.5).
RAIL = (625, 0, 656, 58)

BITMAP_SIZE = (739, 471)
COLOUR_KEY = (0, 255, 0)

# The program draws its version text at (width - 60, height - 33).
VERSION_AT = (PANEL_SIZE[0] - 60, PANEL_SIZE[1] - 33)


def gold_text(size, text, fnt, centre, anchor="mm", glow=0):
    """Text filled with the gold gradient over its own height."""
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).text(centre, text, font=fnt, fill=255, anchor=anchor)
    x0, y0, x1, y1 = mask.getbbox()
    fill = blank(size)
    fill.paste(gold_fill((x1 - x0, y1 - y0), GOLD_LIGHT, hex_rgba("b98a3a")), (x0, y0))
    out = blank(size)
    if glow:
        halo = paint(size, with_alpha(GOLD, 120), mask).filter(ImageFilter.GaussianBlur(glow))
        over(out, halo)
    over(out, shade_layer(fill, mask))
    return out


def _ring(size, box, radius):
    """The one-pixel outline of a rounded rectangle, as a mask."""
    outer = rounded_mask(size, box, radius)
    inner = rounded_mask(size, [box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1], radius - 1)
    return ImageChops.subtract(outer, inner)


def _rule(size, x0, x1, y, alpha=200):
    """A horizontal gold hairline that fades out at both ends."""
    layer = blank(size)
    d = ImageDraw.Draw(layer)
    half = (x1 - x0) / 2
    for x in range(x0, x1):
        t = 1 - abs((x + 0.5 - x0) - half) / half
        d.point((x, y), fill=with_alpha(GOLD, int(alpha * min(1.0, t * 2.2))))
    return layer


def _ridges(size):
    """Layered mountain ridges along the bottom of the card, for depth."""
    layer = blank(size)
    back = [(12, 600), (90, 560), (170, 585), (260, 520), (330, 560), (420, 505),
            (520, 570), (610, 540), (700, 600), (800, 724), (12, 724)]
    front = [(12, 650), (120, 610), (200, 640), (300, 590), (380, 630), (470, 600),
             (560, 650), (640, 630), (740, 724), (12, 724)]
    for points, colour in ((back, hex_rgba("24345a", 70)), (front, hex_rgba("0a1020", 120))):
        mask = smooth_mask(size, lambda d, s, p=points: d.polygon(
            [(x * s, y * s) for x, y in p], fill=255))
        over(layer, paint(size, colour, mask))
    return layer


def _card_body(size):
    body = vertical_gradient(size, [(0.0, NAVY_MID), (0.55, hex_rgba("121a2a")), (1.0, NAVY_DEEP)])
    over(body, radial_glow(size, (230, 250), 340, hex_rgba("c9964a", 60)))
    over(body, radial_glow(size, (960, 90), 560, hex_rgba("2f5590", 80)))
    over(body, diagonal_hatch(size, 7, (255, 255, 255, 7)))
    over(body, _ridges(size))
    return body


def _header(size, title):
    layer = blank(size)
    band = rounded_mask(size, [CARD[0], CARD[1], CARD[2], CARD[1] + 70], CARD_RADIUS)
    band = ImageChops.multiply(band, rounded_mask(size, [0, 0, size[0], CARD[1] + 52], 0))
    over(layer, paint(size, (0, 0, 0, 70), band))
    over(layer, _rule(size, CARD[0] + 20, CARD[2] - 20, CARD[1] + 52, alpha=150))
    over(layer, shade_layer(gold_fill(size), emblem_mask(size, 44, 34, 13)))
    over(layer, text_layer(size, title, font(16), CREAM, centre=(66, 34), anchor="lm"))
    return layer


def _hero(size):
    layer = blank(size)
    cx = 232
    over(layer, radial_glow(size, (cx, 196), 120, with_alpha(GOLD, 90)))
    over(layer, shade_layer(gold_fill(size), emblem_mask(size, cx, 196, 66)))
    over(layer, gold_text(size, "《Vorrak》", font(46), (cx, 318), glow=6))
    over(layer, text_layer(size, "微　端", font(22), CREAM, centre=(cx, 372)))
    over(layer, text_layer(size, "轻装上阵 · 即点即玩", font(15), MUTED, centre=(cx, 408)))
    over(layer, _rule(size, cx - 130, cx + 130, 440, alpha=170))
    features = ["一键登录，直达游戏", "老板键 F10，一键隐藏", "全屏 F11，沉浸畅玩"]
    for i, text in enumerate(features):
        y = 482 + i * 36
        mask = smooth_mask(size, lambda d, s, y=y: diamond(d, s, 134, y, 5, 255))
        over(layer, paint(size, GOLD, mask))
        over(layer, text_layer(size, text, font(15), hex_rgba("dfd6bf"), centre=(150, y), anchor="lm"))
    advice = ["抵制不良游戏　拒绝盗版游戏　注意自我保护　谨防受骗上当",
              "适度游戏益脑　沉迷游戏伤身　合理安排时间　享受健康生活"]
    for i, text in enumerate(advice):
        over(layer, text_layer(size, text, font(11), hex_rgba("7d889e"),
                               centre=(cx, 664 + i * 18)))
    return layer


def _login_card(size):
    layer = blank(size)
    box = LOGIN_CARD
    over(layer, drop_shadow(size, box, 10, 8, 130, offset=(0, 4)))
    fill = vertical_gradient(size, [(0.0, hex_rgba("1b2740", 245)), (1.0, hex_rgba("121a2b", 245))])
    over(layer, shade_layer(fill, rounded_mask(size, box, 10)))
    over(layer, paint(size, with_alpha(GOLD, 110), _ring(size, box, 10)))
    px, py = POPUP_AT
    cy = py + 36
    over(layer, paint(size, GOLD, smooth_mask(size, lambda d, s: diamond(d, s, px + 22, cy, 5, 255))))
    heading = font(20)
    over(layer, text_layer(size, "账号登录", heading, GOLD_LIGHT, centre=(px + 36, cy), anchor="lm"))
    note_x = px + 36 + text_width("账号登录", heading) + 14
    over(layer, text_layer(size, "请使用平台账号登录", font(13), MUTED,
                           centre=(note_x, cy + 2), anchor="lm"))
    over(layer, _rule(size, px, px + POPUP_SIZE[0], py + POPUP_BAND - 1, alpha=140))
    return layer


def _welcome(size):
    layer = blank(size)
    x = POPUP_AT[0]
    over(layer, text_layer(size, "欢迎回来", font(28), CREAM, centre=(x, 116), anchor="lm"))
    over(layer, text_layer(size, "登录后即可进入游戏，祝您旅途愉快", font(14), MUTED,
                           centre=(x, 154), anchor="lm"))
    vx, vy = VERSION_AT
    over(layer, text_layer(size, "版本", font(10), hex_rgba("7d889e"),
                           centre=(vx - 6, vy + 6), anchor="rm"))
    return layer


def login_panel(title):
    size = PANEL_SIZE
    card_mask = rounded_mask(size, CARD, CARD_RADIUS)
    img = blank(size)
    over(img, drop_shadow(size, CARD, CARD_RADIUS, 7, 170, offset=(0, 3)))
    content = _card_body(size)
    over(content, _header(size, title))
    over(content, _hero(size))
    over(content, _welcome(size))
    over(content, _login_card(size))
    over(img, shade_layer(content, card_mask))
    over(img, paint(size, with_alpha(GOLD, 90), _ring(size, CARD, CARD_RADIUS)))
    return img


def _rail(size):
    """The rail behind the popup's two title glyphs, in popup coordinates."""
    layer = blank(size)
    x0, y0, x1, y1 = RAIL
    fill = vertical_gradient(size, [(0.0, hex_rgba("25324d")), (1.0, hex_rgba("182137"))])
    over(layer, shade_layer(fill, rounded_mask(size, RAIL, 12)))
    over(layer, paint(size, with_alpha(GOLD, 120), _ring(size, RAIL, 12)))
    d = ImageDraw.Draw(layer)
    d.line([(x0 + 7, 29), (x1 - 8, 29)], fill=with_alpha(SLATE_LINE, 255))
    return layer


def _loading_note(size):
    """What the popup shows below its band until the login page has loaded."""
    layer = blank(size)
    cx = POPUP_SIZE[0] // 2
    cy = POPUP_BAND + (POPUP_SIZE[1] - POPUP_BAND) // 2
    cells = [(0, 0, GOLD), (13, 0, SLATE_LINE), (13, 13, SLATE_LINE), (0, 13, SLATE_LINE)]
    for x, y, colour in cells:
        box = [cx - 12 + x, cy - 40 + y, cx - 2 + x, cy - 30 + y]
        over(layer, paint(size, with_alpha(colour, 230), rounded_mask(size, box, 2)))
    over(layer, text_layer(size, "正在打开登录页面，请稍候……", font(14), MUTED, centre=(cx, cy + 6)))
    return layer


def popup_background(panel):
    """The popup's 24-bit background: panel pixels under the browser area and
    the rail, pure green everywhere else in the band."""
    px, py = POPUP_AT
    crop = panel.crop((px, py, px + BITMAP_SIZE[0], py + BITMAP_SIZE[1]))
    opaque = Image.new("RGBA", BITMAP_SIZE, NAVY_DEEP)
    over(opaque, crop)
    over(opaque, _loading_note(BITMAP_SIZE))
    over(opaque, _rail(BITMAP_SIZE))
    rail_cover = rounded_mask(BITMAP_SIZE, RAIL, 12)
    keep = Image.new("L", BITMAP_SIZE, 0)
    keep.paste(255, (0, POPUP_BAND, BITMAP_SIZE[0], BITMAP_SIZE[1]))
    keep = ImageChops.lighter(keep, rail_cover.point(lambda v: 255 if v else 0))
    out = Image.new("RGB", BITMAP_SIZE, COLOUR_KEY)
    out.paste(opaque.convert("RGB"), mask=keep)
    return out
