#!/usr/bin/python3
"""Runs Linux programs (the Python peers, unzip, openssl, lrelease) for test
programs that run under Wine.

Wine starts a Linux program for a Windows process but hands back no process
handle: the test could neither wait for it, nor read its exit code, nor stop
it. So the tests ask this runner instead, one connection per program. The
client sends one line of JSON, {"argv": [...], "merge": true|false}; the runner
starts the program in a session of its own and sends its output in frames,
"O <n>\\n" + n bytes of stdout or "E <n>\\n" + n bytes of stderr (merged into
stdout with "merge"), then "X <exit code>\\n" once it has ended and its output
is drained. When the client closes the connection first, the program is
stopped: SIGTERM, and SIGKILL 3 s later.

Prints "LISTENING <port>" once it accepts connections; runs until killed.
"""
import json
import os
import signal
import socket
import subprocess
import sys
import threading


def stop(process):
    if process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(3)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def serve(connection):
    lock = threading.Lock()

    def send(data):
        with lock:
            try:
                connection.sendall(data)
            except OSError:
                pass

    request = b""
    while not request.endswith(b"\n"):
        chunk = connection.recv(65536)
        if not chunk:
            connection.close()
            return
        request += chunk
    try:
        order = json.loads(request)
        process = subprocess.Popen(
            order["argv"], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.STDOUT if order.get("merge") else subprocess.PIPE,
            start_new_session=True)
    except (ValueError, KeyError, OSError) as error:
        message = ("cannot start: %s\n" % error).encode()
        send(b"E %d\n%s" % (len(message), message) + b"X -1\n")
        connection.close()
        return

    def pump(stream, tag):
        for data in iter(lambda: stream.read1(65536), b""):
            send(b"%s %d\n" % (tag, len(data)) + data)

    pumps = [threading.Thread(target=pump, args=(process.stdout, b"O"))]
    if process.stderr:
        pumps.append(threading.Thread(target=pump, args=(process.stderr, b"E")))
    for thread in pumps:
        thread.start()

    def watch_client():
        # Anything read after the request, or the end of the connection,
        # means the client is done with the program.
        try:
            connection.recv(1)
        except OSError:
            pass
        stop(process)

    watcher = threading.Thread(target=watch_client, daemon=True)
    watcher.start()
    code = process.wait()
    for thread in pumps:
        thread.join()
    send(b"X %d\n" % code)
    try:
        connection.shutdown(socket.SHUT_WR)
    except OSError:
        pass
    watcher.join()
    connection.close()


def main():
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", int(sys.argv[1]) if len(sys.argv) > 1 else 0))
    server.listen(64)
    print("LISTENING %d" % server.getsockname()[1], flush=True)
    while True:
        connection, _ = server.accept()
        threading.Thread(target=serve, args=(connection,), daemon=True).start()


if __name__ == "__main__":
    main()
