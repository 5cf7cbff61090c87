#!/usr/bin/env python3
"""A player's journeys through the whole program under Wine, with real processes.

first_start: the program started from a download folder sets its page
engine, installs itself, checks its version, logs in and opens the game
maximised with its tray icon.
in_game: the hotkeys, and which of them other programs keep; refresh, the
tray icon after the taskbar restarts, cache clearing, the taskbar on other
sides, change server and the exit question. login_redirect: a login page
that ends with a server redirect to the game's address. uninstall: the
command of the uninstall entry, both stages, and the page engine values.
faults: the update service down or broken, broken settings, a read-only data
folder and a locked installed file; the program keeps working each time.
"""

import os
import stat
import subprocess
import time

from journey import SEPARATOR, TITLE, check, run_journeys, wait_for

VK_F5, VK_F10, VK_F11 = 0x74, 0x79, 0x7A
CSIDL_PROGRAMS, CSIDL_DESKTOP, CSIDL_INTERNET_CACHE = 0x02, 0x10, 0x20
UNINSTALL_KEY = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvane《Vorrak》"
PROFILE_KEY = "Software\\应用程序向导生成的本地应用程序\\Lander_Q7\\Morvane《Vorrak》"
FEATURES = "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
# The page engine's values the program keeps under its file name.
ENGINE = {"FEATURE_BROWSER_EMULATION": "11001", "FEATURE_GPU_RENDERING": "1"}


def plant_engine_values(name, value):
    for feature in ENGINE:
        subprocess.run(["wine", "reg", "add", "HKCU\\" + FEATURES + feature, "/v", name, "/t",
                        "REG_DWORD", "/d", str(value), "/f"], stdout=subprocess.DEVNULL, check=True)


def engine_values(player):
    return {feature: player.registry("HKCU", FEATURES + feature) for feature in ENGINE}


def shortcuts(player):
    start_menu = os.path.join(player.linux_folder(CSIDL_PROGRAMS), "Morvane", "Vorrak")
    return {"desktop": os.path.join(player.linux_folder(CSIDL_DESKTOP), "Morvane《Vorrak》.lnk"),
            "program": os.path.join(start_menu, "《Vorrak》.lnk"),
            "uninstall": os.path.join(start_menu, "卸载-《Vorrak》.lnk")}


def link_holds(link, text):
    data = open(link, "rb").read()
    return text.encode("utf-16-le") in data or text.encode("latin-1", "replace") in data


def first_start(player):
    player.stand_in.start()
    # Another program's values stay; the program's own wrong ones are set right.
    plant_engine_values("other.exe", 7000)
    plant_engine_values("Lander_Q7.exe", 7000)
    game = player.log_in(player.download_program())
    engine = {f: {"Lander_Q7.exe": value, "other.exe": "7000"} for f, value in ENGINE.items()}
    check(engine_values(player) == engine, "page engine values %r" % engine_values(player))

    check(open(player.installed, "rb").read() == open(player.args.program, "rb").read(),
          "the installed copy is not the downloaded program")
    for name in ("systemset.ini", "uninstall.ico"):
        check(os.path.isfile(os.path.join(player.data, "res", name)), "res\\%s missing" % name)
    settings = open(player.settings, "rb").read()
    check(b"start=1001" in settings and b"firststart=0" in settings,
          "settings after the first start: %r" % settings)

    entry = player.registry("HKLM", UNINSTALL_KEY)
    installed = entry.get("Path", "")
    check(installed.lower().endswith("\\morvane\\vrk\\lander_q7.exe"), "uninstall entry %r" % entry)
    expected = {"Path": installed, "DisplayName": "Vorrak", "Publisher": "Morvane",
                "UninstallString": installed + " -u"}
    check(entry == expected, "uninstall entry %r, expected %r" % (entry, expected))
    profile = player.registry("HKCU", PROFILE_KEY)
    check(profile == expected, "profile entry %r, expected %r" % (profile, expected))
    # The machine's list took the entry: the user's own list gets none.
    check(not player.registry("HKCU", UNINSTALL_KEY), "a per-user uninstall entry as well")
    for role, link in shortcuts(player).items():
        check(os.path.isfile(link) and link_holds(link, "Lander_Q7.exe"),
              "the %s shortcut %s does not point at the installed copy" % (role, link))
    check(link_holds(shortcuts(player)["uninstall"], "uninstall.ico"),
          "the uninstall shortcut has not the unpacked icon")

    check(player.stand_in.requests()[:1] == [player.version_query(player.args.version)],
          "requests %r" % player.stand_in.requests())
    expected_log = [player.base + player.version_query(player.args.version),
                    "Http QueryInfoStatusCode:200", "Server response check version msg:0",
                    "Finish Update.", SEPARATOR]
    check(player.update_messages() == expected_log,
          "update log %r, expected %r" % (player.update_messages(), expected_log))
    check(any("BeforeNavigate2 url=%s/play_gamecode" % player.base in e and "cancel=1" in e
              for e in player.browser_events()),
          "the login popup did not catch the game address")
    check(any("DocumentComplete url=%s/play_gamecode" % player.base in e
              for e in player.browser_events()), "the game page did not complete")

    area = player.work_area()
    wait_for(lambda: game_rect(player) == area, 30, "the maximised layout on %r" % (area,))
    check(player.tray_colours() > 2, "no tray icon: %d colours" % player.tray_colours())


