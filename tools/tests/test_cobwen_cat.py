"""cobwen-cat on well-formed catalogues: everything the generator wrote must come back, decoded
as the browser decodes it."""

import gzip
import os
import unittest

import expected
import toolrun


class ReadsGeneratedCatalogues(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        folder = toolrun.scratch_folder(cls)
        cls.small = toolrun.catgen(os.path.join(folder, "small"), 12, 3)
        cls.large = toolrun.catgen(os.path.join(folder, "large"), 2000, 11)

    def check_catalogue(self, generated, russian):
        manifest, path = generated
        arguments = [] if russian else ["--language", "0"]
        run = toolrun.cobwen_cat(*arguments, toolrun.program_path(path))
        self.assertEqual(run.status, 0, run.stderr)
        self.assertNotIn("cobwen-cat:", run.stderr)
        want = expected.catalogue(manifest["records"], russian, path)
        got = run.json
        self.assertEqual(list(got), list(want), "top-level keys and their order")
        for key in want:
            if key != "records":
                self.assertEqual(got[key], want[key], key)
        self.assertEqual(len(got["records"]), len(want["records"]))
        for index, (got_record, want_record) in enumerate(zip(got["records"], want["records"])):
            self.assertEqual(got_record, want_record, f"record {index}")
            self.assertEqual(list(got_record), list(want_record), "record keys and their order")

    def test_every_record_and_value_list(self):
        cases = [
            ("12 records, Russian texts", self.small, True),
            ("12 records, English texts", self.small, False),
            ("2000 records, Russian texts", self.large, True),
        ]
        for name, generated, russian in cases:
            with self.subTest(name):
                self.check_catalogue(generated, russian)


class ReportsSkippedLines(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = toolrun.scratch_folder(cls)
        cls.manifest, cls.path = toolrun.catgen(os.path.join(cls.folder, "base"), 10, 5)

    def test_short_and_empty_lines_are_counted_and_skipped(self):
        lines = toolrun.read_catalogue(self.path).split(b"\r\n")[:-1]
        # Line 3 loses its last field (18 remain); an empty line follows line 6.
        lines[3] = lines[3].rsplit(b"\x14", 1)[0]
        lines.insert(7, b"")
        damaged = os.path.join(self.folder, "damaged.dat.gz")
        with open(damaged, "wb") as f:
            f.write(gzip.compress(b"\r\n".join(lines) + b"\r\n", mtime=0))

        run = toolrun.cobwen_cat(toolrun.program_path(damaged))

        self.assertEqual(run.status, 1)
        self.assertEqual(run.json["result"], 3)
        kept = [r for i, r in enumerate(self.manifest["records"]) if i != 3]
        self.assertEqual(run.json["count"], len(kept))
        self.assertEqual([r["Id"] for r in run.json["records"]], [r["id"] for r in kept])
        self.assertIn("2 of 11 lines skipped", run.stderr)


if __name__ == "__main__":
    unittest.main()
