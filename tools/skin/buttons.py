"""State images of every image button: the game window's title-strip buttons,
the message box buttons and the login popup's two title buttons.

The program brightens hover images a little itself when it composes them, so
hover art here stays restrained; pressed art is darker and its content sits one
pixel lower, as if pushed in.
"""

from PIL import ImageChops, ImageFilter

import glyphs
from paint import (CREAM, DANGER, DANGER_DARK, GOLD, GOLD_DARK, GOLD_LIGHT,
                   NAVY_DEEP, blank, font, hex_rgba, lighten, over,
                   paint, rounded_mask, shade_layer, text_layer, text_width,
                   vertical_gradient, with_alpha)

STATES = ("normal", "hover", "pressed")

GLYPH = hex_rgba("c7cfdd")
GLYPH_PRESSED = hex_rgba("a9b3c6")


def _plate(size, box, radius, fill_stops, border=None):
    """A rounded plate: gradient fill with an optional one-pixel border."""
    outer = rounded_mask(size, box, radius)
    fill = vertical_gradient(size, fill_stops)
    img = blank(size)
    if border is None:
        return over(img, shade_layer(fill, outer))
    inner = rounded_mask(size, [box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1],
                         max(0, radius - 1))
    over(img, shade_layer(fill, inner))
    return over(img, paint(size, border, ImageChops.subtract(outer, inner)))


# Window controls: close, maximise, restore, minimise (28 x 26 each).

def _control_glyph(kind, size, dy):
    left, top, span = 9, 8 + dy, 10
    if kind == "close":
        return glyphs.close(size, left, top, span, stroke=1.4)
    if kind == "maximise":
        return glyphs.maximise(size, left, top, span)
    if kind == "restore":
        return glyphs.restore(size, left, top, span)
    return glyphs.minimise(size, left, top + 6, span)


def window_control(kind, state):
    size = (28, 26)
    box = [2, 1, 26, 25]
    img = blank(size)
    danger = kind == "close"
    if state == "hover":
        if danger:
            over(img, _plate(size, box, 4, [(0, lighten(DANGER, 0.08)), (1, DANGER)]))
        else:
            over(img, paint(size, (255, 255, 255, 30), rounded_mask(size, box, 4)))
        colour = (255, 255, 255, 255) if danger else CREAM
    elif state == "pressed":
        base = DANGER_DARK if danger else (0, 0, 0, 90)
        over(img, paint(size, base, rounded_mask(size, box, 4)))
        over(img, paint(size, (0, 0, 0, 60), rounded_mask(size, [3, 2, 25, 4], 1)))
        colour = hex_rgba("f1d6d2") if danger else GLYPH_PRESSED
    else:
        colour = GLYPH
    dy = 1 if state == "pressed" else 0
    over(img, paint(size, colour, _control_glyph(kind, size, dy)))
    return img


# Labelled buttons of the title strip (24 pixels high). Each entry: label,
# pictogram, hotkey hint, and the transparent margins left and right of the
# plate, chosen so that the plates stand about six pixels apart where the
# window places the buttons (refresh and clear cache overlap by four pixels).

STRIP_BUTTONS = {
    "change_server": ("选服", glyphs.servers, None, (1, 0)),
    "refresh": ("刷新", glyphs.refresh, "F5", (1, 8)),
    "clear_cache": ("清除缓存", glyphs.trash, None, (2, 1)),
    "boss_key": ("老板键", glyphs.eye_hidden, "F10", (1, 0)),
    "full_screen": ("全屏", glyphs.fullscreen, "F11", (1, 2)),
}

LABEL_FONT = 12
HINT_FONT = 10
ICON = 12


