#!/usr/bin/env python3
"""A small HTTP/1.0 server on port 80 of a loopback address for the download
component's tests under Wine. It misbehaves on purpose, chosen by the path:

  /ok/N                 N bytes with a matching Content-Length
  /nolength/N           N bytes, no Content-Length, then close
  /short/A/N            announces A bytes, sends N (< A), then close
  /long/A/N             announces A bytes, sends N (> A), then close
  /status404/N          status 404 with an N-byte error page and its length
  /slow/N/C/MS          N bytes in C-byte pieces, MS milliseconds apart
  /held/N/NAME          announces N bytes, sends the first half, then holds
                        the rest until the file STATE_DIR/NAME.release
                        exists (HOLD_LIMIT seconds at most): a transfer that
                        goes on only once the test says so
  /stall                reads the request and answers nothing, holding the
                        connection open until the client gives up
  /hangup               reads the request and closes without any response
  /headeronly           a status line and headers, no length and no body
  /www/PATH             the file STATE_DIR/www/PATH (%XX decoded), with its
                        length, or 404 when there is none; tests put the
                        files of an update server there. When a file
                        PATH.announce is beside it, the length it holds is
                        announced instead, and the connection closes after
                        the file: a download cut off in the middle
                        When PATH.slow holds "C MS", the file goes out in
                        C-byte pieces, MS milliseconds apart
                        When PATH.hold is beside it, the first half of the
                        file goes out, then nothing more until a test
                        removes PATH.hold (HOLD_LIMIT seconds at most): a
                        transfer caught in the middle for as long as a test
                        needs, however slow the machine

Every body byte is PATTERN[i % len(PATTERN)], so a test can rebuild any body.
Every request, head and body as received, is appended to STATE_DIR/requests.log
before the answer goes out, followed by the line LOG_SEPARATOR; tests read it
to check what the client sent.

  http_server.py start STATE_DIR   starts the server in the background and
                                   returns once it listens; writes
                                   STATE_DIR/address (the listening address,
                                   then an address where nothing listens on
                                   port 80) and STATE_DIR/pid
  http_server.py stop STATE_DIR    stops it; fine when nothing runs

Several test runs may share the machine, so the server takes the first free
address of 127.0.0.1, 127.80.0.1, 127.80.0.2, ... The "refused" address is a
socket bound to port 80 but never listening: connections to it are refused,
and nothing else can take it while the server runs.

The server lives as long as the process that started it (CTest, whose fixture
starts and stops it): it ends itself once that process is gone, so a run
that is killed leaves nothing behind, and it never ends before the run does.
MAX_LIFETIME, far beyond any run, is only a last safety bound.
"""

import errno
import os
import select
import signal
import socket
import socketserver
import sys
import threading
import time
import urllib.parse

PORT = 80
LOG_SEPARATOR = b"----- end of request -----\r\n"
PATTERN = b"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_\r\n"
MAX_LIFETIME = 6 * 3600
OWNER_POLL_SECONDS = 2
READY_TIMEOUT = 20
HOLD_LIMIT = 120


def body(n):
    reps = n // len(PATTERN) + 1
    return (PATTERN * reps)[:n]


