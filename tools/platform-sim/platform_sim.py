#!/usr/bin/env python3
"""Local stand-in for the game platform's web server.

Plays the platform's side for tests and for the run script: the login page at
/showMiniIndex with its redirect to a "play_gamecode" game address, a simple game
page, the version check /showMiniIndex/getClientVersion.php and the download of a
newer executable. Every answer can be bent through a JSON configuration file that
is read again for each request, and every request is recorded in a JSON-lines log.
Binds 127.0.0.1 only. Python 3 standard library only.
"""

import argparse
import html
import json
import os
import signal
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HOST = "127.0.0.1"
VERSION_PATH = "/showMiniIndex/getClientVersion.php"
LOGIN_PAGE_PATHS = ("/showMiniIndex", "/showMiniIndex/")
LOGIN_SUBMIT_PATH = "/showMiniIndex/login"
GAME_MARK = "play_gamecode"

DEFAULTS = {
    "version_reply": "0",
    "version_replies": {},
    "version_status": 200,
    "version_encoding": "latin-1",
    "download_path": "/download/vrk_client.exe",
    "download_file": None,
    "download_status": 200,
    "download_length": "exact",
    "download_length_delta": 16,
    "download_cut": None,
    "download_stall": 0,
    "download_trickle": None,
    "login_status": 200,
    "login_redirect": "meta",
    "game_url": "{base}/play_gamecode?g=vrk&user={user}",
}

LENGTH_MODES = ("exact", "none", "short", "long")
REDIRECT_MODES = ("meta", "script", "302")


class ConfigError(Exception):
    pass


def _is_int(value):
    return isinstance(value, int) and not isinstance(value, bool)


def _check_status(key, value):
    if not (_is_int(value) and 100 <= value <= 599):
        raise ConfigError("%s must be an HTTP status code, got %r" % (key, value))


def validate(config):
    """Raises ConfigError for unknown keys and for values of the wrong kind."""
    unknown = sorted(set(config) - set(DEFAULTS))
    if unknown:
        raise ConfigError("unknown configuration keys: %s" % ", ".join(unknown))
    for key in ("version_status", "download_status", "login_status"):
        _check_status(key, config[key])
    for key in ("version_reply", "version_encoding", "download_path", "game_url"):
        if not isinstance(config[key], str):
            raise ConfigError("%s must be a string" % key)
    try:
        "".encode(config["version_encoding"])
    except LookupError:
        raise ConfigError("unknown encoding %r" % config["version_encoding"])
    if not config["download_path"].startswith("/"):
        raise ConfigError("download_path must begin with /")
    replies = config["version_replies"]
    if not (isinstance(replies, dict) and all(isinstance(v, str) for v in replies.values())):
        raise ConfigError("version_replies must map version texts to reply strings")
    if config["download_file"] is not None and not isinstance(config["download_file"], str):
        raise ConfigError("download_file must be a path or null")
    length = config["download_length"]
    if not (length in LENGTH_MODES or (_is_int(length) and length >= 0)):
        raise ConfigError("download_length must be one of %s or a count of bytes"
                          % ", ".join(LENGTH_MODES))
    delta = config["download_length_delta"]
    if not (_is_int(delta) and delta >= 0):
        raise ConfigError("download_length_delta must be a count of bytes")
    cut = config["download_cut"]
    if cut is not None and not (_is_int(cut) and cut >= 0):
        raise ConfigError("download_cut must be a count of bytes or null")
    stall = config["download_stall"]
    if not ((_is_int(stall) or isinstance(stall, float)) and stall >= 0):
        raise ConfigError("download_stall must be a number of seconds")
    trickle = config["download_trickle"]
    if trickle is not None and not (
            isinstance(trickle, dict) and set(trickle) == {"bytes", "every"}
            and _is_int(trickle["bytes"]) and trickle["bytes"] > 0
            and (_is_int(trickle["every"]) or isinstance(trickle["every"], float))
            and trickle["every"] >= 0):
        raise ConfigError('download_trickle must be null or {"bytes": N > 0, "every": seconds}')
    if config["login_redirect"] not in REDIRECT_MODES:
        raise ConfigError("login_redirect must be one of %s" % ", ".join(REDIRECT_MODES))


def load_config(base, path):
    """The command-line settings overlaid with the configuration file, checked."""
    config = dict(base)
    if path is not None:
        try:
            with open(path, encoding="utf-8") as f:
                overrides = json.load(f)
        except (OSError, ValueError) as e:
            raise ConfigError("cannot read %s: %s" % (path, e))
        if not isinstance(overrides, dict):
            raise ConfigError("%s must hold a JSON object" % path)
        config.update(overrides)
    validate(config)
    return config


def announced_length(mode, size, delta):
    """Content-Length value for a body of `size` bytes, or None for no header."""
    if mode == "exact":
        return size
    if mode == "none":
        return None
    if mode == "short":
        return max(0, size - delta)
    if mode == "long":
        return size + delta
    return mode


