#!/usr/bin/python3
"""Configurable local HTTP(S) server for the tests.

Binds 127.0.0.1 on an ephemeral port and prints "LISTENING <port>" as its
first stdout line. After that, every request it receives is written to stdout
as one JSON line (see "Records" below). Stop it with SIGTERM.

Command line (stable; other test areas rely on it):

  --port N                 port to bind (default 0 = let the system choose)
  --root DIR               serve files below DIR for any method (path without query)
  --route PATH=STATUS:BODY answer PATH with STATUS and BODY; BODY is the content
                           of that file when such a file exists, otherwise the
                           text itself (UTF-8). May be given many times.
  --redirect FROM=TO       answer FROM with a redirect to TO (relative or
                           absolute); the status is --redirect-status (302)
  --redirect-status CODE   status used for every --redirect (default 302)
  --delay PATH=SECONDS     wait SECONDS before answering PATH (fractions allowed)
  --header PATH=NAME:VALUE add a response header to answers for PATH
  --tls CERT KEY           serve HTTPS with this PEM certificate and key
  --tls-auto               serve HTTPS with a throw-away self-signed certificate
                           made with openssl at start-up
  --min-tls VERSION        lowest TLS version accepted: 1.0, 1.1, 1.2 or 1.3
  --max-tls VERSION        highest TLS version accepted
  --die-with-parent        exit when the process that started it ends (Linux),
                           so a crashed test leaves no server behind

PATH matching, used by --route, --redirect, --delay and --header: a PATH that
contains "?" is compared with the whole request target, otherwise with the
path part only; a PATH ending in "*" matches every path starting with the
text before it. Exact matches win over prefix matches. Precedence of answers:
redirect, then route, then a file below --root, then 404 "not found".

Records (one JSON object per line, written when the request has been read,
before any delay):

  {"method": "POST", "path": "/a?b=1", "headers": {"Content-Type": "..."},
   "body_length": 123, "body": "<text>",            # body only for non-multipart
                                                     # bodies up to 64 KiB (UTF-8, replaced errors)
   "parts": [{"name": "file", "filename": "x.txt",   # multipart/form-data only
              "disposition": "<Content-Disposition as sent>",
              "length": 10, "sha256": "...", "value": "<text of parts without filename>"}]}
"""

import argparse
import hashlib
import json
import mimetypes
import os
import re
import shutil
import ssl
import subprocess
import sys
import tempfile
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit, unquote

_print_lock = threading.Lock()


def emit(record):
    line = json.dumps(record, ensure_ascii=False)
    with _print_lock:
        sys.stdout.write(line + "\n")
        sys.stdout.flush()


def split_pair(text, option):
    if "=" not in text:
        raise SystemExit("%s expects KEY=VALUE, got %r" % (option, text))
    key, value = text.split("=", 1)
    return key, value


class PathTable:
    """PATH -> value with exact, with-query and prefix ("*") entries."""

    def __init__(self):
        self.entries = []

    def add(self, pattern, value):
        self.entries.append((pattern, value))

    def lookup_all(self, target):
        path = urlsplit(target).path
        exact, prefix = [], []
        for pattern, value in self.entries:
            if pattern.endswith("*"):
                stem = pattern[:-1]
                subject = target if "?" in stem else path
                if subject.startswith(stem):
                    prefix.append((len(stem), value))
            else:
                subject = target if "?" in pattern else path
                if subject == pattern:
                    exact.append(value)
        prefix.sort(key=lambda item: -item[0])
        return exact + [value for _, value in prefix]

    def lookup(self, target):
        found = self.lookup_all(target)
        return found[0] if found else None


def parse_multipart(content_type, body):
    match = re.search(r'boundary="?([^";]+)"?', content_type)
    if not match:
        return []
    delimiter = b"--" + match.group(1).encode("latin-1")
    parts = []
    for segment in body.split(delimiter)[1:]:
        if segment.startswith(b"--"):
            break
        if segment.startswith(b"\r\n"):
            segment = segment[2:]
        head, _, content = segment.partition(b"\r\n\r\n")
        if content.endswith(b"\r\n"):
            content = content[:-2]
        headers = {}
        for line in head.split(b"\r\n"):
            if b":" in line:
                name, value = line.split(b":", 1)
                headers[name.strip().lower().decode("latin-1")] = value.strip().decode("utf-8", "replace")
        disposition = headers.get("content-disposition", "")
        params = dict(re.findall(r'(\w+)="([^"]*)"', disposition))
        part = {"name": params.get("name"), "filename": params.get("filename"),
                "disposition": disposition,
                "length": len(content), "sha256": hashlib.sha256(content).hexdigest()}
        if part["filename"] is None:
            part["value"] = content[:4096].decode("utf-8", "replace")
        parts.append(part)
    return parts


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "LocalTestServer/1.0"

    def setup(self):
        super().setup()
        if isinstance(self.connection, ssl.SSLSocket):
            try:
                self.connection.do_handshake()
            except (ssl.SSLError, OSError) as error:
                sys.stderr.write("TLS handshake failed: %s\n" % error)
                self.close_connection = True
                raise

    def log_message(self, fmt, *args):
        sys.stderr.write("%s - %s\n" % (self.address_string(), fmt % args))

    def read_body(self):
        if self.headers.get("Transfer-Encoding", "").lower() == "chunked":
            chunks = []
            while True:
                size_line = self.rfile.readline()
                size = int(size_line.split(b";")[0].strip() or b"0", 16)
                if size == 0:
                    self.rfile.readline()
                    break
                chunks.append(self.rfile.read(size))
                self.rfile.readline()
            return b"".join(chunks)
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def handle_any(self):
        options = self.server.options
        body = self.read_body()
        record = {"method": self.command, "path": self.path,
                  "headers": {name: value for name, value in self.headers.items()},
                  "body_length": len(body)}
        content_type = self.headers.get("Content-Type", "")
        if content_type.lower().startswith("multipart/"):
            record["parts"] = parse_multipart(content_type, body)
        elif len(body) <= 65536:
            record["body"] = body.decode("utf-8", "replace")
        emit(record)

        delay = options.delays.lookup(self.path)
        if delay:
            time.sleep(delay)

        status, payload, kind, extra = self.answer_for(self.path)
        try:
            self.send_response(status)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(payload)))
            for name, value in extra:
                self.send_header(name, value)
            for header in options.headers.lookup_all(self.path):
                self.send_header(*header)
            self.end_headers()
            if self.command != "HEAD":
                self.wfile.write(payload)
            self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            self.close_connection = True

    def answer_for(self, target):
        options = self.server.options
        target_url = options.redirects.lookup(target)
        if target_url is not None:
            text = ("redirecting to %s; " % target_url) * 8
            return options.redirect_status, text.encode(), "text/plain", [("Location", target_url)]
        route = options.routes.lookup(target)
        if route is not None:
            status, payload, kind = route
            return status, payload, kind, []
        if options.root:
            relative = unquote(urlsplit(target).path).lstrip("/")
            root = os.path.realpath(options.root)
            full = os.path.realpath(os.path.join(root, relative))
            if (full == root or full.startswith(root + os.sep)) and os.path.isfile(full):
                with open(full, "rb") as handle:
                    payload = handle.read()
                kind = mimetypes.guess_type(full)[0] or "application/octet-stream"
                return 200, payload, kind, []
        return 404, b"not found", "text/plain", []

    do_GET = do_POST = do_PUT = do_DELETE = do_HEAD = do_PATCH = handle_any


