"""Runs the programs under test: the catalogue generator and cobwen-cat (through the emulator,
when one is configured, with Windows paths then)."""

import gzip
import json
import os
import subprocess
import sys
import tempfile

# No run may hang the suite; Wine's first start in a fresh prefix takes some seconds.
TIMEOUT_SECONDS = 120

_CAT = "COBWEN_CAT_PROGRAM"
_CATGEN = "CATGEN_SCRIPT"
_EMULATOR = "COBWEN_CAT_EMULATOR"


def configure(cobwen_cat, catgen, emulator):
    os.environ[_CAT] = cobwen_cat
    os.environ[_CATGEN] = catgen
    os.environ[_EMULATOR] = emulator


def _emulator():
    return os.environ.get(_EMULATOR, "")


def catgen(out_dir, count, seed, *options, manifest=True):
    """Generates a catalogue into out_dir; returns the manifest (or None) and the file's path."""
    command = [sys.executable, os.environ[_CATGEN], "--count", str(count), "--seed", str(seed),
               "--out", out_dir, *options]
    manifest_path = os.path.join(out_dir, "manifest.json")
    if manifest:
        command += ["--manifest", manifest_path]
    subprocess.run(command, check=True, timeout=TIMEOUT_SECONDS)
    loaded = None
    if manifest:
        with open(manifest_path, encoding="utf-8") as f:
            loaded = json.load(f)
    return loaded, os.path.join(out_dir, "plugins.dat.gz")


def demo_site(base, count, out_dir):
    """Lays out the demo's site (demo_site.py beside the generator) from a base catalogue."""
    script = os.path.join(os.path.dirname(os.environ[_CATGEN]), "demo_site.py")
    subprocess.run([sys.executable, script, "--base", base, "--count", str(count),
                    "--out", out_dir], check=True, timeout=TIMEOUT_SECONDS)


def catgen_status(*arguments):
    """Runs the generator with arbitrary arguments; returns its completed process."""
    return subprocess.run([sys.executable, os.environ[_CATGEN], *arguments], capture_output=True,
                          text=True, timeout=TIMEOUT_SECONDS)


def program_path(path):
    """The path as the program under test sees it."""
    if not _emulator():
        return path
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class CatRun:
    def __init__(self, status, stdout, stderr):
        self.status = status
        self.stdout = stdout
        self.stderr = stderr.decode("utf-8", errors="replace")
        # Strict decoding: the output must be valid UTF-8.
        text = stdout.decode("utf-8")
        self.json = json.loads(text) if text.strip() else None


def cobwen_cat(*arguments):
    """Runs cobwen-cat with the arguments as given (paths must already be converted).

    The output goes to files, not pipes: under Wine, system processes started along with the
    program may inherit its standard handles and outlive it, and a pipe would not see its end
    until they exit."""
    command = [os.environ[_CAT], *arguments]
    env = dict(os.environ)
    if _emulator():
        command.insert(0, _emulator())
        env["WINEDEBUG"] = "-all"
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        completed = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                   timeout=TIMEOUT_SECONDS, env=env)
        out.seek(0)
        err.seek(0)
        return CatRun(completed.returncode, out.read(), err.read())


def read_catalogue(path):
    with gzip.open(path, "rb") as f:
        return f.read()


def scratch_folder(test_case):
    """A temporary folder removed when the test class is done."""
    folder = tempfile.TemporaryDirectory(prefix="cobwen-tools-")
    test_case.addClassCleanup(folder.cleanup)
    return folder.name
