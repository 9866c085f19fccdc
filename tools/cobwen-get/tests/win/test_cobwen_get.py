"""cobwen-get against the scripted server (started by run_with_servers.py, which gives its address
in COBWEN_TEST_SERVER)."""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

failures = []
SERVER = "http://" + os.environ.get("COBWEN_TEST_SERVER", "127.0.0.1")


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def pattern(size):
    return bytes(i % 251 for i in range(size))


def run(args, program, emulator, timeout=120):
    command = ([emulator] if emulator else []) + [program] + args
    done = subprocess.run(command, capture_output=True, timeout=timeout)
    return done.returncode, done.stdout.decode("utf-8")


def run_interrupted(args, program, emulator, timeout=120):
    """Starts the program, sends it Ctrl+C (SIGINT, which Wine hands to the console control
    handlers) once it printed its first "start" line, and returns its exit code and output."""
    command = ([emulator] if emulator else []) + [program] + args
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stdin=subprocess.DEVNULL)
    lines = []
    reader = threading.Thread(target=lambda: lines.extend(
        line.decode("utf-8") for line in process.stdout), daemon=True)
    reader.start()
    deadline = time.monotonic() + timeout
    try:
        while not any(line.startswith("start ") for line in list(lines)):
            if process.poll() is not None or time.monotonic() > deadline:
                return None, "".join(lines)
            time.sleep(0.05)
        process.send_signal(signal.SIGINT)
        code = process.wait(timeout=max(1.0, deadline - time.monotonic()))
    except subprocess.TimeoutExpired:
        return None, "".join(lines)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    reader.join(timeout=10)
    return code, "".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--emulator", default="")
    parser.add_argument("--program", required=True)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="cobwen-get-")
    dest = os.path.join(work, "down")
    os.mkdir(dest)
    # Wine sees the Unix root as drive Z:.
    dest_win = "Z:" + dest.replace("/", "\\")
    try:
        code, out = run(["--dest", dest_win, "--max", "2", SERVER + "/bytes/3000/a.zip",
                         SERVER + "/bytes/2048/b.zip"], args.program, args.emulator)
        check(code == 0, f"two good transfers exit 0 (got {code}): {out}")
        check(out.count("start ") == 2 and out.count("done ok ") == 2, f"events: {out}")
        check(out.rstrip().endswith("progress 5048 bytes"), f"final total: {out}")
        with open(os.path.join(dest, "a.zip"), "rb") as f:
            check(f.read() == pattern(3000), "a.zip holds the body")

        code, out = run(["--dest", dest_win, "--overwrite", "no",
                         SERVER + "/bytes/10/a.zip"], args.program, args.emulator)
        check(code == 0, f"a declined overwrite is no failure (got {code})")
        check("overwrite? Файл a.zip существует. Перезаписать его ? no" in out, f"question: {out}")
        with open(os.path.join(dest, "a.zip"), "rb") as f:
            check(f.read() == pattern(3000), "a.zip kept")

        code, out = run(["--dest", dest_win, SERVER + "/status/404/c.zip"],
                        args.program, args.emulator)
        check(code == 1, f"an error status exits 1 (got {code})")
        check("error Ошибка соединения\n  404 Not Found" in out, f"error text: {out}")
        check(f"done failed {SERVER}/status/404/c.zip" in out, f"done: {out}")
        check(not os.path.exists(os.path.join(dest, "c.zip")), "no error page stored")

        # Ctrl+C stops the run: the transfer under way and the waiting ones end without "done",
        # the partly written file is deleted and the exit code tells the run did not complete.
        slow = [f"{SERVER}/slow/400000/c{i}.bin" for i in range(3)]
        code, out = run_interrupted(["--dest", dest_win, "--max", "1"] + slow, args.program,
                                    args.emulator)
        check(code == 1, f"a stopped run exits 1 (got {code}): {out}")
        check(out.count("stopped\n") == 1, f"one stopped line: {out}")
        check("done " not in out, f"no transfer reports done: {out}")
        check(not any(os.path.exists(os.path.join(dest, f"c{i}.bin")) for i in range(3)),
              "no partly written file is left")

        code, out = run(["--max", "0", "u"], args.program, args.emulator)
        check(code == 1, "a wrong command line exits 1")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("cobwen-get tests:", "FAILED" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