class Handler(socketserver.BaseRequestHandler):
    def setup(self):
        self.request.settimeout(30)

    def read_request(self):
        data = b""
        while b"\r\n\r\n" not in data:
            chunk = self.request.recv(4096)
            if not chunk:
                return data
            data += chunk
        head, _, rest = data.partition(b"\r\n\r\n")
        length = 0
        for line in head.split(b"\r\n")[1:]:
            name, _, value = line.partition(b":")
            if name.strip().lower() == b"content-length":
                length = int(value.strip() or b"0")
        while len(rest) < length:
            chunk = self.request.recv(4096)
            if not chunk:
                break
            rest += chunk
        return head + b"\r\n\r\n" + rest

    def send_response(self, status, payload, length=None, headers=()):
        lines = [b"HTTP/1.0 " + status, b"Content-Type: application/octet-stream"]
        lines += list(headers)
        if length is not None:
            lines.append(b"Content-Length: " + str(length).encode())
        self.request.sendall(b"\r\n".join(lines) + b"\r\n\r\n" + payload)

    def send_file(self, relative):
        root = os.path.realpath(os.path.join(self.server.state_dir, "www"))
        target = os.path.realpath(os.path.join(root, urllib.parse.unquote(relative, encoding="latin-1")))
        if not target.startswith(root + os.sep) or not os.path.isfile(target):
            self.send_response(b"404 Not Found", b"no such file", 12)
            return
        with open(target, "rb") as f:
            data = f.read()
        length = len(data)
        if os.path.isfile(target + ".announce"):
            with open(target + ".announce", "rb") as f:
                length = int(f.read().strip())
        if os.path.isfile(target + ".hold"):
            half = len(data) // 2
            self.send_response(b"200 OK", data[:half], length)
            deadline = time.monotonic() + HOLD_LIMIT
            while os.path.isfile(target + ".hold") and time.monotonic() < deadline:
                time.sleep(0.05)
            self.request.sendall(data[half:])
            return
        if os.path.isfile(target + ".slow"):
            with open(target + ".slow", "rb") as f:
                piece, delay = (int(n) for n in f.read().split())
            self.send_response(b"200 OK", b"", length)
            for start in range(0, len(data), piece):
                self.request.sendall(data[start:start + piece])
                time.sleep(delay / 1000.0)
            return
        self.send_response(b"200 OK", data, length)

    def handle(self):
        raw = self.read_request()
        self.server.log(raw)
        if not raw:
            return
        request_line = raw.split(b"\r\n", 1)[0].decode("latin-1")
        parts = request_line.split(" ")
        # A query only tells otherwise equal requests apart in the log.
        path = (parts[1] if len(parts) > 1 else "/").split("?")[0]
        if path.startswith("/www/"):
            try:
                self.send_file(path[len("/www/"):])
            except (BrokenPipeError, ConnectionResetError, socket.timeout):
                pass
            return
        args = [a for a in path.split("/") if a]
        name, nums = (args[0], [int(a) for a in args[1:] if a.isdigit()]) if args else ("", [])
        try:
            if name == "held" and len(args) == 3 and nums:
                self.send_held(nums[0], args[2])
                return
            self.dispatch(name, nums, raw)
        except (BrokenPipeError, ConnectionResetError, socket.timeout):
            pass

    def send_held(self, total, release_name):
        half = total // 2
        self.send_response(b"200 OK", body(half), total)
        release = os.path.join(self.server.state_dir, os.path.basename(release_name) + ".release")
        deadline = time.monotonic() + HOLD_LIMIT
        while not os.path.exists(release) and time.monotonic() < deadline:
            time.sleep(0.02)
        self.request.sendall(body(total)[half:])

    def dispatch(self, name, nums, raw):
        ok = b"200 OK"
        if name == "ok":
            self.send_response(ok, body(nums[0]), nums[0])
        elif name == "nolength":
            self.send_response(ok, body(nums[0]))
        elif name in ("short", "long"):
            self.send_response(ok, body(nums[1]), nums[0])
        elif name == "status404":
            self.send_response(b"404 Not Found", body(nums[0]), nums[0])
        elif name == "slow":
            total, piece, delay = nums
            self.send_response(ok, b"", total)
            sent = 0
            while sent < total:
                n = min(piece, total - sent)
                self.request.sendall(body(sent + n)[sent:])
                sent += n
                time.sleep(delay / 1000.0)
        elif name == "stall":
            # Hold the connection open until the client closes it.
            self.request.settimeout(120)
            try:
                while self.request.recv(4096):
                    pass
            except OSError:
                pass
        elif name == "hangup":
            pass
        elif name == "headeronly":
            self.send_response(ok, b"")
        else:
            self.send_response(b"400 Bad Request", b"unknown test path", 17)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, log_path):
        super().__init__((address, PORT), Handler)
        self.log_path = log_path
        self.state_dir = os.path.dirname(log_path)
        self.log_lock = threading.Lock()

    def log(self, raw):
        with self.log_lock, open(self.log_path, "ab") as f:
            f.write(raw + b"\r\n" + LOG_SEPARATOR)


def candidate_addresses():
    yield "127.0.0.1"
    for i in range(1, 250):
        yield "127.80.0.%d" % i