def strip_button(name, width, state):
    label, icon, hint, (ml, mr) = STRIP_BUTTONS[name]
    size = (width, 24)
    box = [ml, 1, width - mr, 23]
    img = blank(size)
    if state == "normal":
        over(img, _plate(size, box, 4,
                         [(0, (255, 255, 255, 20)), (1, (255, 255, 255, 6))],
                         border=hex_rgba("4a5b7e", 230)))
        ink, icon_ink, hint_ink = hex_rgba("e8dfc8"), GOLD, hex_rgba("9aa6bd")
    elif state == "hover":
        over(img, _plate(size, box, 4,
                         [(0, (255, 255, 255, 38)), (1, (255, 255, 255, 14))],
                         border=with_alpha(GOLD, 200)))
        ink, icon_ink, hint_ink = hex_rgba("fff6e2"), GOLD_LIGHT, hex_rgba("c9b27a")
    else:
        over(img, _plate(size, box, 4,
                         [(0, (0, 0, 0, 110)), (1, (0, 0, 0, 60))],
                         border=with_alpha(GOLD_DARK, 230)))
        over(img, paint(size, (0, 0, 0, 70),
                        rounded_mask(size, [box[0] + 1, 2, box[2] - 1, 4], 1)))
        ink, icon_ink, hint_ink = hex_rgba("d2c8b0"), hex_rgba("b8913f"), hex_rgba("7f8aa0")
    dy = 1 if state == "pressed" else 0
    label_font = font(LABEL_FONT)
    hint_font = font(HINT_FONT)
    content = ICON + 4 + text_width(label, label_font)
    if hint:
        content += 4 + text_width(hint, hint_font)
    if content > box[2] - box[0] - 8:
        raise ValueError("label of %s does not fit its button" % name)
    x = box[0] + (box[2] - box[0] - content) // 2
    cy = 12 + dy
    over(img, paint(size, icon_ink, icon(size, x, cy - ICON // 2)))
    x += ICON + 4
    over(img, text_layer(size, label, label_font, ink, centre=(x, cy), anchor="lm"))
    if hint:
        x += text_width(label, label_font) + 4
        over(img, text_layer(size, hint, hint_font, hint_ink, centre=(x, cy + 1), anchor="lm"))
    return img


# Message box buttons (82 x 34). The hover image doubles as the pressed one.

def dialog_button(primary, lit):
    size = (82, 34)
    box = [1, 1, 81, 33]
    img = blank(size)
    if primary:
        top = lighten(GOLD_LIGHT, 0.10 if lit else 0.0)
        mid = lighten(GOLD, 0.07 if lit else 0.0)
        bottom = lighten(hex_rgba("a57b30"), 0.06 if lit else 0.0)
        over(img, _plate(size, box, 6, [(0, top), (0.5, mid), (1, bottom)],
                         border=hex_rgba("6b4f1c")))
        over(img, paint(size, (255, 255, 255, 110 if lit else 80),
                        rounded_mask(size, [6, 2, 76, 3], 0)))
        ink = NAVY_DEEP
        text = "确定"
    else:
        top = hex_rgba("3a4968") if lit else hex_rgba("2c3a56")
        bottom = hex_rgba("202b42") if lit else hex_rgba("19233a")
        over(img, _plate(size, box, 6, [(0, top), (1, bottom)],
                         border=GOLD if lit else with_alpha(GOLD, 170)))
        over(img, paint(size, (255, 255, 255, 40), rounded_mask(size, [6, 2, 76, 3], 0)))
        ink = (255, 250, 238, 255) if lit else CREAM
        text = "取消"
    over(img, text_layer(size, text, font(14), ink, centre=(41, 17)))
    return img


def dialog_close():
    """The message box's tiny close cross (9 x 8), the same in every state."""
    size = (9, 8)
    return paint(size, hex_rgba("dde3ec"), glyphs.close_rect(size, 0.5, 0.5, 8, 7, stroke=1.3))


# The login popup's title buttons. The window places close at x = 618 and
# minimise at x = 635 of a 700-pixel popup, one above the other; both glyphs
# are drawn off-centre in their images so that they line up on the column
# x = 640.5 of the popup, where its background carries a vertical rail.

POPUP_GLYPH_X = 640.5
POPUP_CLOSE_X = 618
POPUP_MINIMISE_X = 635


def popup_button(kind, state):
    if kind == "close":
        size, left, top = (28, 31), 18, 10
    else:
        size, left, top = (27, 30), 1, 13
    dy = 1 if state == "pressed" else 0
    if kind == "close":
        mask = glyphs.close(size, left, top + dy, 9, stroke=1.5)
    else:
        mask = glyphs.minimise(size, left, top + dy, 9)
    colour = {"normal": GLYPH, "hover": GOLD_LIGHT, "pressed": hex_rgba("b8913f")}[state]
    img = blank(size)
    if state == "hover":
        halo = paint(size, with_alpha(GOLD, 150), mask)
        over(img, halo.filter(ImageFilter.GaussianBlur(2)))
    over(img, paint(size, colour, mask))
    return img

