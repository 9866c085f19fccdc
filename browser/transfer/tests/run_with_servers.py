"""Runs a test program with the scripted HTTP server on 127.0.0.1:80 and an authenticating
tinyproxy (user "user", password "secret") on a free port of 127.0.0.1, then stops both.
The program finds the proxy in COBWEN_TEST_PROXY ("127.0.0.1:PORT")."""
import argparse
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def wait_for_port(port, process, seconds=15.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if process.poll() is not None:
            return False
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--emulator", default="")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = [c for c in args.command if c != "--"]
    if args.emulator and command and command[0].lower().endswith(".exe"):
        command.insert(0, args.emulator)

    server = proxy = None
    work = tempfile.mkdtemp(prefix="cobwen-xfer-")
    try:
        server = subprocess.Popen([sys.executable, os.path.join(HERE, "http_server.py"),
                                   "--port", "80"])
        if not wait_for_port(80, server):
            print("run_with_servers: the HTTP server did not start on 127.0.0.1:80")
            return 1
        env = dict(os.environ)
        tinyproxy = shutil.which("tinyproxy") or "/usr/bin/tinyproxy"
        if os.path.exists(tinyproxy):
            port = free_port()
            config = os.path.join(work, "tinyproxy.conf")
            with open(config, "w") as f:
                f.write(f"Port {port}\nListen 127.0.0.1\nTimeout 60\nMaxClients 20\n"
                        "Allow 127.0.0.1\nBasicAuth user secret\nLogLevel Error\n"
                        "User nobody\nGroup nogroup\n")
            proxy = subprocess.Popen([tinyproxy, "-d", "-c", config],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if wait_for_port(port, proxy):
                env["COBWEN_TEST_PROXY"] = f"127.0.0.1:{port}"
            else:
                print("run_with_servers: tinyproxy did not start; proxy cases are skipped")
        return subprocess.call(command, env=env)
    finally:
        stop(proxy)
        stop(server)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
