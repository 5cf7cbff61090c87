#!/usr/bin/env python3
"""Self-test of the platform stand-in: starts platform_sim.py as a subprocess on a
free port and checks its answers over real sockets, its request log, and its
start-up and shutdown behaviour."""

import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "platform_sim.py")
VERSION_QUERY = "/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v="
DOWNLOAD = "/download/vrk_client.exe"


def start_server(*args):
    proc = subprocess.Popen([sys.executable, SERVER] + list(args),
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            universal_newlines=True)
    line = proc.stdout.readline()
    return proc, line


def fetch(port, target, method="GET", body=b""):
    """Sends one raw request (target sent byte for byte) and reads to the end.

    Returns (status, headers with lower-case names, body bytes)."""
    with socket.create_connection(("127.0.0.1", port), timeout=5) as sock:
        head = "%s %s HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: sim-test\r\n" % (method, target)
        if body:
            head += "Content-Length: %d\r\n" % len(body)
        sock.sendall(head.encode("latin-1") + b"\r\n" + body)
        data = b""
        while True:
            chunk = sock.recv(65536)
            if not chunk:
                break
            data += chunk
    head, _, payload = data.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    headers = dict((k.lower(), v.strip()) for k, _, v in (l.partition(":") for l in lines[1:]))
    return int(lines[0].split()[1]), headers, payload


class PlatformSimTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.config = os.path.join(cls.dir.name, "config.json")
        cls.log = os.path.join(cls.dir.name, "requests.jsonl")
        cls.exe = os.path.join(cls.dir.name, "new.exe")
        cls.exe_bytes = bytes(range(256)) * 20
        with open(cls.exe, "wb") as f:
            f.write(cls.exe_bytes)
        cls.configure()
        cls.proc, line = start_server("--config", cls.config, "--log", cls.log)
        if not line.startswith("PORT "):
            cls.proc.kill()
            cls.proc.communicate()
            cls.dir.cleanup()
            raise RuntimeError("server did not start: %r" % line)
        cls.port = int(line.split()[1])

    @classmethod
    def tearDownClass(cls):
        cls.proc.terminate()
        cls.proc.communicate(timeout=5)
        cls.dir.cleanup()

    @classmethod
    def configure(cls, **keys):
        keys.setdefault("download_file", cls.exe)
        temp = cls.config + ".tmp"
        with open(temp, "w", encoding="utf-8") as f:
            json.dump(keys, f)
        os.replace(temp, cls.config)

    def logged(self):
        with open(self.log, encoding="utf-8") as f:
            return [json.loads(line) for line in f]

    def test_version_reply_is_configurable_and_reread_per_request(self):
        self.configure()
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1.0.0.1")[2], b"0")
        self.configure(version_reply="-1")
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1.0.0.1")[2], b"-1")
        self.configure(version_reply="{base}" + DOWNLOAD)
        status, headers, body = fetch(self.port, VERSION_QUERY + "1.0.0.1")
        self.assertEqual(status, 200)
        self.assertEqual(body, ("http://127.0.0.1:%d%s" % (self.port, DOWNLOAD)).encode())
        self.assertEqual(int(headers["content-length"]), len(body))

    def test_version_replies_by_version(self):
        self.configure(version_reply="{base}" + DOWNLOAD,
                       version_replies={"1.0.0.2": "0", "1, 0, 0, 1": "-1"})
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1.0.0.2")[2], b"0")
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1,%200,%200,%201")[2], b"-1")
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1.0.0.1")[2],
                         ("http://127.0.0.1:%d%s" % (self.port, DOWNLOAD)).encode())

    def test_version_reply_is_8bit_text(self):
        self.configure(version_reply="caf\u00e9\u0000x")
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1")[2], b"caf\xe9\x00x")
        self.configure(version_reply="\u4e2d\u6587", version_encoding="gbk")
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1")[2], b"\xd6\xd0\xce\xc4")

    def test_version_with_spaces_is_answered_and_logged_raw(self):
        self.configure(version_reply="12345")
        status, _, body = fetch(self.port, VERSION_QUERY + "1, 0, 0, 1")
        self.assertEqual((status, body), (200, b"12345"))
        entry = self.logged()[-1]
        self.assertEqual(entry["method"], "GET")
        self.assertEqual(entry["path"], VERSION_QUERY + "1, 0, 0, 1")
        self.assertIn(["User-Agent", "sim-test"], entry["headers"])

    def test_download_content_length_variants(self):
        size = len(self.exe_bytes)
        cases = [("exact", str(size)), ("none", None), ("short", str(size - 16)),
                 ("long", str(size + 16)), (7, "7")]
        for mode, announced in cases:
            with self.subTest(mode=mode):
                self.configure(download_length=mode)
                status, headers, body = fetch(self.port, DOWNLOAD)
                self.assertEqual(status, 200)
                self.assertEqual(headers.get("content-length"), announced)
                self.assertEqual(body, self.exe_bytes)

    def test_download_cut_after_n_bytes_keeps_announced_length(self):
        self.configure(download_cut=1000)
        _, headers, body = fetch(self.port, DOWNLOAD)
        self.assertEqual(headers["content-length"], str(len(self.exe_bytes)))
        self.assertEqual(body, self.exe_bytes[:1000])

    def test_download_stall_holds_the_connection_after_the_bytes(self):
        self.configure(download_cut=1000, download_stall=1.5)
        started = time.monotonic()
        _, _, body = fetch(self.port, DOWNLOAD)
        self.assertGreaterEqual(time.monotonic() - started, 1.5)
        self.assertEqual(body, self.exe_bytes[:1000])

    def test_download_trickle_sends_pieces_apart(self):
        self.configure(download_cut=1000, download_trickle={"bytes": 400, "every": 0.5})
        started = time.monotonic()
        _, headers, body = fetch(self.port, DOWNLOAD)
        self.assertGreaterEqual(time.monotonic() - started, 1.0)
        self.assertEqual(headers["content-length"], str(len(self.exe_bytes)))
        self.assertEqual(body, self.exe_bytes[:1000])
        self.configure(download_trickle={"bytes": 0, "every": 1})
        self.assertEqual(fetch(self.port, DOWNLOAD)[0], 500)

    def test_error_statuses(self):
        self.configure(version_status=404, download_status=500)
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1")[0], 404)
        self.assertEqual(fetch(self.port, DOWNLOAD)[0], 500)
        self.configure(version_status=500, download_file=os.path.join(self.dir.name, "gone"))
        self.assertEqual(fetch(self.port, VERSION_QUERY + "1")[0], 500)
        self.assertEqual(fetch(self.port, DOWNLOAD)[0], 404)
        self.configure(downlod_status=404)
        self.assertEqual(fetch(self.port, DOWNLOAD)[0], 500)

    def test_login_leads_to_game_address(self):
        self.configure()
        page = urllib.request.urlopen("http://127.0.0.1:%d/showMiniIndex" % self.port, timeout=5)
        self.assertEqual(page.headers["Content-Type"], "text/html; charset=utf-8")
        self.assertIn('action="/showMiniIndex/login"', page.read().decode("utf-8"))

        _, _, body = fetch(self.port, "/showMiniIndex/login", "POST", b"code=bob&pwd=x")
        game = "http://127.0.0.1:%d/play_gamecode?g=vrk&amp;user=bob" % self.port
        self.assertIn('http-equiv="refresh" content="0; url=%s"' % game, body.decode("utf-8"))
        self.assertEqual(self.logged()[-1]["body"], "code=bob&pwd=x")

        self.configure(login_redirect="302")
        followed = urllib.request.urlopen(
            "http://127.0.0.1:%d/showMiniIndex/login?code=al%%20ice" % self.port, timeout=5)
        self.assertIn("play_gamecode", followed.geturl())
        self.assertIn('<p id="user">al ice</p>', followed.read().decode("utf-8"))


class LifecycleTest(unittest.TestCase):
    def test_sigterm_ends_cleanly(self):
        proc, line = start_server("--port", "0")
        port = int(line.split()[1])
        self.assertEqual(fetch(port, "/nowhere")[0], 404)
        proc.send_signal(signal.SIGTERM)
        _, err = proc.communicate(timeout=5)
        self.assertEqual((proc.returncode, err), (0, ""))

    def test_bad_configuration_refuses_to_start(self):
        for bad, key in (({"download_length": "sometimes"}, "download_length"),
                         ({"version_replies": {"1.0.0.2": 0}}, "version_replies")):
            with tempfile.TemporaryDirectory() as d:
                config = os.path.join(d, "config.json")
                with open(config, "w") as f:
                    json.dump(bad, f)
                proc, line = start_server("--config", config)
                _, err = proc.communicate(timeout=5)
            self.assertEqual((proc.returncode, line), (2, ""))
            self.assertIn(key, err)


if __name__ == "__main__":
    unittest.main()