def tls_version(text):
    versions = {"1.0": ssl.TLSVersion.TLSv1, "1.1": ssl.TLSVersion.TLSv1_1,
                "1.2": ssl.TLSVersion.TLSv1_2, "1.3": ssl.TLSVersion.TLSv1_3}
    if text not in versions:
        raise argparse.ArgumentTypeError("TLS version must be one of 1.0, 1.1, 1.2, 1.3")
    return versions[text]


def make_self_signed(folder):
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-keyout", key, "-out", cert],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def die_with_parent():
    try:
        import ctypes
        import signal
        libc = ctypes.CDLL(None, use_errno=True)
        PR_SET_PDEATHSIG = 1
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
    except (OSError, AttributeError):
        return
    # The parent may have gone before the request took effect.
    if os.getppid() == 1:
        sys.exit(0)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--root")
    parser.add_argument("--route", action="append", default=[], metavar="PATH=STATUS:BODY")
    parser.add_argument("--redirect", action="append", default=[], metavar="FROM=TO")
    parser.add_argument("--redirect-status", type=int, default=302)
    parser.add_argument("--delay", action="append", default=[], metavar="PATH=SECONDS")
    parser.add_argument("--header", action="append", default=[], metavar="PATH=NAME:VALUE")
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    parser.add_argument("--tls-auto", action="store_true")
    parser.add_argument("--min-tls", type=tls_version)
    parser.add_argument("--max-tls", type=tls_version)
    parser.add_argument("--die-with-parent", action="store_true")
    args = parser.parse_args()

    if args.die_with_parent:
        die_with_parent()

    args.routes = PathTable()
    for item in args.route:
        path, answer = split_pair(item, "--route")
        status, sep, text = answer.partition(":")
        if not sep or not status.isdigit():
            raise SystemExit("--route expects PATH=STATUS:BODY, got %r" % item)
        if text and os.path.isfile(text):
            with open(text, "rb") as handle:
                payload = handle.read()
            kind = mimetypes.guess_type(text)[0] or "application/octet-stream"
        else:
            payload, kind = text.encode("utf-8"), "text/plain; charset=utf-8"
        args.routes.add(path, (int(status), payload, kind))
    args.redirects = PathTable()
    for item in args.redirect:
        args.redirects.add(*split_pair(item, "--redirect"))
    args.delays = PathTable()
    for item in args.delay:
        path, seconds = split_pair(item, "--delay")
        args.delays.add(path, float(seconds))
    args.headers = PathTable()
    for item in args.header:
        path, header = split_pair(item, "--header")
        name, sep, value = header.partition(":")
        if not sep:
            raise SystemExit("--header expects PATH=NAME:VALUE, got %r" % item)
        args.headers.add(path, (name.strip(), value.strip()))

    server = ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    server.daemon_threads = True
    server.options = args

    scratch = None
    if args.tls or args.tls_auto:
        if args.tls:
            cert, key = args.tls
        else:
            scratch = tempfile.mkdtemp(prefix="http_server_tls_")
            cert, key = make_self_signed(scratch)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        if args.min_tls:
            context.minimum_version = args.min_tls
        if args.max_tls:
            context.maximum_version = args.max_tls
        context.load_cert_chain(cert, key)
        # The handshake runs on the handler's thread so a stuck client cannot
        # hold up the accept loop.
        server.socket = context.wrap_socket(server.socket, server_side=True,
                                            do_handshake_on_connect=False)

    emit_line = "LISTENING %d" % server.server_address[1]
    with _print_lock:
        sys.stdout.write(emit_line + "\n")
        sys.stdout.flush()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
        if scratch:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
