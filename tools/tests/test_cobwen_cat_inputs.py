"""cobwen-cat on files that are no readable catalogue and on wrong command lines: a result code,
a message and a nonzero exit status, never a crash or a hang."""

import gzip
import os
import random
import unittest

import toolrun


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    return path


class RejectsBadFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = toolrun.scratch_folder(cls)
        _, path = toolrun.catgen(os.path.join(cls.folder, "good"), 300, 9, manifest=False)
        with open(path, "rb") as f:
            cls.good = f.read()

    def bad_file(self, name, data):
        return _write(os.path.join(self.folder, name), data)

    def test_each_bad_file_gives_its_result_code(self):
        noise = random.Random(42)
        garbage = bytes(b for b in noise.randbytes(8192) if b not in (0x14, 0x1F))
        middle = len(self.good) // 2
        corrupt = bytearray(self.good)
        corrupt[middle:middle + 64] = bytes(noise.randrange(256) for _ in range(64))
        os.makedirs(os.path.join(self.folder, "a-folder"), exist_ok=True)
        cases = [
            # (what, path, result code, message on standard error)
            ("missing file", os.path.join(self.folder, "missing.dat.gz"), 2, "cannot read"),
            ("gzip cut in half", self.bad_file("half.gz", self.good[:middle]), 2, "cannot read"),
            ("corrupt bytes mid-file", self.bad_file("corrupt.gz", bytes(corrupt)), 2,
             "cannot read"),
            ("gzip magic, then noise", self.bad_file("magic.gz", b"\x1f\x8b" + garbage), 2,
             "cannot read"),
            ("a folder", os.path.join(self.folder, "a-folder"), 2, "cannot read"),
            ("empty gzip member", self.bad_file("empty.gz", gzip.compress(b"", mtime=0)), 1,
             "empty"),
            ("empty file", self.bad_file("zero.gz", b""), 1, "empty"),
            # Not gzip at all: read as plain text, and no line has the fields of a record.
            ("binary garbage", self.bad_file("garbage.bin", garbage), 3, "lines skipped"),
        ]
        for what, path, result, message in cases:
            with self.subTest(what):
                shown = toolrun.program_path(path)
                run = toolrun.cobwen_cat(shown)
                self.assertEqual(run.status, 1, run.stderr)
                self.assertEqual(run.json["result"], result)
                self.assertEqual(run.json["count"], 0)
                self.assertEqual(run.json["records"], [])
                self.assertIn(message, run.stderr)
                self.assertIn(shown, run.stderr)


class RejectsWrongCommandLines(unittest.TestCase):
    def test_usage_errors(self):
        cases = [
            ("no file", []),
            ("language not a number", ["--language", "ru", "plugins.dat.gz"]),
            ("unknown option", ["--verbose", "plugins.dat.gz"]),
            ("two files", ["a.gz", "b.gz"]),
        ]
        for what, arguments in cases:
            with self.subTest(what):
                run = toolrun.cobwen_cat(*arguments)
                self.assertEqual(run.status, 2)
                self.assertIn("usage: cobwen-cat", run.stderr)
                self.assertEqual(run.stdout, b"")


if __name__ == "__main__":
    unittest.main()
