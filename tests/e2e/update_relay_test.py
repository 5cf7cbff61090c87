#!/usr/bin/env python3
"""The self-update relay end to end, with real processes under Wine.

An old build of the program (a driver named Lander_Q7.exe that runs one update
pass) asks the platform stand-in for an update, downloads the new build, starts
it with "-d" and the install path, and ends; the new build copies itself over
the installed file and starts it. Checked: the installed file, every line of
the update log, the requests the stand-in saw, and which processes run at the
end. A second case holds the installed file open by running it, so that the
copy fails and the new build carries on as a normal start.

Run through wine-e2e.sh, which provides WINEPREFIX, LANDER_E2E_APPDATA and a
display.
"""

import argparse
import hashlib
import os
import re
import shutil
import subprocess
import sys
import time

from journey import Failure, PlatformStandIn, check, prefix_processes, wait_for

LINE = re.compile(r"^[ \d]{4}-[ \d]{2}-[ \d]{2} [ \d]{2}:[ \d]{2}:[ \d]{2} : \tUpdateModule\t(.*)$",
                  re.S)
SEPARATOR = "====================="


def md5(path):
    with open(path, "rb") as f:
        return hashlib.md5(f.read()).hexdigest()


def windows_path(linux_path):
    return "Z:" + linux_path.replace("/", "\\")


