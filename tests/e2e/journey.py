"""What the player's journeys share: the prefix with the program in a Wine
virtual desktop, the platform stand-in, the browser stand-in, the window probe
and the program's files.

Run through wine-e2e.sh, which provides WINEPREFIX, LANDER_E2E_APPDATA and a
display.
"""

import argparse
import collections
import json
import os
import re
import select
import shutil
import subprocess
import sys
import time

TITLE = "《Vorrak》微端"
SEPARATOR = "====================="
LOG_LINE = re.compile(r"^[ \d]{4}-[ \d]{2}-[ \d]{2} [ \d]{2}:[ \d]{2}:[ \d]{2} : \tUpdateModule\t(.*)$",
                      re.S)
Window = collections.namedtuple("Window", "handle pid visible x y width height id cls title")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(predicate, seconds, what):
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.3)


def prefix_processes(prefix):
    """Command lines of the processes of a Wine prefix, lower case with forward slashes."""
    found = {}
    marker = ("WINEPREFIX=" + prefix).encode()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f:
                if marker not in f.read().split(b"\0"):
                    continue
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                cmd = f.read().replace(b"\0", b" ").decode("utf-8", "replace")
        except OSError:
            continue
        found[int(pid)] = cmd.strip().lower().replace("\\", "/")
    return found


def arguments(doc):
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    for name in ("journey", "port", "program", "version", "new", "new-version", "probe",
                 "browser-standin", "stand-in", "resource-header"):
        parser.add_argument("--" + name, required=True)
    return parser.parse_args()


