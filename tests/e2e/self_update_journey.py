#!/usr/bin/env python3
"""Self-update from the login, as a player meets it, with real processes.

self_update: the player starts the downloaded program; at the login the
platform stand-in offers a newer build. The old process downloads it and
starts it with "-d", the new build replaces the installed copy and starts it,
and the installed new version runs the login and reaches the game. The update
log tells that story line by line.
signed_update: a program signed by its publisher takes a newer build signed
by the same publisher, also under a renewed certificate.
hostile_update: the same signed program against a service that offers
another publisher's build, an unsigned or altered one, the running file
itself, a download that stalls, one that trickles on past its time, a length
past 2 GiB, and a build that the system refuses to start: each time the
player keeps the installed program and reaches the game, and the login is
never "Not responding" while it waits.
"""

import hashlib
import os
import shutil
import time

from journey import SEPARATOR, check, run_journeys, wait_for
from signing import for_another_machine, make_certificate, sign, tamper

DOWNLOAD = "/download/vrk_client.exe"


def md5(path):
    with open(path, "rb") as f:
        return hashlib.md5(f.read()).hexdigest()


def update_story(player, served):
    """The update log of an update to served, from the old version's check to
    the new version's own check."""
    size, address = os.path.getsize(served), player.base + DOWNLOAD
    old, new = player.args.version, player.args.new_version
    return [
        player.base + player.version_query(old), "Http QueryInfoStatusCode:200",
        "Server response check version msg:" + address,
        "ExcuUpdate,URL=" + address, "Http QueryInfoStatusCode:200",
        "Content length:%d" % size, "Finish download,file size=%d" % size,
        "Finish download,file md5=" + md5(served), "Finish download,current file md5=" + md5(served),
        "Update success.Current Version:" + new, SEPARATOR,
        player.base + player.version_query(new), "Http QueryInfoStatusCode:200",
        "Server response check version msg:0", "Finish Update.", SEPARATOR]


def self_update(player):
    new, old_version, new_version = player.args.new, player.args.version, player.args.new_version
    player.stand_in.start(version_reply="{base}/download/vrk_client.exe", download_file=new,
                          version_replies={new_version: "0"})
    downloaded = player.download_program()
    first = player.start(downloaded)

    wait_for(player.shown_game_window, 120, "the game window of the updated program")
    check(first.wait(30) == 0, "the downloaded program did not end after handing over")
    check(open(player.installed, "rb").read() == open(new, "rb").read(),
          "the installed copy is not the new build")
    processes = player.prefix_processes().values()
    installed = player.installed.lower()
    check([cmd for cmd in processes if installed in cmd and not cmd.startswith("-d ")],
          "the installed copy is not running: %r" % list(processes))
    check(not [cmd for cmd in processes if cmd.startswith("-d ")], "the \"-d\" process stayed")
    check(not [cmd for cmd in processes if downloaded.lower() in cmd], "the old process stayed")
    check(player.stand_in.requests()[:3] == [player.version_query(old_version), "/download/vrk_client.exe",
                                    player.version_query(new_version)],
          "requests %r" % player.stand_in.requests())

    expected = update_story(player, new)
    check(player.update_messages() == expected,
          "update log %r, expected %r" % (player.update_messages(), expected))


def signed_builds(player):
    """The old and new builds signed by one publisher, the new one also under
    a renewed certificate, by another publisher, and altered after signing."""
    folder = os.path.join(player.work, "signing")
    os.makedirs(folder, exist_ok=True)
    subject = "/CN=Morvane Test Publisher/O=Morvane Test Publisher"
    publisher = make_certificate(folder, "publisher", subject)
    renewed = make_certificate(folder, "renewed", subject)
    other = make_certificate(folder, "other", "/CN=Other Publisher/O=Other Publisher")
    new, at = player.args.new, lambda name: os.path.join(folder, name + ".exe")
    return {"old": sign(player.args.program, at("old"), publisher),
            "new": sign(new, at("new"), publisher),
            "renewed": sign(new, at("renewed"), renewed),
            "other": sign(new, at("other"), other),
            "altered": tamper(sign(new, at("to-alter"), publisher), at("altered")),
            "unstartable": sign(for_another_machine(new, at("to-sign-foreign")),
                                at("unstartable"), publisher)}


def install_signed(player, builds):
    player.stand_in.start()
    player.log_in(player.download_program(builds["old"]))
    player.end_all()


def offer(player, served, **extra):
    player.stand_in.start(version_reply="{base}" + DOWNLOAD, download_file=served,
                          version_replies={player.args.new_version: "0"}, **extra)


