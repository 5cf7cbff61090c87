#!/usr/bin/env python3
"""Walks the player's path through the running program and photographs it.

Used by scripts/run.sh when there is no display: the program is started in
the prefix's virtual desktop, and a screenshot of the whole X display is saved
at each stage: the login panel, the game window, full screen, the overlay
while the cache is cleared, and the exit question, which is then answered yes.
"""

import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from journey import Player, wait_for  # noqa: E402

VK_F11 = 0x7A
CSIDL_INTERNET_CACHE = 0x20


def rect(window):
    return (window.x, window.y, window.width, window.height)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("program", "probe", "browser-standin", "resource-header", "shots"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--port", default="28080")
    # scripts/run.sh serves the platform itself; the walk starts no stand-in.
    parser.set_defaults(stand_in=None)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    # The player of the journeys brings a login script of its own; the run's
    # script, with its login form, is the one the walk shows.
    run_script = os.environ["BROWSER_STANDIN_SCRIPT"]
    player = Player(args)
    os.environ["BROWSER_STANDIN_SCRIPT"] = run_script

    def shot(name, taken=lambda path: True):
        """Saves the screen until taken(path) accepts the picture."""
        path = os.path.join(args.shots, name + ".png")
        wait_for(lambda: subprocess.run(["import", "-window", "root", path], check=True)
                 and taken(path), 30, name)
        print("  " + path, flush=True)

    def login_page_shown():
        """The popup's browser control placed and shown: its page has loaded
        and stays for two seconds before it goes on to the game."""
        return next((c for popup in player.visible("") for c in player.children(popup)
                     if c.cls == "Shell Embedding" and c.visible and c.width > 0), None)

    def light(path, x, y):
        return float(subprocess.run(
            ["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-format", "%[fx:luma]", "info:"],
            stdout=subprocess.PIPE, check=True).stdout) > 0.5

    def page_over_panel(page):
        """The stand-in's light page inside the popup, with the panel's dark
        skin beside it."""
        inside = (page.x + page.width // 2, page.y + page.height * 7 // 8)
        beside = (page.x - 200, page.y + page.height // 2)
        return lambda path: light(path, *inside) and not light(path, *beside)

    program = player.start(args.program)
    wait_for(player.login_panel, 90, "the login panel")
    page = wait_for(login_page_shown, 30, "the login page")
    shot("1-login-panel", page_over_panel(page))
    game = wait_for(player.shown_game_window, 90, "the maximised game window")
    maximised = rect(game)
    shot("2-game-window")

    player.probe("key", VK_F11)
    wait_for(lambda: rect(player.game_window()) == (0, 0, 1280, 1024), 30, "full screen")
    shot("3-full-screen")
    player.probe("key", VK_F11)
    wait_for(lambda: rect(player.game_window()) == maximised, 30, "the end of full screen")

    # A player's cache is not empty; enough files keep the overlay up for a
    # moment.
    cache = os.path.join(player.linux_folder(CSIDL_INTERNET_CACHE), "vrk")
    os.makedirs(cache, exist_ok=True)
    for i in range(40000):
        open(os.path.join(cache, "entry%d.js" % i), "w").close()
    # The overlay is drawn a moment after its window shows and may be gone
    # soon after: pictures are taken until the middle of one differs from the
    # game window's picture.
    def middle(path):
        return subprocess.run(["convert", path, "-crop", "200x100+540+440", "+repage", "rgb:-"],
                              stdout=subprocess.PIPE, check=True).stdout

    game_picture = middle(os.path.join(args.shots, "2-game-window.png"))
    player.click(game, "IDC_BTN_CLEAR_CACHE")
    shot("4-cache-clearing", lambda path: middle(path) != game_picture)
    wait_for(lambda: not os.path.isdir(cache) or not os.listdir(cache), 120,
             "the cache to be cleared")

    player.click(game, "IDC_BTN_CLOSE")
    wait_for(player.message_box, 30, "the exit question")
    shot("5-exit-question")
    player.answer(yes=True)
    program.wait(60)
    print("Screenshots of the player's path are in " + args.shots)


if __name__ == "__main__":
    main()