class RequestLog:
    """Appends one JSON object per request to a file, flushed at once."""

    def __init__(self, path):
        self._file = open(path, "a", encoding="utf-8") if path else None
        self._lock = threading.Lock()

    def write(self, record):
        if self._file is None:
            return
        line = json.dumps(record) + "\n"
        with self._lock:
            self._file.write(line)
            self._file.flush()

    def close(self):
        if self._file is not None:
            self._file.close()


def escape_whitespace(target):
    # The client puts its version text into the query unencoded, so a request
    # line may read "GET /...&v=1, 0, 0, 1 HTTP/1.1". The base parser splits the
    # line at whitespace (str.split semantics); percent-encoding those characters
    # lets it through, and the raw target is restored afterwards.
    return "".join("%%%02X" % ord(c) if c.isspace() else c for c in target)


LOGIN_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Morvane 登录</title>
</head>
<body>
<form id="login" method="post" action="{action}">
<p><label>账号 <input type="text" name="code" id="code"></label></p>
<p><label>密码 <input type="password" name="pwd" id="pwd"></label></p>
<p><label><input type="checkbox" name="rem" value="1" checked> 记住密码</label></p>
<p><input type="submit" id="submit" value="登录"></p>
</form>
</body>
</html>
"""

META_REDIRECT_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<meta http-equiv="refresh" content="0; url={url}">
<title>正在进入游戏</title>
</head>
<body><p><a href="{url}">进入游戏</a></p></body>
</html>
"""

SCRIPT_REDIRECT_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>正在进入游戏</title>
</head>
<body>
<p><a href="{url}">进入游戏</a></p>
<script>window.location.href = {literal};</script>
</body>
</html>
"""

GAME_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Vorrak</title>
</head>
<body>
<h1 id="game">Vorrak</h1>
<p id="user">{user}</p>
<p><a id="home" href="/showMiniIndex">返回登录</a></p>
</body>
</html>
"""


class PlatformHandler(BaseHTTPRequestHandler):
    # HTTP/1.0: every response ends by closing the connection, which is what
    # delimits a body without Content-Length or one cut short.
    protocol_version = "HTTP/1.0"
    server_version = "PlatformSim/1.0"

    def parse_request(self):
        line = str(self.raw_requestline, "iso-8859-1").rstrip("\r\n")
        raw_target = None
        method, _, rest = line.partition(" ")
        target, _, version = rest.rpartition(" ")
        if method and version.startswith("HTTP/") and any(c.isspace() for c in target):
            raw_target = target
            escaped = "%s %s %s\r\n" % (method, escape_whitespace(target), version)
            self.raw_requestline = escaped.encode("iso-8859-1")
        ok = super().parse_request()
        if raw_target is not None:
            self.requestline = line
            if ok:
                self.path = raw_target
        # A client that reaches the stand-in as its proxy sends the whole
        # address; the stand-in serves it as if it were the named server.
        if ok and self.path.startswith("http://"):
            self.path = "/" + self.path[len("http://"):].partition("/")[2]
        return ok

    def do_GET(self):
        self.serve(b"")

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.serve(self.rfile.read(length) if length > 0 else b"")

    def serve(self, body):
        record = {
            "time": time.time(),
            "method": self.command,
            "path": self.path,
            "version": self.request_version,
            "headers": [[name, value] for name, value in self.headers.items()],
        }
        if body:
            record["body"] = body.decode("iso-8859-1")
        self.server.request_log.write(record)

        try:
            config = load_config(self.server.base_config, self.server.config_path)
        except ConfigError as e:
            sys.stderr.write("platform-sim: %s\n" % e)
            sys.stderr.flush()
            self.send_error(500, "Bad configuration")
            return

        path, _, query = self.path.partition("?")
        if path == VERSION_PATH:
            self.serve_version(config, query)
        elif path == config["download_path"]:
            self.serve_download(config)
        elif GAME_MARK in self.path:
            self.serve_game(query)
        elif path in LOGIN_PAGE_PATHS:
            self.serve_login_page(config)
        elif path == LOGIN_SUBMIT_PATH:
            self.serve_login_submit(config, query, body)
        else:
            self.send_error(404)

    def base_url(self):
        return "http://%s:%d" % (HOST, self.server.server_address[1])

    def send_body(self, status, content_type, payload):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(payload)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(payload)

    def send_html(self, text):
        self.send_body(200, "text/html; charset=utf-8", text.encode("utf-8"))

    def serve_version(self, config, query):
        status = config["version_status"]
        if status >= 400:
            self.send_error(status)
            return
        version = urllib.parse.parse_qs(query, keep_blank_values=True).get("v", [""])[0]
        reply = config["version_replies"].get(version, config["version_reply"])
        reply = reply.replace("{base}", self.base_url())
        try:
            payload = reply.encode(config["version_encoding"])
        except UnicodeEncodeError as e:
            sys.stderr.write("platform-sim: version_reply: %s\n" % e)
            sys.stderr.flush()
            self.send_error(500, "Reply not encodable")
            return
        self.send_body(status, "text/html", payload)

    def serve_download(self, config):
        status = config["download_status"]
        if status >= 400:
            self.send_error(status)
            return
        try:
            with open(config["download_file"] or "", "rb") as f:
                payload = f.read()
        except OSError:
            self.send_error(404, "No download file")
            return
        length = announced_length(config["download_length"], len(payload),
                                  config["download_length_delta"])
        if config["download_cut"] is not None:
            payload = payload[:config["download_cut"]]
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        if length is not None:
            self.send_header("Content-Length", str(length))
        self.send_header("Connection", "close")
        self.end_headers()
        trickle = config["download_trickle"]
        if trickle:
            # A service that never falls quiet for long, yet never ends in time.
            step = trickle["bytes"]
            for start in range(0, len(payload), step):
                if start:
                    time.sleep(trickle["every"])
                self.wfile.write(payload[start:start + step])
                self.wfile.flush()
        else:
            self.wfile.write(payload)
        if config["download_stall"]:
            # The connection stays open and silent, as a stalled service's does.
            self.wfile.flush()
            time.sleep(config["download_stall"])

    def serve_login_page(self, config):
        status = config["login_status"]
        if status >= 400:
            self.send_error(status)
            return
        self.send_html(LOGIN_PAGE.format(action=LOGIN_SUBMIT_PATH))

    def serve_login_submit(self, config, query, body):
        fields = urllib.parse.parse_qs(query)
        fields.update(urllib.parse.parse_qs(body.decode("iso-8859-1")))
        user = fields.get("code", ["guest"])[0] or "guest"
        game_url = (config["game_url"]
                    .replace("{base}", self.base_url())
                    .replace("{user}", urllib.parse.quote(user, safe="")))
        mode = config["login_redirect"]
        if mode == "302":
            self.send_response(302)
            self.send_header("Location", game_url)
            self.send_header("Content-Length", "0")
            self.send_header("Connection", "close")
            self.end_headers()
            return
        url = html.escape(game_url)
        if mode == "meta":
            self.send_html(META_REDIRECT_PAGE.format(url=url))
        else:
            literal = json.dumps(game_url).replace("</", "<\\/")
            self.send_html(SCRIPT_REDIRECT_PAGE.format(url=url, literal=literal))

    def serve_game(self, query):
        user = urllib.parse.parse_qs(query).get("user", [""])[0]
        self.send_html(GAME_PAGE.format(user=html.escape(user)))

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


class PlatformServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, base_config, config_path, request_log, verbose):
        super().__init__((HOST, port), PlatformHandler)
        self.base_config = base_config
        self.config_path = config_path
        self.request_log = request_log
        self.verbose = verbose

    def handle_error(self, request, client_address):
        # Clients that hang up in the middle of a body (a cut or overlong
        # download) are part of the game here, not faults of the server.
        if isinstance(sys.exc_info()[1], ConnectionError) and not self.verbose:
            return
        super().handle_error(request, client_address)


def parse_args(argv):
    parser = argparse.ArgumentParser(
        description="Local stand-in for the game platform's web server (127.0.0.1 only).")
    parser.add_argument("--port", type=int, default=0,
                        help="port to listen on; 0 picks a free one (default)")
    parser.add_argument("--config", help="JSON configuration file, read for every request")
    parser.add_argument("--log", help="JSON-lines file that records every request")
    parser.add_argument("--verbose", action="store_true",
                        help="write an access line per request to stderr")
    parser.add_argument("--version-reply", help="body of the version reply")
    parser.add_argument("--version-status", type=int, help="status of the version reply")
    parser.add_argument("--download-file", help="executable served at the download path")
    parser.add_argument("--download-path", help="path of the download")
    parser.add_argument("--download-status", type=int, help="status of the download")
    parser.add_argument("--download-length",
                        help="Content-Length: exact, none, short, long or a number")
    parser.add_argument("--download-cut", type=int,
                        help="send only this many bytes of the download")
    return parser.parse_args(argv)


def base_config_from(args):
    config = dict(DEFAULTS)
    flags = {
        "version_reply": args.version_reply,
        "version_status": args.version_status,
        "download_file": args.download_file and os.path.abspath(args.download_file),
        "download_path": args.download_path,
        "download_status": args.download_status,
        "download_cut": args.download_cut,
    }
    if args.download_length is not None:
        length = args.download_length
        flags["download_length"] = int(length) if length.isdigit() else length
    config.update({key: value for key, value in flags.items() if value is not None})
    return config


def main(argv=None):
    args = parse_args(sys.argv[1:] if argv is None else argv)
    base = base_config_from(args)
    config_path = args.config and os.path.abspath(args.config)
    try:
        load_config(base, config_path)
    except ConfigError as e:
        sys.stderr.write("platform-sim: %s\n" % e)
        return 2

    server = PlatformServer(args.port, base, config_path, RequestLog(args.log), args.verbose)

    def stop(signum, frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    sys.stdout.write("PORT %d\n" % server.server_address[1])
    sys.stdout.flush()
    try:
        server.serve_forever()
    finally:
        server.server_close()
        server.request_log.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
