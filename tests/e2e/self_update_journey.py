#!/usr/bin/env python3
"""Self-update from the login, as a player meets it, with real processes.

The player starts the downloaded program; at the login the platform stand-in
offers a newer build. The old process downloads it and starts it with "-d",
the new build replaces the installed copy and starts it, and the installed
new version runs the login and reaches the game. The update log tells that
story line by line.
"""

import hashlib
import os

from journey import SEPARATOR, check, run_journeys, wait_for


def md5(path):
    with open(path, "rb") as f:
        return hashlib.md5(f.read()).hexdigest()


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

    size, address = os.path.getsize(new), player.base + "/download/vrk_client.exe"
    expected = [
        player.base + player.version_query(old_version), "Http QueryInfoStatusCode:200",
        "Server response check version msg:" + address,
        "ExcuUpdate,URL=" + address, "Http QueryInfoStatusCode:200",
        "Content length:%d" % size, "Finish download,file size=%d" % size,
        "Finish download,file md5=" + md5(new), "Finish download,current file md5=" + md5(new),
        "Update success.Current Version:" + new_version, SEPARATOR,
        player.base + player.version_query(new_version), "Http QueryInfoStatusCode:200",
        "Server response check version msg:0", "Finish Update.", SEPARATOR]
    check(player.update_messages() == expected,
          "update log %r, expected %r" % (player.update_messages(), expected))


if __name__ == "__main__":
    raise SystemExit(run_journeys(__doc__, {"self_update": self_update}))
