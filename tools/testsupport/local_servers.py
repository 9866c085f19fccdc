"""Local servers for the tests: free ports of 127.0.0.1, waiting for a server to listen, an
authenticating tinyproxy, and stopping what was started. Nothing here listens beyond loopback."""
import argparse
import os
import shutil
import socket
import subprocess
import threading
import time

LOOPBACK = "127.0.0.1"


def free_port():
    """A port of 127.0.0.1 that nothing listened on a moment ago."""
    with socket.socket() as s:
        s.bind((LOOPBACK, 0))
        return s.getsockname()[1]


def wait_for_port(port, process=None, seconds=15.0):
    """True once something accepts connections on the port; False when the time is up or the
    process meant to listen there has ended."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if process is not None and process.poll() is not None:
            return False
        try:
            with socket.create_connection((LOOPBACK, port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def stop(process):
    """Ends a started process, killing it when it does not end within ten seconds."""
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def serve_in_thread(server_class, handler, port=0):
    """A server of `server_class` with `handler` on the port (a free one by default), serving
    in a daemon thread; returns the server, whose server_address[1] is its port. Call
    stop_server when done."""
    server = server_class((LOOPBACK, port), handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def stop_server(server):
    if server:
        server.shutdown()
        server.server_close()


def start_tinyproxy(work, user="user", password="secret"):
    """tinyproxy with basic authentication on a free port, its configuration in `work`; returns
    (process, "127.0.0.1:PORT"), or (None, "") when tinyproxy is missing or does not start."""
    tinyproxy = shutil.which("tinyproxy") or "/usr/bin/tinyproxy"
    if not os.path.exists(tinyproxy):
        return None, ""
    port = free_port()
    config = os.path.join(work, "tinyproxy.conf")
    with open(config, "w") as f:
        f.write(f"Port {port}\nListen {LOOPBACK}\nTimeout 60\nMaxClients 20\n"
                f"Allow {LOOPBACK}\nBasicAuth {user} {password}\nLogLevel Error\n"
                "User nobody\nGroup nogroup\n")
    process = subprocess.Popen([tinyproxy, "-d", "-c", config],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_for_port(port, process):
        stop(process)
        return None, ""
    return process, f"{LOOPBACK}:{port}"


def runner_command():
    """The command line of a test runner, "[--emulator=LOADER] -- COMMAND...": the command to run,
    with the Windows emulator in front when it runs a Windows program."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--emulator", default="")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = [c for c in args.command if c != "--"]
    if args.emulator and command and command[0].lower().endswith(".exe"):
        command.insert(0, args.emulator)
    return command