class Relay:
    def __init__(self, args):
        self.args = args
        self.appdata = os.environ["LANDER_E2E_APPDATA"]
        self.prefix = os.environ["WINEPREFIX"]
        self.install = os.path.join(self.appdata, "morvane", "vrk", "Lander_Q7.exe")
        self.log = os.path.join(self.appdata, "morvane", "vrk", "res", "update.log")
        self.cache = os.path.join(self.appdata, "cache", "q7vktmp.exe")
        self.state = os.path.join(os.path.dirname(self.appdata), "stand-in")
        self.base = "http://127.0.0.1:%d" % args.port
        self.download = self.base + "/download/vrk_client.exe"
        self.stand_in = PlatformStandIn(args.stand_in, args.port, self.state)

    # --- the platform stand-in -------------------------------------------------

    def start_stand_in(self, download=None):
        self.stand_in.stop()
        shutil.rmtree(self.state, ignore_errors=True)
        os.makedirs(self.state)
        self.stand_in.start(version_reply="{base}/download/vrk_client.exe",
                            download_file=download or self.args.new,
                            # The new version must not be offered itself again.
                            version_replies={self.args.new_version: "0"})

    # --- Wine processes -----------------------------------------------------------

    def processes(self):
        return prefix_processes(self.prefix)

    def installed_runs(self):
        """Processes running the installed file without the "-d" switch."""
        key = self.install.lower()
        return {pid for pid, cmd in self.processes().items()
                if key in cmd and not cmd.startswith("-d ")}

    def updater_runs(self):
        return {pid for pid, cmd in self.processes().items() if cmd.startswith("-d ")}

    def end_all_processes(self):
        subprocess.run(["wineserver", "-k"], check=False)
        wait_for(lambda: not self.installed_runs() and not self.updater_runs(), 20,
                 "the prefix's processes to end")
        subprocess.run(["wineserver", "-p"], check=False)

    # --- files ---------------------------------------------------------------------

    def reset_install(self, installed_copy):
        for folder in ("morvane", "cache"):
            shutil.rmtree(os.path.join(self.appdata, folder), ignore_errors=True)
        os.makedirs(os.path.dirname(self.log))
        shutil.copyfile(installed_copy, self.install)

    def log_messages(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, "rb") as f:
            raw = f.read()
        check(raw[:2] != b"\xff\xfe", "the update log starts with a byte-order mark")
        text = raw.decode("utf-16-le")
        check(text.endswith("\r\n"), "the update log does not end with CR LF")
        messages = []
        for line in text[:-2].split("\r\n"):
            match = LINE.match(line)
            check(match, "malformed log line %r" % line)
            messages.append(match.group(1))
        return messages

    def expected_download_lines(self, served=None):
        served = served or self.args.new
        size = os.path.getsize(served)
        return [
            self.base + "/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v="
            + self.args.old_version,
            "Http QueryInfoStatusCode:200",
            "Server response check version msg:" + self.download,
            "ExcuUpdate,URL=" + self.download,
            "Http QueryInfoStatusCode:200",
            "Content length:%d" % size,
            "Finish download,file size=%d" % size,
            "Finish download,file md5=" + md5(served),
        ]

    def run_driver(self, code=0):
        """code: 0 after starting the updater, 3 when the pass made no update."""
        done = subprocess.run(["wine", self.args.driver], timeout=90, check=False)
        check(done.returncode == code, "the old version ended with %d, not %d; log: %r"
              % (done.returncode, code, self.log_messages()))

    # --- the cases ------------------------------------------------------------------

    def case_relay_replaces_the_installed_file(self):
        self.reset_install(self.args.installed)
        self.run_driver()
        third = wait_for(self.installed_runs, 60, "the replaced installed file to start")
        wait_for(lambda: not self.updater_runs(), 30, "the \"-d\" process to end")

        check(open(self.install, "rb").read() == open(self.args.new, "rb").read(),
              "the installed file is not the new version")
        expected = self.expected_download_lines() + [
            "Finish download,current file md5=" + md5(self.args.new),
            "Update success.Current Version:" + self.args.new_version,
            SEPARATOR,
        ]
        check(self.log_messages() == expected,
              "log %r, expected %r" % (self.log_messages(), expected))
        version_query = ("/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v="
                         + self.args.old_version)
        check(self.stand_in.requests()[:2] == [version_query, "/download/vrk_client.exe"],
              "requests %r" % self.stand_in.requests())
        check(os.path.exists(self.cache), "the cache file was removed")
        time.sleep(2)
        check(self.installed_runs() & third, "the replaced installed file did not keep running")

    def case_error_page_served_as_download_is_not_installed(self):
        page = os.path.join(self.state, "error.html")
        self.start_stand_in(download=page)
        with open(page, "w") as f:
            f.write("<html><body><h1>503 Service Unavailable</h1></body></html>\n")
        self.reset_install(self.args.installed)
        self.run_driver(code=3)
        expected = self.expected_download_lines(page) + [
            "ERROR!Download file is not a Windows program,deleted"]
        check(self.log_messages() == expected,
              "log %r, expected %r" % (self.log_messages(), expected))
        check(not os.path.exists(self.cache) and not self.updater_runs()
              and open(self.install, "rb").read() == open(self.args.installed, "rb").read(),
              "the page was kept or handed over, or the installed file changed")

    def case_locked_install_file_fails_into_a_normal_start(self):
        self.reset_install(self.args.installed)
        holder = subprocess.Popen(["wine", self.install])
        try:
            holders = wait_for(self.installed_runs, 30, "the installed file to run")
            time.sleep(2)
            self.run_driver()
            wait_for(lambda: SEPARATOR in self.log_messages()[-1:]
                     and any(m.startswith("Update failure") for m in self.log_messages()),
                     60, "the failure line and the separator")
            updater = self.updater_runs()
            check(updater, "the \"-d\" process ended instead of starting normally")
            time.sleep(3)
            # Every "-d" process seen before is still there; one that only became
            # visible later (its command line read mid-start) changes nothing.
            check(updater <= self.updater_runs(), "the \"-d\" process did not keep running")
            check(self.installed_runs() == holders, "a third process was started")

            expected = self.expected_download_lines() + ["Update failure.Error Code:32", SEPARATOR]
            check(self.log_messages() == expected,
                  "log %r, expected %r" % (self.log_messages(), expected))
            check(open(self.install, "rb").read() == open(self.args.installed, "rb").read(),
                  "the locked installed file was changed")
        finally:
            self.end_all_processes()
            holder.wait(20)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--driver", required=True, help="old version that runs the update pass")
    parser.add_argument("--new", required=True, help="new build of the program")
    parser.add_argument("--new-version", required=True)
    parser.add_argument("--installed", required=True, help="old build placed as installed file")
    parser.add_argument("--old-version", required=True)
    parser.add_argument("--stand-in", required=True)
    args = parser.parse_args()

    relay = Relay(args)
    failed = 0
    for name in ("case_relay_replaces_the_installed_file",
                 "case_error_page_served_as_download_is_not_installed",
                 "case_locked_install_file_fails_into_a_normal_start"):
        started = time.monotonic()
        try:
            relay.start_stand_in()
            getattr(relay, name)()
            print("PASS %s (%.1f s)" % (name, time.monotonic() - started), flush=True)
        except (Failure, subprocess.TimeoutExpired) as e:
            failed += 1
            print("FAIL %s: %s" % (name, e), flush=True)
        finally:
            relay.stand_in.stop()
            relay.end_all_processes()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