def game_rect(player):
    game = player.game_window()
    return game and (game.x, game.y, game.width, game.height)


def in_game(player):
    player.stand_in.start()
    game = player.log_in(player.download_program())
    maximised = game_rect(player)

    # Behind another program, F5 and F11 are that program's to take; the boss
    # key stays the game's. A click on the tray icon brings the game back.
    held = player.probe("hotkeys", VK_F5, VK_F11, VK_F10)
    check(held == ["free", "free", "taken"], "F5, F11, F10 behind another program: %r" % held)
    player.probe("tray-click", game.handle)

    player.probe("key", VK_F10)
    wait_for(lambda: not player.game_window().visible, 20, "the boss key to hide the window")
    player.probe("key", VK_F10)
    wait_for(lambda: player.game_window().visible, 20, "the boss key to show the window")

    x, y, width, height = maximised
    page_top = (x, y + 30, width, 100)
    before = player.screen(*page_top)
    player.probe("key", VK_F11)
    wait_for(lambda: game_rect(player) == (0, 0, 1280, 1024), 20, "full screen")
    player.probe("key", VK_F11)
    wait_for(lambda: game_rect(player) == maximised, 20, "full screen to end")
    view = [c for c in player.children(player.game_window()) if c.title == "MyWebBrowser"][0]
    check((view.x, view.y, view.width, view.height) == (x, y + 30, width, height - 30),
          "the game view %r is not under the title strip after full screen" % (view,))
    wait_for(lambda: player.screen(*page_top) == before, 10,
             "the page to show as before full screen")

    refreshes = len(player.browser_events("call Refresh"))
    player.probe("key", VK_F5)
    wait_for(lambda: len(player.browser_events("call Refresh")) > refreshes, 20,
             "F5 to refresh the page")

    player.probe("forget-icon", game.handle)
    wait_for(lambda: player.tray_colours() <= 2, 20, "the restarting taskbar to forget the icon")
    player.probe("taskbar-created")
    wait_for(lambda: player.tray_colours() > 2, 20, "the tray icon after the taskbar restarted")

    cache = player.linux_folder(CSIDL_INTERNET_CACHE)
    os.makedirs(os.path.join(cache, "vrk"), exist_ok=True)
    for i in range(3000):
        open(os.path.join(cache, "vrk", "entry%d.js" % i), "w").close()
    # Other programs' working files in the cache folder.
    working = [os.path.join(cache, "Content.Outlook", "Q7AB12CD", "offer.docx"),
               os.path.join(cache, "vrk", "Content.MSO", "3F2A.tmp"),
               os.path.join(cache, "Content.Word", "~WRS0001.tmp")]
    for path in working:
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write("being edited")
    player.click(game, "IDC_BTN_CLEAR_CACHE")
    overlay = wait_for(lambda: [w for w in player.visible("") if w.pid == game.pid
                                and (w.x, w.y, w.width, w.height) == maximised], 30,
                       "the overlay over the game window")[0]
    wait_for(lambda: not any(w.handle == overlay.handle for w in player.visible("")), 60,
             "the overlay to go")
    check(not os.path.exists(os.path.join(cache, "vrk", "entry0.js")), "the cache was not emptied")
    check(all(os.path.isfile(path) and open(path).read() == "being edited" for path in working),
          "other programs' working files went")

    # The maximised game fills the work area wherever the taskbar is docked;
    # Wine reports an empty one for a taskbar on a side, and the game then
    # takes the whole screen.
    for side in ("left", "top", "right", "bottom"):
        area = player.dock_taskbar(side)
        fitted = area if area[2] > 0 and area[3] > 0 else (0, 0, 1280, 1024)
        wait_for(lambda: game_rect(player) == fitted, 20,
                 "the game on %r with the taskbar at the %s" % (fitted, side))
    check(game_rect(player) == maximised, "the taskbar back at the bottom: %r" % (game_rect(player),))

    player.click(game, "IDC_BTN_CLOSE")
    player.answer(yes=False)
    check(player.game_window() == game, "answering no to the exit question changed the window")

    player.click(game, "IDC_BTN_CHANGE_SERVER")
    player.answer(yes=True)
    wait_for(lambda: (player.game_window() or game).pid != game.pid, 60,
             "a new process at the login and the game")
    check(player.stand_in.requests().count(player.version_query(player.args.version)) == 2,
          "the restart did not check the version again: %r" % player.stand_in.requests())
    check(not any(w.pid == game.pid for w in player.windows()), "the old process kept windows")

    again = player.game_window()
    player.click(again, "IDC_BTN_CLOSE")
    player.answer(yes=True)
    wait_for(lambda: not any(w.title == TITLE for w in player.windows()), 30,
             "the program to end")
    wait_for(lambda: player.tray_colours() <= 2, 20, "the tray icon to go")


