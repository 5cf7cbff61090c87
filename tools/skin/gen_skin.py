#!/usr/bin/python3
"""Draws every image resource of the program and writes them under
resources/ (or under the folder given as the only argument):
png/<id>.png, bitmap/318.bmp, icons/273.ico, defaults/uninstall.ico and the
resource-script fragment skin.rc that lists them.

Nothing depends on time or randomness, so two runs give identical bytes.
"""

import os
import sys

import buttons
import icons
import login_art
import surfaces
from png_file import png_bytes
from skin_table import (BITMAP_PATH, ICON_PATH, ICON_SIZES, PNG_BY_ID, PNGS,
                        RC_PATH, UNINSTALL_ICON_PATH, png_path, rc_text)

WINDOW_TITLE = "《Vorrak》微端"

# Title-strip buttons: (normal, hover, pressed) ids per button.
_CONTROL_IDS = {
    "close": (207, 208, 227),
    "maximise": (220, 213, 228),
    "restore": (221, 217, 229),
    "minimise": (209, 210, 230),
}
_STRIP_IDS = {
    "change_server": (211, 212, 231),
    "boss_key": (223, 215, 233),
    "full_screen": (224, 214, 234),
    "refresh": (226, 219, 236),
    "clear_cache": (252, 253, 261),
}
_POPUP_IDS = {
    "minimise": (320, 321, 322),
    "close": (323, 324, 325),
}


def draw_pngs():
    """Every PNG resource by id."""
    art = {
        172: surfaces.strip_middle(),
        203: surfaces.strip_left(WINDOW_TITLE),
        206: surfaces.strip_right(),
        275: surfaces.overlay_mask(),
        304: surfaces.dialog_face(),
        314: buttons.dialog_button(primary=True, lit=False),
        313: buttons.dialog_button(primary=True, lit=True),
        312: buttons.dialog_button(primary=False, lit=False),
        311: buttons.dialog_button(primary=False, lit=True),
        316: buttons.dialog_close(),
    }
    for phase, png_id in enumerate((276, 277, 278, 279)):
        art[png_id] = surfaces.overlay_frame(phase)
    for kind, ids in _CONTROL_IDS.items():
        for state, png_id in zip(buttons.STATES, ids):
            art[png_id] = buttons.window_control(kind, state)
    for name, ids in _STRIP_IDS.items():
        for state, png_id in zip(buttons.STATES, ids):
            art[png_id] = buttons.strip_button(name, PNG_BY_ID[png_id].width, state)
    for kind, ids in _POPUP_IDS.items():
        for state, png_id in zip(buttons.STATES, ids):
            art[png_id] = buttons.popup_button(kind, state)
    art[319] = login_art.login_panel(WINDOW_TITLE)
    return art


def _write(root, relative, data):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def _save(root, relative, img, fmt):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, format=fmt)


def generate(root):
    art = draw_pngs()
    for png in PNGS:
        img = art[png.id]
        if img.size != (png.width, png.height) or img.mode != "RGBA":
            raise ValueError("art for %d is %s %s" % (png.id, img.mode, img.size))
        _write(root, png_path(png.id), png_bytes(img))
    _save(root, BITMAP_PATH, login_art.popup_background(art[319]), "BMP")
    _write(root, ICON_PATH, icons.ico_bytes([icons.program_icon(n) for n in ICON_SIZES]))
    _write(root, UNINSTALL_ICON_PATH,
           icons.ico_bytes([icons.uninstall_icon(n) for n in ICON_SIZES]))
    _write(root, RC_PATH, rc_text().encode("ascii"))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "resources")
    generate(os.path.normpath(root))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
