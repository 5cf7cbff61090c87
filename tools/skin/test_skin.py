#!/usr/bin/python3
"""Tests of the skin generator and its checker.

The generator runs once into a scratch folder; the tests then check that its
output passes the checker, that a second run is byte-identical, that the art
keeps the promises the windows rely on (seams, opacity, colour key, glyph
alignment), and that the checker notices broken files.

Run: /usr/bin/python3 -m unittest discover -s tools/skin -p 'test_*.py'
"""

import filecmp
import os
import shutil
import io
import tempfile
import unittest
from contextlib import redirect_stdout

from PIL import Image

import buttons
import check_skin
import gen_skin
import icons
import login_art
from png_file import png_bytes
from skin_table import (BITMAP_PATH, COLOUR_KEY, ICON_PATH, ICON_SIZES, PNGS,
                        RC_PATH, UNINSTALL_ICON_PATH, png_path)


def setUpModule():
    global OUT
    OUT = tempfile.mkdtemp(prefix="skin-test-")
    gen_skin.generate(OUT)


def tearDownModule():
    shutil.rmtree(OUT)


def png(png_id):
    return Image.open(os.path.join(OUT, png_path(png_id))).convert("RGBA")


def all_files(root):
    found = []
    for folder, _, names in os.walk(root):
        found += [os.path.relpath(os.path.join(folder, n), root) for n in names]
    return sorted(found)


class GeneratedOutput(unittest.TestCase):
    def test_passes_the_checker(self):
        self.assertEqual(check_skin.check(OUT), [])

    def test_second_run_is_byte_identical(self):
        again = tempfile.mkdtemp(prefix="skin-again-")
        try:
            gen_skin.generate(again)
            self.assertEqual(all_files(again), all_files(OUT))
            for name in all_files(OUT):
                self.assertTrue(filecmp.cmp(os.path.join(OUT, name), os.path.join(again, name),
                                            shallow=False), name)
        finally:
            shutil.rmtree(again)

    def test_rc_lists_every_resource_once_by_number(self):
        with open(os.path.join(OUT, RC_PATH)) as f:
            lines = [l.split() for l in f if l.strip() and not l.startswith("//")]
        ids = [int(parts[0]) for parts in lines]
        self.assertEqual(sorted(ids), sorted([p.id for p in PNGS] + [273, 318]))
        for parts in lines:
            self.assertTrue(os.path.isfile(os.path.join(OUT, parts[2].strip('"'))), parts)


class CompactPng(unittest.TestCase):
    def test_keeps_every_pixel_and_beats_the_default_encoder(self):
        art = gen_skin.draw_pngs()
        for png_id in (203, 304, 319):
            buf = io.BytesIO()
            art[png_id].save(buf, format="PNG")
            written = png_bytes(art[png_id])
            decoded = Image.open(io.BytesIO(written))
            self.assertEqual((decoded.mode, decoded.size), ("RGBA", art[png_id].size))
            self.assertEqual(decoded.tobytes(), art[png_id].tobytes())
            self.assertLessEqual(len(written), len(buf.getvalue()))


