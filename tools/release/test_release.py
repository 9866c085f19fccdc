"""The release ZIP as a user meets it: made by tools/release.sh, unpacked into a fresh folder of a
fresh Wine prefix and used from there only: cobwen-cat reads the shipped catalogue, cobwen.exe
starts until its window exists and is closed, each plug-in DLL is opened in the stand-in host in
a real terminal (tmux). Every binary's imports are system DLLs only, a DLL exports entry points
only, every version resource carries the build's version, and the ZIP holds the listed files.
  test_release.py --root REPO --build BUILD_WIN --emulator WINE_LOADER"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-pefile
import pefile  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from release_layout import read_layout, zip_entries  # noqa: E402

ARGS = None
WINESERVER = "/usr/lib/wine/wineserver"
# What a Windows system has; nothing of a compiler's runtime.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "comctl32.dll",
    "ole32.dll", "oleaut32.dll", "wininet.dll", "ws2_32.dll", "iphlpapi.dll", "msvcrt.dll",
    "comdlg32.dll", "shlwapi.dll", "version.dll", "userenv.dll", "ntdll.dll", "setupapi.dll",
    "cfgmgr32.dll", "netapi32.dll", "secur32.dll", "psapi.dll", "uxtheme.dll", "winmm.dll",
}
SYSTEM_DLL_PREFIXES = ("api-ms-win-",)


def entry_points():
    with open(os.path.join(ARGS.root, "cmake", "Plugin.cmake"), encoding="utf-8") as f:
        text = f.read()
    listed = re.search(r"set\(ULVAR_ENTRY_POINTS(.*?)\)", text, re.S).group(1)
    return set(listed.split())


def wait_until(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.2)
    return False


class Release(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="ulvar-release-")
        cls.rows = read_layout()
        out = os.path.join(cls.work, "out")
        env = dict(os.environ, BUILD=ARGS.build, RELEASE_DIR=out)
        made = subprocess.run(["bash", os.path.join(ARGS.root, "tools", "release.sh")], env=env,
                              capture_output=True, text=True, timeout=300)
        if made.returncode != 0:
            raise RuntimeError("release.sh failed:\n" + made.stdout + made.stderr)
        cls.archive = made.stdout.strip().splitlines()[-1]
        with open(os.path.join(ARGS.build, "ulvar-version.txt"), encoding="ascii") as f:
            cls.version = f.read().strip()

        # A Wine prefix of its own with a server of its own, and the ZIP unpacked into a folder of
        # its drive C: that nothing else touched.
        cls.env = dict(os.environ, WINEPREFIX=os.path.join(cls.work, "prefix"), WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64",
                       LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8")
        subprocess.run([ARGS.emulator, "cmd", "/c", "exit"], env=cls.env, timeout=180,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        subprocess.run([WINESERVER, "-p"], env=cls.env, timeout=30)
        cls.kit = os.path.join(cls.env["WINEPREFIX"], "drive_c", "ulvar-kit")
        os.makedirs(cls.kit)
        with zipfile.ZipFile(cls.archive) as z:
            z.extractall(cls.kit)

    @classmethod
    def tearDownClass(cls):
        if hasattr(cls, "env"):
            subprocess.run([WINESERVER, "-k"], env=cls.env, timeout=30)
            subprocess.run([WINESERVER, "-w"], env=cls.env, timeout=60)
        shutil.rmtree(cls.work, ignore_errors=True)

    def binaries(self):
        return [(row, os.path.join(self.kit, *row.folder.split("/"), row.binary))
                for row in self.rows]

    def test_zip_holds_the_listed_files_only(self):
        self.assertEqual(os.path.basename(self.archive), f"ulvar-kit-{self.version}.zip")
        with zipfile.ZipFile(self.archive) as z:
            self.assertEqual(sorted(z.namelist()), zip_entries(self.rows))
            self.assertIsNone(z.testzip())

    def test_readmes_are_russian_windows_text_with_english(self):
        readmes = ["readme.txt"] + [f"{row.folder}/readme.txt" for row in self.rows
                                    if not row.is_plugin]
        for name in readmes:
            with self.subTest(name):
                with open(os.path.join(self.kit, *name.split("/")), "rb") as f:
                    data = f.read()
                self.assertNotIn(b"\r\r", data)
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "CR LF line ends")
                text = data.decode("cp1251")
                self.assertIn("[Русский]", text)
                self.assertIn("[English]", text)
                self.assertIn(self.version, text)
        with open(os.path.join(self.kit, "readme.txt"), "rb") as f:
            top = f.read().decode("cp1251")
        for row in self.rows:
            self.assertIn(row.folder.replace("/", "\\"), top)

    def test_imports_exports_and_version_resources(self):
        points = entry_points()
        for row, path in self.binaries():
            with self.subTest(row.name):
                pe = pefile.PE(path)
                imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
                foreign = {dll for dll in imported if dll not in SYSTEM_DLLS
                           and not dll.startswith(SYSTEM_DLL_PREFIXES)}
                self.assertEqual(foreign, set(), "imports beyond the system's DLLs")
                if pe.is_dll():
                    exported = {symbol.name.decode() for symbol in
                                pe.DIRECTORY_ENTRY_EXPORT.symbols if symbol.name}
                    self.assertIn("SetStartupInfo", exported)
                    self.assertEqual(exported - points, set(), "exports beyond entry points")
                else:
                    self.assertFalse(hasattr(pe, "DIRECTORY_ENTRY_EXPORT")
                                     and pe.DIRECTORY_ENTRY_EXPORT.symbols)
                strings = {}
                for info in pe.FileInfo[0]:
                    for table in getattr(info, "StringTable", []):
                        strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
                self.assertEqual(strings.get("FileVersion"), self.version)
                self.assertTrue(self.version.startswith(strings.get("ProductVersion", "-")))
                self.assertTrue(strings.get("FileDescription"))
                fixed = pe.VS_FIXEDFILEINFO[0]
                numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                           fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF]
                self.assertEqual(".".join(map(str, numbers)), self.version)
                pe.close()

    def run_windows(self, program, *arguments, cwd):
        with tempfile.TemporaryFile() as out:
            done = subprocess.run([ARGS.emulator, program, *arguments], env=self.env, cwd=cwd,
                                  stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                                  timeout=120)
            out.seek(0)
            return done.returncode, out.read()

    def test_catalogue_reads_from_the_unpacked_folder(self):
        folder = os.path.join(self.kit, "cobwen")
        status, out = self.run_windows(os.path.join(ARGS.build, "bin", "cobwen-cat.exe"),
                                       "plugins.dat.gz", cwd=folder)
        self.assertEqual(status, 0)
        report = json.loads(out.decode("utf-8"))
        self.assertEqual(report["result"], 0)
        self.assertGreater(report["count"], 0)
        self.assertEqual(report["count"], len(report["records"]))

    def test_browser_window_opens_and_closes(self):
        if not os.environ.get("DISPLAY"):
            self.skipTest("needs a display (tools/wine-env.sh starts Xvfb)")
        folder = os.path.join(self.kit, "cobwen")
        browser = subprocess.Popen([ARGS.emulator, "cobwen.exe"], env=self.env, cwd=folder,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            def windows():
                return subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True,
                                      text=True, env=self.env).stdout

            def window_shown():
                tree = windows()
                # Wine names a window's class after its program; the window tests of the build
                # show windows of the same caption on the same display.
                return f'"ULVAR Cobwen GUI {".".join(self.version.split(".")[:3])}": ("cobwen.exe"' in tree
            self.assertTrue(wait_until(window_shown, 120), "the main window did not appear:\n" +
                            "\n".join(line for line in windows().splitlines()
                                      if "obwen" in line))
            # taskkill without /f asks the windows to close, as the window's close box does.
            subprocess.run([ARGS.emulator, "taskkill", "/im", "cobwen.exe"], env=self.env,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
            self.assertEqual(browser.wait(timeout=60), 0)
        finally:
            if browser.poll() is None:
                browser.kill()
                browser.wait()

    def test_plugins_open_in_the_stand_in_host(self):
        if not shutil.which("tmux"):
            self.skipTest("tmux is not installed")
        host_folder = os.path.join(self.env["WINEPREFIX"], "drive_c", "host")
        os.makedirs(host_folder, exist_ok=True)
        shutil.copy2(os.path.join(ARGS.build, "bin", "ulvar-host.exe"), host_folder)
        # What a panel or game shows once open (the English language files).
        opened = {"sockwell": "Local address", "blocksby": "Score", "sentrel": "Services",
                  "launchet": "Startup items"}
        for row in self.rows:
            if not row.is_plugin:
                continue
            with self.subTest(row.name):
                self.assertIn(row.name, opened, "add what its open panel shows")
                dll = "C:\\ulvar-kit\\" + row.folder.replace("/", "\\") + "\\" + row.binary
                self.open_in_host(host_folder, dll, opened[row.name])

    def open_in_host(self, host_folder, dll, shown):
        # A server of its own for each plug-in: the previous one may still be ending.
        plugin = os.path.splitext(dll.split("\\")[-1])[0]
        socket = f"ulvar-release-{os.getpid()}-{plugin}"
        conf = os.path.join(self.work, "tmux.conf")
        with open(conf, "w") as f:
            f.write("set -g default-terminal xterm\n")
        env = " ".join(f"{k}='{self.env[k]}'" for k in ("WINEPREFIX", "WINEDEBUG", "LANG",
                                                          "LC_ALL", "WINEDLLOVERRIDES"))
        command = (f"cd '{host_folder}' && env {env} '{ARGS.emulator}' ./ulvar-host.exe "
                   f"--lang en '{dll}'; echo HOST-EXIT=$?; sleep 60")
        subprocess.run(["tmux", "-L", socket, "-f", conf, "new-session", "-d", "-s", "release",
                        "-x", "100", "-y", "30", command], check=True)
        try:
            def screen():
                return subprocess.run(["tmux", "-L", socket, "capture-pane", "-p", "-t",
                                       "release"], capture_output=True, text=True).stdout

            def keys(*names):
                subprocess.run(["tmux", "-L", socket, "send-keys", "-t", "release", *names])

            self.assertTrue(wait_until(lambda: "Esc quits" in screen(), 60), screen())
            keys("Enter")
            self.assertTrue(wait_until(lambda: shown in screen(), 30), screen())
            for _ in range(4):
                keys("Escape")
                if wait_until(lambda: "HOST-EXIT=" in screen(), 5):
                    break
            self.assertIn("HOST-EXIT=0", screen())
        finally:
            subprocess.run(["tmux", "-L", socket, "kill-server"], stderr=subprocess.DEVNULL)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--emulator", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], "-v"] + rest)


if __name__ == "__main__":
    main()