class PlatformStandIn:
    """The platform stand-in server on a fixed port, with its configuration and
    its log of requests in folder."""

    def __init__(self, script, port, folder):
        self.script = script
        self.port = int(port)
        self.config = os.path.join(folder, "config.json")
        self.log = os.path.join(folder, "requests.log")
        self.process = None

    def start(self, **config):
        self.stop()
        self.configure(**config)
        self.process = subprocess.Popen(
            [sys.executable, self.script, "--port", str(self.port), "--config", self.config,
             "--log", self.log],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        ready, _, _ = select.select([self.process.stdout], [], [], 20)
        line = self.process.stdout.readline() if ready else ""
        if line.strip() != "PORT %d" % self.port:
            self.process.kill()
            raise Failure("the stand-in did not start on port %d (in use?): %s"
                          % (self.port, self.process.stderr.read()))

    def configure(self, **config):
        with open(self.config + ".new", "w") as f:
            json.dump(config, f)
        os.replace(self.config + ".new", self.config)

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait(10)
            self.process = None

    def records(self):
        """Every request the stand-in received, in order, as it logged them."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return [json.loads(line) for line in f]

    def requests(self):
        """The paths the stand-in was asked for, in order."""
        return [record["path"] for record in self.records()]


class Player:
    """One prefix, one stand-in server, and the program as a player starts it."""

    def __init__(self, args):
        self.args = args
        self.port = int(args.port)
        self.base = "http://127.0.0.1:%d" % self.port
        self.appdata = os.environ["LANDER_E2E_APPDATA"]
        self.prefix = os.environ["WINEPREFIX"]
        self.work = os.path.dirname(self.appdata)
        self.data = os.path.join(self.appdata, "morvane", "vrk")
        self.installed = os.path.join(self.data, "Lander_Q7.exe")
        self.settings = os.path.join(self.data, "res", "systemset.ini")
        self.update_log = os.path.join(self.data, "res", "update.log")
        self.downloads = os.path.join(self.work, "Downloads")
        self.browser_log = os.path.join(self.work, "browser.log")
        self.ids = dict(re.findall(r"#define (\w+) (\d+)", open(args.resource_header).read()))
        self.stand_in = PlatformStandIn(args.stand_in, self.port, self.work)
        self.programs = []
        for name in (self.browser_log, self.stand_in.log):
            if os.path.exists(name):
                os.remove(name)
        os.makedirs(self.downloads, exist_ok=True)
        self.register_browser_standin()

    # --- the stand-ins ----------------------------------------------------------------

    def register_browser_standin(self):
        subprocess.run(["wine", "regsvr32", "/s", self.windows_path(self.args.browser_standin)],
                       check=True)
        script = os.path.join(self.work, "login.script")
        with open(script, "w") as f:
            f.write("page %s/showMiniIndex*\n  title Morvane login (browser stand-in)\n"
                    "  wait 500\n  complete\n  wait 1500\n"
                    "  navigate %s/play_gamecode?g=vrk&user=guest\n"
                    "page %s/*play_gamecode*\n  title Vorrak game page (browser stand-in)\n"
                    "  complete\n" % (self.base, self.base, self.base))
        os.environ["BROWSER_STANDIN_SCRIPT"] = script
        os.environ["BROWSER_STANDIN_LOG"] = self.browser_log

    def version_query(self, version):
        return "/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v=" + version

    def browser_events(self, kind=""):
        if not os.path.exists(self.browser_log):
            return []
        with open(self.browser_log, encoding="utf-8") as f:
            return [line.rstrip("\n") for line in f if kind in line]

    # --- processes and windows ----------------------------------------------------------

    def windows_path(self, linux_path):
        return "Z:" + linux_path.replace("/", "\\")

    def start(self, exe, *arguments):
        self.programs.append(subprocess.Popen(["wine", exe] + list(arguments)))
        return self.programs[-1]

    def probe(self, *arguments):
        done = subprocess.run(["wine", self.args.probe] + [str(a) for a in arguments],
                              stdout=subprocess.PIPE, check=False, timeout=60)
        return done.stdout.decode("utf-8", "replace").splitlines()

    def parse_windows(self, lines):
        found = []
        for line in lines:
            fields, _, title = line.partition("|")
            parts = fields.split(" ", 8)
            if len(parts) == 9:
                numbers = [int(p) for p in parts[:8]]
                found.append(Window(*numbers, cls=parts[8], title=title))
        return found

    def windows(self):
        return self.parse_windows(self.probe("windows"))

    def children(self, window):
        return self.parse_windows(self.probe("children", window.handle))

    def visible(self, title=None, cls="#32770"):
        return [w for w in self.windows()
                if w.visible and w.cls == cls and (title is None or w.title == title)]

    def game_windows(self):
        """Game windows: the client's title and the game view inside."""
        return [w for w in self.windows() if w.title == TITLE
                and any(c.title == "MyWebBrowser" for c in self.children(w))]

    def game_pages_loaded(self):
        return sum("/play_gamecode" in e for e in self.browser_events("DocumentComplete"))

    def shown_game_window(self, pages_before=0):
        """The game window once its initialisation is over: shown, fitted to the
        work area, and a game page loaded since pages_before, which happens
        only in the window's own message loop. The window is already visible,
        in passing layouts and without its hotkeys, while it initialises."""
        if self.game_pages_loaded() <= pages_before:
            return None
        area = self.work_area()
        shown = [w for w in self.game_windows() if w.visible]
        fitted = next((w for w in shown if (w.x, w.y, w.width, w.height) == area), None)
        if shown and not fitted:
            self.announce_work_area()
        return fitted

    def announce_work_area(self):
        """Tells the programs that the work area changed, as Windows' shell does
        when its taskbar moves or shows up. Wine's taskbar shows up only with
        the first tray icon, after the program has read the work area, and
        says nothing."""
        self.probe("workarea-changed")

    def dock_taskbar(self, side):
        """Docks the taskbar at a side of the screen and announces it; returns
        the new work area."""
        self.probe("taskbar", side)
        self.announce_work_area()
        return self.work_area()

    def game_window(self):
        games = self.game_windows()
        return games[0] if games else None

    def login_panel(self):
        for window in self.visible(TITLE):
            if not any(c.title == "MyWebBrowser" for c in self.children(window)):
                return window
        return None

    def message_box(self):
        """A visible box with the yes and no buttons."""
        for window in self.visible(""):
            ids = {c.id for c in self.children(window)}
            if {1, 2, int(self.ids["IDC_MSGBOX_CLOSE"])} <= ids:
                return window
        return None

    def click(self, window, name):
        self.probe("command", window.handle, self.ids.get(name, name))

    def answer(self, yes):
        box = wait_for(self.message_box, 30, "the question")
        self.click(box, "1" if yes else "2")
        wait_for(lambda: not self.message_box(), 30, "the question to close")

    def work_area(self):
        return tuple(int(v) for v in self.probe("workarea")[0].split())

    def linux_folder(self, csidl):
        path = self.probe("folder", csidl)[0]
        done = subprocess.run(["winepath", "-u", path], stdout=subprocess.PIPE, text=True,
                              check=True)
        return done.stdout.strip()

    def screen(self, x, y, width, height, output="rgb:-"):
        """What the display shows in that rectangle, as ImageMagick writes it
        to output (raw pixels by default)."""
        area = "%dx%d+%d+%d" % (width, height, x, y)
        return subprocess.run(["convert", "x:root", "-crop", area, "+repage"] + output.split(),
                              stdout=subprocess.PIPE, check=True).stdout

    def tray_colours(self):
        """Distinct colours at the notification area's end of the taskbar: one
        while it is empty, many where an icon is drawn."""
        tray = next(w for w in self.windows() if w.cls == "Shell_TrayWnd")
        return int(self.screen(tray.x + tray.width - 40, tray.y, 40, tray.height,
                               "-format %k info:"))

    def registry(self, root, key):
        return dict(line.split("=", 1) for line in self.probe("reg", root, key) if "=" in line)

    def end_all(self):
        subprocess.run(["wineserver", "-k"], check=False)
        for program in self.programs:
            program.wait(30)
        self.programs = []
        subprocess.run(["wineserver", "-p"], check=False)

    def prefix_processes(self):
        return prefix_processes(self.prefix)

    # --- the player's path ----------------------------------------------------------------

    def download_program(self, source=None):
        """The program as a player saves it, in a download folder."""
        exe = os.path.join(self.downloads, "Lander_Q7.exe")
        shutil.copyfile(source or self.args.program, exe)
        return exe

    def log_in(self, exe, *arguments):
        """Starts the program and waits for the game window after the login."""
        pages = self.game_pages_loaded()
        self.start(exe, *arguments)
        wait_for(self.login_panel, 60, "the login panel")
        return wait_for(lambda: self.shown_game_window(pages), 60,
                        "the game window after the login")

    def update_messages(self):
        if not os.path.exists(self.update_log):
            return []
        with open(self.update_log, "rb") as f:
            text = f.read().decode("utf-16-le")
        messages = []
        for line in text.split("\r\n")[:-1]:
            match = LOG_LINE.match(line)
            check(match, "malformed update log line %r" % line)
            messages.append(match.group(1))
        return messages


def run_journeys(doc, journeys):
    """Runs the journey named on the command line; its exit status is the result."""
    args = arguments(doc)
    player = Player(args)
    started = time.monotonic()
    try:
        journeys[args.journey](player)
        print("PASS %s (%.1f s)" % (args.journey, time.monotonic() - started), flush=True)
        return 0
    except (Failure, subprocess.TimeoutExpired) as e:
        print("FAIL %s: %s" % (args.journey, e), flush=True)
        print("windows: %r" % (player.windows(),), flush=True)
        print("requests: %r" % (player.stand_in.requests(),), flush=True)
        print("update log: %r" % (player.update_messages(),), flush=True)
        return 1
    finally:
        player.stand_in.stop()
        player.end_all()
