"""Fetches a 20 MB file from a loopback server on 127.0.0.1:80 with cobwen-get (under Wine) and
with curl, and prints both times, cobwen-get's rate and the ratio. Start the wineserver first
(wineserver -p) so that Wine's start-up is not counted. Exit 1 when the rate is below the target."""
import argparse
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SIZE = 20 * 1024 * 1024
TARGET = 10.0  # MB/s through the queue


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def timed(command, check_file):
    start = time.monotonic()
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    elapsed = time.monotonic() - start
    if result.returncode != 0 or os.path.getsize(check_file) != SIZE:
        print(result.stdout.decode("utf-8", "replace")[-2000:])
        raise SystemExit(f"bench: {command[0]} failed")
    return elapsed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="cobwen-get.exe")
    parser.add_argument("--emulator", default="/usr/lib/wine/wine64")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="cobwen-get-bench-")
    serve = os.path.join(work, "serve")
    down = os.path.join(work, "down")
    os.makedirs(serve)
    os.makedirs(down)
    with open(os.path.join(serve, "big.bin"), "wb") as f:
        f.write(os.urandom(SIZE))
    handler = lambda *a, **k: Quiet(*a, directory=serve, **k)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 80), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        url = "http://127.0.0.1/big.bin"
        target = os.path.join(down, "big.bin")
        curl_times, get_times = [], []
        for _ in range(args.runs):
            curl_times.append(timed(["curl", "-s", "-o", target, url], target))
            os.remove(target)
            get_times.append(timed([args.emulator, args.program, "--dest",
                                    "Z:" + down.replace("/", "\\"), url], target))
            os.remove(target)
        curl_best, get_best = min(curl_times), min(get_times)
        rate = SIZE / (1024 * 1024) / get_best
        print(f"curl:       {curl_best:.3f} s (best of {args.runs})")
        print(f"cobwen-get: {get_best:.3f} s (best of {args.runs}, Wine start included)")
        print(f"cobwen-get rate: {rate:.1f} MB/s (target {TARGET:.0f}); "
              f"ratio cobwen-get/curl: {get_best / curl_best:.1f}")
        return 0 if rate >= TARGET else 1
    finally:
        server.shutdown()
        server.server_close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