class ArtPromises(unittest.TestCase):
    def test_title_strip_ends_join_the_tiled_column_seamlessly(self):
        column = [png(172).getpixel((0, y)) for y in range(30)]
        self.assertEqual([png(203).getpixel((202, y)) for y in range(30)], column)
        self.assertEqual([png(206).getpixel((0, y)) for y in range(30)], column)

    def test_opaque_where_the_window_has_no_alpha(self):
        for png_id in (172, 203, 206, 304):
            self.assertEqual(png(png_id).getchannel("A").getextrema(), (255, 255), png_id)

    def test_login_panel_has_clear_corners_and_a_solid_body(self):
        panel = png(319)
        w, h = panel.size
        for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            self.assertEqual(panel.getpixel(corner)[3], 0, corner)
        self.assertEqual(panel.getpixel((w // 2, h // 2))[3], 255)
        shadow = panel.getpixel((w // 2, h - 3))[3]
        self.assertTrue(0 < shadow < 255, shadow)

    def test_popup_bitmap_keys_out_only_the_band_around_the_rail(self):
        bmp = Image.open(os.path.join(OUT, BITMAP_PATH)).convert("RGB")
        band = bmp.crop((0, 0, 700, login_art.POPUP_BAND))
        browser = bmp.crop((0, login_art.POPUP_BAND, 700, 460))
        self.assertEqual(band.getpixel((10, 10)), COLOUR_KEY)
        self.assertEqual(band.getpixel((500, 60)), COLOUR_KEY)
        self.assertNotIn(COLOUR_KEY, [c for _, c in browser.getcolors(1 << 24)])
        rail_centre = (int(buttons.POPUP_GLYPH_X), 29)
        self.assertNotEqual(bmp.getpixel(rail_centre), COLOUR_KEY)

    def test_popup_glyphs_line_up_on_the_rail(self):
        def centre_x(png_id, left):
            alpha = png(png_id).getchannel("A")
            w, h = alpha.size
            total = weighted = 0
            for y in range(h):
                for x in range(w):
                    a = alpha.getpixel((x, y))
                    total += a
                    weighted += a * (x + 0.5)
            return left + weighted / total
        rail = (login_art.RAIL[0] + login_art.RAIL[2]) / 2
        for png_id in (320, 321, 322):
            self.assertAlmostEqual(centre_x(png_id, buttons.POPUP_MINIMISE_X), rail, delta=0.75)
        for png_id in (323, 324, 325):
            self.assertAlmostEqual(centre_x(png_id, buttons.POPUP_CLOSE_X), rail, delta=0.75)

    def test_overlay_frames_differ_and_loop(self):
        frames = [png(i).tobytes() for i in (276, 277, 278, 279)]
        self.assertEqual(len(set(frames)), 4)

    def test_hover_and_pressed_differ_from_normal(self):
        for normal, hover, pressed in ((207, 208, 227), (211, 212, 231), (314, 313, 313),
                                       (320, 321, 322), (323, 324, 325)):
            self.assertNotEqual(png(normal).tobytes(), png(hover).tobytes(), normal)
            self.assertNotEqual(png(normal).tobytes(), png(pressed).tobytes(), normal)

    def test_full_screen_art_survives_the_one_pixel_narrower_button(self):
        # The window makes this button 85 pixels wide; the image is 86.
        for png_id in (224, 214, 234):
            self.assertEqual(png(png_id).getchannel("A").crop((85, 0, 86, 24)).getextrema(),
                             (0, 0), png_id)


class CheckerCatchesFaults(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="skin-bad-")
        shutil.rmtree(self.root)
        shutil.copytree(OUT, self.root)

    def tearDown(self):
        shutil.rmtree(self.root)

    def path(self, relative):
        return os.path.join(self.root, relative)

    def assertReported(self, relative):
        problems = check_skin.check(self.root)
        self.assertTrue(any(p.startswith(relative + ":") for p in problems), problems)
        with redirect_stdout(io.StringIO()):
            self.assertEqual(check_skin.main(["check_skin.py", self.root]), 1)

    def test_wrong_png_size(self):
        png(207).resize((27, 26)).save(self.path(png_path(207)))
        self.assertReported(png_path(207))

    def test_png_without_alpha_or_with_a_palette(self):
        png(304).convert("RGB").save(self.path(png_path(304)))
        png(316).convert("P").save(self.path(png_path(316)))
        self.assertReported(png_path(304))
        self.assertReported(png_path(316))

    def test_missing_png_and_stray_png(self):
        os.remove(self.path(png_path(172)))
        png(203).save(self.path(png_path(999)))
        self.assertReported(png_path(172))
        self.assertReported(png_path(999))

    def test_truncated_png(self):
        with open(self.path(png_path(319)), "r+b") as f:
            f.truncate(4000)
        self.assertReported(png_path(319))

    def test_overlay_mask_must_be_the_translucent_black_pixel(self):
        Image.new("RGBA", (1, 1), (0, 0, 0, 255)).save(self.path(png_path(275)))
        self.assertReported(png_path(275))

    def test_bitmap_depth_size_and_colour_key(self):
        bmp = Image.open(self.path(BITMAP_PATH)).convert("RGB")
        bmp.convert("RGBA").save(self.path(BITMAP_PATH), format="BMP")
        self.assertReported(BITMAP_PATH)
        bmp.resize((700, 460)).save(self.path(BITMAP_PATH))
        self.assertReported(BITMAP_PATH)
        Image.new("RGB", bmp.size, (10, 20, 30)).save(self.path(BITMAP_PATH))
        self.assertReported(BITMAP_PATH)

    def test_icon_missing_a_size_or_cut_short(self):
        smaller = [icons.program_icon(n) for n in ICON_SIZES if n != 256]
        with open(self.path(ICON_PATH), "wb") as f:
            f.write(icons.ico_bytes(smaller))
        self.assertReported(ICON_PATH)
        with open(self.path(UNINSTALL_ICON_PATH), "r+b") as f:
            f.truncate(200)
        self.assertReported(UNINSTALL_ICON_PATH)

    def test_stale_rc_fragment(self):
        with open(self.path(RC_PATH), "a") as f:
            f.write('999 PNG "png/999.png"\n')
        self.assertReported(RC_PATH)


if __name__ == "__main__":
    unittest.main()