def login_redirect(player):
    """The login ends with a server redirect to the game's address, which the
    login popup catches and the game window opens."""
    game = "%s/play_gamecode?g=vrk&user=guest" % player.base
    script = os.path.join(player.work, "redirect-login.script")
    with open(script, "w") as f:
        f.write("page %s/showMiniIndex*\n  wait 500\n  complete\n  wait 1500\n  redirect %s\n"
                "page %s\n  complete\n" % (player.base, game, game))
    os.environ["BROWSER_STANDIN_SCRIPT"] = script
    player.stand_in.start()
    player.log_in(player.download_program())
    redirects = player.browser_events(" call redirect ")
    check(len(redirects) == 1 and "notify=1" in redirects[0], "redirects %r" % redirects)
    # The login's control ends with the cancelled redirect: no game page inside it.
    control = redirects[0].split(" ")[0]
    last = player.browser_events(control + " event ")[-1]
    check(last.startswith("%s event BeforeNavigate2 url=%s " % (control, game))
          and "cancel=1" in last, "the login popup did not catch the redirect: %r" % last)


def uninstall(player):
    player.stand_in.start()
    plant_engine_values("other.exe", 7000)
    player.log_in(player.download_program())
    check(all("Lander_Q7.exe" in values for values in engine_values(player).values()),
          "no page engine values after the start")
    links = shortcuts(player)
    command = player.registry("HKLM", UNINSTALL_KEY)["UninstallString"]
    check(command.endswith(" -u"), "uninstall command %r" % command)
    player.end_all()
    os.environ["XDG_DATA_HOME"] = os.path.join(player.work, "trash")
    os.makedirs(os.path.join(player.work, "trash", "Trash", "files"), exist_ok=True)
    os.makedirs(os.path.join(player.work, "trash", "Trash", "info"), exist_ok=True)

    def run_uninstall(yes):
        player.start(command[:-3], "-u")
        player.answer(yes)

    run_uninstall(yes=False)
    time.sleep(2)
    check(os.path.exists(player.installed) and all(map(os.path.exists, links.values())),
          "declining the uninstall removed something")

    run_uninstall(yes=True)
    wait_for(lambda: not os.path.exists(player.installed) and not os.path.exists(player.settings),
             60, "the second stage to remove the program and its resources")
    wait_for(lambda: not any(map(os.path.exists, links.values())), 30, "the shortcuts to go")
    check(not os.path.exists(os.path.dirname(links["program"])), "the start-menu folder stayed")
    copy = os.path.join(player.appdata, "cache", "q7vktmpu.exe")
    check(os.path.isdir(player.data) and os.path.isfile(copy), "the data folder or the copy went")
    # The entry would start a deleted file; the profile values stay.
    check(not player.registry("HKLM", UNINSTALL_KEY), "the uninstall entry stayed")
    check(player.registry("HKCU", PROFILE_KEY).get("UninstallString") == command,
          "the profile values went")
    check(engine_values(player) == {f: {"other.exe": "7000"} for f in ENGINE},
          "page engine values after the uninstall: %r" % engine_values(player))
    trash = os.path.join(player.work, "trash", "Trash", "files")
    check(os.path.isfile(os.path.join(trash, "res", "systemset.ini")),
          "the settings are not in the Recycle Bin: %r" % os.listdir(trash))