def version_checks(player):
    return [p for p in player.stand_in.requests() if "getClientVersion.php" in p]


def signed_update(player):
    builds = signed_builds(player)
    install_signed(player, builds)
    for name in ("new", "renewed"):
        shutil.copyfile(builds["old"], player.installed)
        os.remove(player.update_log)
        offer(player, builds[name])
        player.log_in(player.installed)
        served = builds[name]
        check(open(player.installed, "rb").read() == open(served, "rb").read(),
              "%s: the installed copy is not the served build" % name)
        expected = update_story(player, served)
        check(player.update_messages() == expected,
              "%s: update log %r, expected %r" % (name, player.update_messages(), expected))
        player.end_all()


def log_in_watching_the_wait(player):
    """Logs in while the update waits on the service, and checks, 12 s into
    the download, that the system does not take the login for hung."""
    pages = player.game_pages_loaded()
    downloads = lambda: [r["time"] for r in player.stand_in.records() if r["path"] == DOWNLOAD]
    before = len(downloads())
    player.start(player.installed)
    panel = wait_for(player.login_panel, 60, "the login panel")
    asked = wait_for(lambda: downloads()[before:], 60, "the download request")[0]
    time.sleep(max(0, asked + 12 - time.time()))
    check(not player.shown_game_window(pages), "the download ended before the check")
    check(player.probe("hung", panel.handle) == ["0"], "the login is \"Not responding\"")
    wait_for(lambda: player.shown_game_window(pages), 60, "the game window after the login")


def hostile_update(player):
    builds = signed_builds(player)
    install_signed(player, builds)
    installed = open(player.installed, "rb").read()
    cache = os.path.join(player.appdata, "cache", "q7vktmp.exe")
    cases = [
        ("another publisher", builds["other"], {},
         ["ERROR!Download file is signed by another publisher,deleted"]),
        ("unsigned", player.args.new, {}, ["ERROR!Download file is not signed,deleted"]),
        ("one byte changed", builds["altered"], {},
         ["ERROR!Download file signature is not trusted(0x80096010),deleted"]),
        ("the running file", builds["old"], {},
         ["ERROR!Download file is the running program,deleted"]),
        ("past 2 GiB", builds["new"], {"download_length": 3000000000},
         ["ERROR!Content length out of range:3000000000,exit"]),
        ("stalled", builds["new"], {"download_cut": 1000, "download_stall": 120},
         ["Try Download File Exception", "The request has timed out."]),
        # 16 KiB in pieces 3 s apart: never 30 s quiet, but 96 s in all.
        ("trickling", builds["new"], {"download_length": 16384, "download_cut": 16384,
                                      "download_trickle": {"bytes": 512, "every": 3}},
         ["Try Download File Exception", "The request has timed out."]),
        ("refused start", builds["unstartable"], {},
         ["Finish download,file md5=" + md5(builds["unstartable"]),
          "ERROR!Update program did not start,Error Code:193,deleted"]),
    ]
    for name, served, extra, last in cases:
        if os.path.exists(player.update_log):
            os.remove(player.update_log)
        checks_before = len(version_checks(player))
        offer(player, served, **extra)
        if name == "trickling":
            log_in_watching_the_wait(player)
        else:
            player.log_in(player.installed)
        reached_game = time.time()
        messages = player.update_messages()
        check(messages[-len(last):] == last and "ExcuUpdate,URL=" + player.base + DOWNLOAD
              in messages, "%s: update log %r does not end with %r" % (name, messages, last))
        check(open(player.installed, "rb").read() == installed,
              "%s: the installed program changed" % name)
        # A stalled or trickling download leaves what arrived (Wine's reads
        # may hold back a last part chunk); every refused one leaves nothing.
        size = os.path.getsize(cache) if os.path.exists(cache) else None
        cut = extra.get("download_cut")
        check(size is not None and size <= cut if cut else size is None,
              "%s: the cache file holds %r bytes" % (name, size))
        time.sleep(3)
        check(len(version_checks(player)) == checks_before + 1,
              "%s: %d version checks" % (name, len(version_checks(player)) - checks_before))
        if cut:
            asked = [r["time"] for r in player.stand_in.records() if r["path"] == DOWNLOAD][-1]
            check(reached_game - asked < 60, "%s: the download held the login for %.0f s"
                  % (name, reached_game - asked))
        player.end_all()


if __name__ == "__main__":
    raise SystemExit(run_journeys(__doc__, {"self_update": self_update,
                                            "signed_update": signed_update,
                                            "hostile_update": hostile_update}))
