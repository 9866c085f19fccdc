"""Transfer benchmark: fetches a 20 MB file from a loopback HTTP server on 127.0.0.1:80 with
cobwen-get (under Wine) and with curl in the same run, and prints both times, their ratio and
cobwen-get's rate. Every 1024-byte block still goes through OnProgress on cobwen-get's main thread.

The runs alternate between the two programs and the fastest run of each counts (other load on a
shared machine only ever adds time). cobwen-get's time includes the start of a Windows process
under Wine; the time of a run over a one-byte file is printed beside it as that start's cost.
Every wait is bounded: a run that takes longer than --timeout seconds is reported and ends the
benchmark. Run it as root (port 80) with the Wine environment of tools/wine-env.sh started, or
through tools/bench-get.sh, which does both.

Exit code: 0 when cobwen-get reaches the target rate, 1 when it does not, 2 when a run failed."""
import argparse
import functools
import http.server
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

SIZE = 20 * 1024 * 1024
TARGET = 10.0  # MB/s through the queue
MB = 1024 * 1024


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def say(text):
    print(text, flush=True)


def bind_port_80(serve, wait_seconds):
    """The benchmark's server on 127.0.0.1:80; waits while another program holds the port."""
    deadline = time.monotonic() + wait_seconds
    announced = False
    while True:
        try:
            return http.server.ThreadingHTTPServer(("127.0.0.1", 80),
                                                   functools.partial(Quiet, directory=serve))
        except OSError as error:
            if time.monotonic() >= deadline:
                raise SystemExit(f"bench: 127.0.0.1:80 stays busy ({error}); try again later")
            if not announced:
                say(f"bench: 127.0.0.1:80 is busy ({error}); waiting up to {wait_seconds} s")
                announced = True
            time.sleep(1)


class Failed(Exception):
    pass


def timed(name, command, target, size, timeout):
    if os.path.exists(target):
        os.remove(target)
    start = time.monotonic()
    try:
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                stdin=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired as expired:
        output = (expired.stdout or b"").decode("utf-8", "replace")
        raise Failed(f"{name} did not finish within {timeout} s; its last output:\n"
                     f"{output[-2000:]}")
    elapsed = time.monotonic() - start
    got = os.path.getsize(target) if os.path.exists(target) else -1
    if result.returncode != 0 or got != size:
        output = result.stdout.decode("utf-8", "replace")
        raise Failed(f"{name} failed (exit code {result.returncode}, {got} of {size} bytes); "
                     f"its last output:\n{output[-2000:]}")
    os.remove(target)
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True, help="cobwen-get.exe")
    parser.add_argument("--emulator", default="/usr/lib/wine/wine64")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--timeout", type=float, default=120.0, help="seconds per run")
    parser.add_argument("--port-wait", type=float, default=120.0,
                        help="seconds to wait for a busy port 80")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    for path in (args.program, args.emulator):
        if not os.path.exists(path):
            say(f"bench: {path} does not exist")
            return 2
    if shutil.which("curl") is None:
        say("bench: curl is not installed")
        return 2

    work = tempfile.mkdtemp(prefix="cobwen-get-bench-")
    serve = os.path.join(work, "serve")
    down = os.path.join(work, "down")
    os.makedirs(serve)
    os.makedirs(down)
    with open(os.path.join(serve, "big.bin"), "wb") as f:
        f.write(os.urandom(SIZE))
    with open(os.path.join(serve, "one.bin"), "wb") as f:
        f.write(b"1")
    server = bind_port_80(serve, args.port_wait)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    # Wine sees the Unix root as drive Z:.
    dest = "Z:" + down.replace("/", "\\")
    target = os.path.join(down, "big.bin")

    def curl(name):
        return ["curl", "-s", "-S", "--max-time", str(int(args.timeout)), "-o",
                os.path.join(down, name), "http://127.0.0.1/" + name]

    def cobwen_get(name):
        return [args.emulator, args.program, "--dest", dest, "http://127.0.0.1/" + name]

    try:
        say(f"bench: {SIZE // MB} MB from 127.0.0.1:80, {args.runs} runs of each program")
        start_up = timed("cobwen-get", cobwen_get("one.bin"), os.path.join(down, "one.bin"), 1,
                         args.timeout)
        say(f"  cobwen-get over a one-byte file (process start under Wine): {start_up:.3f} s")
        curl_times, get_times = [], []
        for run in range(1, args.runs + 1):
            curl_times.append(timed("curl", curl("big.bin"), target, SIZE, args.timeout))
            get_times.append(timed("cobwen-get", cobwen_get("big.bin"), target, SIZE,
                                   args.timeout))
            say(f"  run {run}: curl {curl_times[-1]:.3f} s, cobwen-get {get_times[-1]:.3f} s")
    except Failed as failure:
        say(f"bench: {failure}")
        return 2
    finally:
        server.shutdown()
        server.server_close()
        shutil.rmtree(work, ignore_errors=True)

    curl_best, get_best = min(curl_times), min(get_times)
    rate = SIZE / MB / get_best
    say(f"curl:       {curl_best:.3f} s  ({SIZE / MB / curl_best:.1f} MB/s)")
    say(f"cobwen-get: {get_best:.3f} s  ({rate:.1f} MB/s; process start included)")
    say(f"ratio cobwen-get/curl: {get_best / curl_best:.1f}")
    say(f"target {TARGET:.0f} MB/s through the queue: {'met' if rate >= TARGET else 'MISSED'}")
    return 0 if rate >= TARGET else 1


if __name__ == "__main__":
    sys.exit(main())