def bind_server(log_path):
    for address in candidate_addresses():
        try:
            return Server(address, log_path)
        except OSError as e:
            if e.errno != errno.EADDRINUSE:
                raise
    raise SystemExit("no free loopback address for port %d" % PORT)


def bind_refusing(taken):
    for address in candidate_addresses():
        if address == taken:
            continue
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        try:
            s.bind((address, PORT))
            return s
        except OSError:
            s.close()
    raise SystemExit("no free loopback address for the refusing socket")


def process_start_time(pid):
    """The start time of a process (ticks since boot), None when it is gone;
    with the pid it names one process, even after the pid is reused."""
    try:
        stat = open("/proc/%d/stat" % pid).read()
    except OSError:
        return None
    return stat.rsplit(")", 1)[1].split()[19]


def end_with_owner(server, owner, owner_start):
    def watch():
        while process_start_time(owner) == owner_start:
            time.sleep(OWNER_POLL_SECONDS)
        server.shutdown()

    threading.Thread(target=watch, daemon=True).start()


def serve(state_dir, ready_fd, owner, owner_start):
    server = bind_server(os.path.join(state_dir, "requests.log"))
    refusing = bind_refusing(server.server_address[0])
    with open(os.path.join(state_dir, "pid"), "w") as f:
        f.write("%d\n" % os.getpid())
    with open(os.path.join(state_dir, "address"), "w") as f:
        f.write("%s\n%s\n" % (server.server_address[0], refusing.getsockname()[0]))
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    end_with_owner(server, owner, owner_start)
    safety = threading.Timer(MAX_LIFETIME, server.shutdown)
    safety.daemon = True
    safety.start()
    os.write(ready_fd, b"ready\n")
    os.close(ready_fd)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
        refusing.close()
        for name in ("pid", "address"):
            try:
                os.remove(os.path.join(state_dir, name))
            except OSError:
                pass
        os._exit(0)


def start(state_dir):
    os.makedirs(state_dir, exist_ok=True)
    stop(state_dir)
    for name in ("requests.log", "server.err"):
        try:
            os.remove(os.path.join(state_dir, name))
        except OSError:
            pass
    owner = os.getppid()
    owner_start = process_start_time(owner)
    read_fd, write_fd = os.pipe()
    if os.fork() == 0:
        os.close(read_fd)
        os.setsid()
        err = os.open(os.path.join(state_dir, "server.err"), os.O_WRONLY | os.O_CREAT, 0o644)
        null = os.open(os.devnull, os.O_RDWR)
        os.dup2(null, 0)
        os.dup2(null, 1)
        os.dup2(err, 2)
        try:
            serve(state_dir, write_fd, owner, owner_start)
        finally:
            os._exit(1)
    os.close(write_fd)
    deadline = time.monotonic() + READY_TIMEOUT
    ready = b""
    while time.monotonic() < deadline and not ready.endswith(b"\n"):
        r, _, _ = select.select([read_fd], [], [], 0.5)
        if r:
            chunk = os.read(read_fd, 64)
            if not chunk:
                break
            ready += chunk
    os.close(read_fd)
    if ready != b"ready\n":
        sys.stderr.write(open(os.path.join(state_dir, "server.err")).read())
        sys.exit("the test HTTP server did not start")
    print("test HTTP server on %s" % open(os.path.join(state_dir, "address")).read().split()[0])


def is_our_server(pid):
    # A stale pid file must never lead to another process being killed.
    try:
        cmdline = open("/proc/%d/cmdline" % pid, "rb").read().split(b"\0")
    except OSError:
        return False
    return any(arg.endswith(b"http_server.py") for arg in cmdline)


def stop(state_dir):
    try:
        pid = int(open(os.path.join(state_dir, "pid")).read())
    except (OSError, ValueError):
        return
    if not is_our_server(pid):
        return
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if not is_our_server(pid):
            return
        time.sleep(0.05)
    os.kill(pid, signal.SIGKILL)


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop"):
        sys.exit("usage: http_server.py start|stop STATE_DIR")
    (start if sys.argv[1] == "start" else stop)(sys.argv[2])
