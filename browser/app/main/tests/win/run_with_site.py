"""Runs a test program against a local catalogue site on a free port of 127.0.0.1, then stops the
site.

The site is made by the catalogue generator (--with-files). Besides serving it as it is, the
server answers under three path prefixes the way a stock server cannot be told to:
  /slow/...     the file's body in small pieces with pauses (a refresh that can be stopped),
  /missing/...  404 Not Found,
  /bad/...      the first half of the file (a cut gzip file).
The program finds the site in COBWEN_TEST_SERVER ("127.0.0.1:PORT"), its folder in
COBWEN_TEST_SITE and an older catalogue (the site's
catalogue without its newest records) in COBWEN_TEST_OLD_CATALOGUE; where tinyproxy is installed, an
authenticating proxy in COBWEN_TEST_PROXY. Two more for single tests: COBWEN_TEST_DEEP_CATALOGUE, the
older catalogue with one archive two folders deep (the site serves it there too), and
COBWEN_TEST_LARGE_TREE, a download folder of tens of thousands of files in nested folders that holds
copies of the site's archives in its first and its last folder."""
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", "..", "..", "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "testsupport"))
import local_servers  # noqa: E402

CATGEN = os.path.join(ROOT, "tools", "catgen", "catgen.py")
SITE_RECORDS = 120
OLD_RECORDS = 100


def make_site(folder):
    subprocess.run([sys.executable, CATGEN, "--count", str(SITE_RECORDS), "--seed", "7",
                    "--with-files", "--out", folder], check=True, stdout=subprocess.DEVNULL)


def make_old_catalogue(site, target):
    """The site's catalogue without the records of its newest stamps."""
    with gzip.open(os.path.join(site, "downld", "plugins.dat.gz"), "rb") as source:
        lines = source.read().split(b"\r\n")
    lines = [line for line in lines if line]
    stamps = sorted(line.split(b"\x14")[18] for line in lines)
    newest_kept = stamps[OLD_RECORDS - 1]
    kept = [line for line in lines if line.split(b"\x14")[18] <= newest_kept]
    with gzip.open(target, "wb") as out:
        out.write(b"".join(line + b"\r\n" for line in kept))


DEEP_FOLDERS = b"deep/er/"
TREE_FOLDERS = 200
TREE_FILES = 400


def make_deep_catalogue(site, old, target):
    """The older catalogue in which the first record with a bare ASCII file name lies two folders
    deeper; its archive is copied there on the site."""
    with gzip.open(old, "rb") as source:
        lines = [line for line in source.read().split(b"\r\n") if line]
    for n, line in enumerate(lines):
        fields = line.split(b"\x14")
        url = fields[6]
        if b"/" in url or not url.isascii():
            continue
        files = os.path.join(site, "downld", "files")
        deep = os.path.join(files, DEEP_FOLDERS.decode())
        os.makedirs(deep, exist_ok=True)
        shutil.copy(os.path.join(files, url.decode()), deep)
        fields[6] = DEEP_FOLDERS + url
        lines[n] = b"\x14".join(fields)
        break
    with gzip.open(target, "wb") as out:
        out.write(b"".join(line + b"\r\n" for line in lines))


def make_large_tree(site, target):
    """Folders of files that match no record, the site's archives in the first and the last."""
    for folder in range(TREE_FOLDERS):
        path = os.path.join(target, "f%02d" % (folder // 10), "g%02d" % folder)
        os.makedirs(path)
        for n in range(TREE_FILES):
            open(os.path.join(path, "unlisted_%d_%d.bin" % (folder, n)), "wb").close()
    files = os.path.join(site, "downld", "files")
    for ends in ("a-first", "z-last"):
        os.makedirs(os.path.join(target, ends))
        for name in os.listdir(files):
            if os.path.isfile(os.path.join(files, name)) and name.isascii():
                shutil.copy(os.path.join(files, name), os.path.join(target, ends))


class Handler(BaseHTTPRequestHandler):
    site = ""

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path.split("?")[0]
        mode = ""
        for prefix in ("/slow", "/missing", "/bad"):
            if path.startswith(prefix + "/"):
                mode, path = prefix[1:], path[len(prefix):]
        local = os.path.normpath(os.path.join(self.site, path.lstrip("/")))
        if mode == "missing" or not local.startswith(self.site) or not os.path.isfile(local):
            self.send_error(404, "Not Found")
            return
        with open(local, "rb") as f:
            body = f.read()
        if mode == "bad":
            body = body[:len(body) // 2]
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if mode != "slow":
            self.wfile.write(body)
            return
        # 1 KB every 100 ms: long enough to be stopped, bounded by the file's size.
        try:
            for start in range(0, len(body), 1024):
                self.wfile.write(body[start:start + 1024])
                self.wfile.flush()
                time.sleep(0.1)
        except OSError:
            pass


def main():
    command = local_servers.runner_command()

    work = tempfile.mkdtemp(prefix="cobwen-site-")
    server = None
    proxy = None
    try:
        site = os.path.join(work, "site")
        make_site(site)
        old = os.path.join(work, "old-plugins.dat.gz")
        make_old_catalogue(site, old)
        deep = os.path.join(work, "deep-plugins.dat.gz")
        make_deep_catalogue(site, old, deep)
        tree = os.path.join(work, "large-tree")
        make_large_tree(site, tree)
        Handler.site = os.path.abspath(site)
        server = local_servers.serve_in_thread(ThreadingHTTPServer, Handler)
        port = server.server_address[1]
        if not local_servers.wait_for_port(port):
            print("run_with_site: the site did not start on 127.0.0.1:%d" % port)
            return 1
        env = dict(os.environ)
        env["COBWEN_TEST_SERVER"] = "127.0.0.1:%d" % port
        env["COBWEN_TEST_SITE"] = "Z:" + site.replace("/", "\\")
        env["COBWEN_TEST_OLD_CATALOGUE"] = "Z:" + old.replace("/", "\\")
        env["COBWEN_TEST_DEEP_CATALOGUE"] = "Z:" + deep.replace("/", "\\")
        env["COBWEN_TEST_LARGE_TREE"] = "Z:" + tree.replace("/", "\\")
        # The proxy with basic authentication ("user", "secret"), where tinyproxy is installed.
        proxy, proxy_address = local_servers.start_tinyproxy(work)
        if proxy_address:
            env["COBWEN_TEST_PROXY"] = proxy_address
        # The test program makes this file at its start and removes it at its normal end: a
        # program that ends early, even with exit code 0, leaves it behind and fails the run.
        premature = os.path.join(work, "premature-exit")
        env["TEST_PREMATURE_EXIT_FILE"] = "Z:" + premature.replace("/", "\\")
        code = subprocess.run(command, env=env, timeout=900).returncode
        if code == 0 and os.path.exists(premature):
            print("run_with_site: the test program ended before its last test")
            return 1
        return code
    finally:
        local_servers.stop(proxy)
        local_servers.stop_server(server)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