def faults(player):
    player.stand_in.start()
    player.log_in(player.download_program())
    player.end_all()
    remembered = open(player.settings, "rb").read().replace(b"code=", b"code=cGxheWVy", 1)
    installed = open(player.installed, "rb").read()
    download = "%s/download/vrk_client.exe" % player.base
    offer = {"version_reply": "{base}/download/vrk_client.exe", "download_file": player.args.new}
    cases = [
        ("server down", None, ["Try Download File Exception"]),
        ("404", {"version_status": 404}, ["Http QueryInfoStatusCode:404"]),
        ("500", {"version_status": 500}, ["Http QueryInfoStatusCode:500"]),
        ("2 KiB of garbage", {"version_reply": "".join(chr(i * 7 % 256) for i in range(2048))},
         ["Http QueryInfoStatusCode:200"]),
        ("truncated download", dict(offer, download_cut=4096),
         ["ExcuUpdate,URL=" + download, "Content length:%d" % os.path.getsize(player.args.new)]),
    ]
    for name, config, lines in cases:
        with open(player.settings, "wb") as f:
            f.write(remembered)
        if os.path.exists(player.update_log):
            os.remove(player.update_log)
        player.stand_in.stop()
        if config is not None:
            player.stand_in.start(**config)
        player.log_in(player.installed)
        messages = player.update_messages()
        check(all(line in messages for line in lines) and not any(
            m.startswith("Finish download") for m in messages),
            "%s: update log %r lacks %r" % (name, messages, lines))
        player.end_all()
        check(open(player.installed, "rb").read() == installed, "%s: installed copy changed" % name)
        check(open(player.settings, "rb").read() == remembered, "%s: settings changed" % name)

    player.stand_in.start()
    for name, content in (("corrupt settings", b"[Setting\r\nfullscreen=\xff\xfe\x00\x00F11\r\n"),
                          ("binary settings", bytes(range(256)) * 8)):
        with open(player.settings, "wb") as f:
            f.write(content)
        player.log_in(player.installed)
        player.end_all()
        check(open(player.installed, "rb").read() == installed, "%s: installed copy changed" % name)

    with open(player.settings, "wb") as f:
        f.write(remembered)
    # Folders and files without write permission; the files are what Wine
    # refuses to write to, whoever runs it.
    res = os.path.dirname(player.settings)
    read_only = [player.data, res] + [os.path.join(res, name) for name in os.listdir(res)]
    modes = {path: os.stat(path).st_mode for path in read_only}
    for path in read_only:
        os.chmod(path, modes[path] & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
    try:
        player.log_in(player.installed)
        player.end_all()
    finally:
        for path in read_only:
            os.chmod(path, modes[path])
    check(open(player.settings, "rb").read() == remembered, "read-only folder: settings changed")

    running = player.log_in(player.installed)
    player.start(player.download_program(player.args.new))
    wait_for(lambda: [w for w in player.game_windows() if w.pid != running.pid], 90,
             "the newer download to reach the game beside the running installed copy")
    check(open(player.installed, "rb").read() == installed,
          "the newer download replaced the running installed copy")
    check(open(player.settings, "rb").read() == remembered, "locked install: settings changed")


if __name__ == "__main__":
    raise SystemExit(run_journeys(__doc__, {"first_start": first_start, "in_game": in_game,
                                            "login_redirect": login_redirect,
                                            "uninstall": uninstall, "faults": faults}))
