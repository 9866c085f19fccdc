"""Runs a test program with the scripted HTTP server and an authenticating tinyproxy (user "user",
password "secret"), each on a free port of 127.0.0.1, then stops both. The program finds the
server in COBWEN_TEST_SERVER and the proxy in COBWEN_TEST_PROXY (both "127.0.0.1:PORT"; the proxy
is empty when tinyproxy is missing)."""
import os
import subprocess
import sys
import tempfile
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "..", "tools", "testsupport"))
import local_servers  # noqa: E402


def main():
    command = local_servers.runner_command()

    server = proxy = None
    work = tempfile.mkdtemp(prefix="cobwen-xfer-")
    try:
        port = local_servers.free_port()
        server = subprocess.Popen([sys.executable, os.path.join(HERE, "http_server.py"),
                                   "--port", str(port)])
        if not local_servers.wait_for_port(port, server):
            print(f"run_with_servers: the HTTP server did not start on 127.0.0.1:{port}")
            return 1
        env = dict(os.environ)
        env["COBWEN_TEST_SERVER"] = f"127.0.0.1:{port}"
        proxy, address = local_servers.start_tinyproxy(work)
        env["COBWEN_TEST_PROXY"] = address
        if not address:
            print("run_with_servers: tinyproxy did not start; proxy cases are skipped")
        return subprocess.call(command, env=env)
    finally:
        local_servers.stop(proxy)
        local_servers.stop(server)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
