"""The catalogue generator: the file format the site uses, determinism, unique URLs, a varied
fixture, and the site layout with archives of the catalogued sizes."""

import filecmp
import gzip
import os
import re
import unittest
import zipfile

import toolrun

FIELD_NAMES = ["id", "downloads", "name", "category", "descriptionRu", "descriptionEn", "url",
               "sizeField", "email", "authorRu", "authorEn", "homePage", "version", "dateField",
               "ulvarVersion", "windowsVersion", "sourcesField", "srcLanguage", "stamp"]


def _tree(root):
    """Relative path -> size of every file under root."""
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            files[os.path.relpath(path, root)] = os.path.getsize(path)
    return files


def _file_name(url):
    return url.rsplit("/", 1)[-1]


class CatalogueFormat(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = toolrun.scratch_folder(cls)
        cls.manifest, cls.path = toolrun.catgen(folder, 2000, 17)
        cls.records = cls.manifest["records"]

    def test_gzip_member_is_reproducible(self):
        with open(self.path, "rb") as f:
            header = f.read(10)
        self.assertEqual(header[:3], b"\x1f\x8b\x08")
        self.assertEqual(header[3], 0, "no file name or other optional header fields")
        self.assertEqual(header[4:8], b"\0\0\0\0", "modification time 0")

    def test_lines_hold_the_manifest_fields_in_code_page_1251(self):
        text = toolrun.read_catalogue(self.path)
        self.assertTrue(text.endswith(b"\r\n"))
        lines = text[:-2].split(b"\r\n")
        self.assertEqual(len(lines), len(self.records))
        for index, (line, record) in enumerate(zip(lines, self.records)):
            self.assertNotIn(b"\r", line)
            self.assertNotIn(b"\n", line)
            fields = line.decode("cp1251").split("\x14")
            self.assertEqual(fields, [str(record[name]) for name in FIELD_NAMES], f"line {index}")

    def test_field_values_are_well_formed(self):
        ids = [r["id"] for r in self.records]
        self.assertEqual(ids, sorted(set(ids)), "ids unique and ascending")
        stamps = [r["stamp"].encode("cp1251") for r in self.records]
        self.assertEqual(stamps, sorted(set(stamps)), "stamps rise byte-wise in file order")
        for r in self.records:
            self.assertEqual(int(r["sizeField"].replace(" ", "")), r["size"])
            self.assertRegex(r["windowsVersion"], r"^[01]{1,8}$")
            self.assertEqual(r["hasSources"], r["sourcesField"].lower() == "yes")
            if r["date"] is not None:
                day, month, year = r["dateField"].split("/")
                self.assertEqual(f"{year}-{month}-{day}", r["date"])
            self.assertIn(r["emailAddress"], r["email"])

    def test_every_archive_file_name_finds_only_its_own_record(self):
        # The browser maps a downloaded file back to the first record whose URL ends with the
        # file's name, ignoring case.
        urls = [r["url"].lower() for r in self.records]
        for index, url in enumerate(urls):
            name = _file_name(url)
            owners = [i for i, other in enumerate(urls) if other.endswith(name)]
            self.assertEqual(owners, [index], name)

    def test_fixture_is_varied(self):
        records = self.records

        def differ_only_in_case(values):
            values = set(values)
            return len({v.lower() for v in values}) < len(values)

        checks = [
            ("categories differing only in case",
             differ_only_in_case(r["category"] for r in records)),
            ("Russian authors differing only in case",
             differ_only_in_case(r["authorRu"] for r in records)),
            ("English authors differing only in case",
             differ_only_in_case(r["authorEn"] for r in records)),
            ("Cyrillic authors", any(re.search("[а-я]", r["authorRu"]) for r in records)),
            ("sizes grouped with blanks", any(" " in r["sizeField"] for r in records)),
            ("sizes not grouped", any(r["size"] >= 1000 and " " not in r["sizeField"]
                                      for r in records)),
            ("sizes below 1 KiB", any(r["size"] < 1024 for r in records)),
            ("sizes of megabytes", any(r["size"] >= 1024 ** 2 for r in records)),
            ("relative URLs in folders", any(re.match(r"^\w+/", r["url"]) for r in records)),
            ("relative URLs without folder", any("/" not in r["url"] for r in records)),
            ("absolute URLs with a capitalised scheme",
             any(r["url"].startswith(("HTTP://", "Http://")) for r in records)),
            ("file names in mixed case", any(re.search("[A-Z]", _file_name(r["url"]))
                                             for r in records)),
            ("e-mails with a display name", any("<" in r["email"] for r in records)),
            ("bare e-mails", any(r["email"] == r["emailAddress"] for r in records)),
            ("sources marked YES", any(r["sourcesField"] == "YES" for r in records)),
            ("unknown source-language codes",
             any(r["srcLanguage"] not in list("#ACDMPV") for r in records if r["hasSources"])),
            ("dates that do not read", any(r["date"] is None for r in records)),
            ("descriptions with links", any('<a href="' in r["descriptionRu"] for r in records)),
            ("descriptions with entities", any("&lt;" in r["descriptionEn"] for r in records)),
            ("descriptions with line breaks", any("<br>" in r["descriptionRu"] for r in records)),
            ("several host versions", len({r["ulvarVersion"] for r in records}) >= 4),
            ("Windows flags of 1 and 8 characters",
             {1, 8} <= {len(r["windowsVersion"]) for r in records}),
        ]
        for what, present in checks:
            with self.subTest(what):
                self.assertTrue(present)


class Determinism(unittest.TestCase):
    def test_same_seed_gives_same_files(self):
        folder = toolrun.scratch_folder(self)
        runs = {name: os.path.join(folder, name) for name in ("first", "again", "other")}
        for name, seed in (("first", 7), ("again", 7), ("other", 8)):
            toolrun.catgen(runs[name], 60, seed, "--with-files", manifest=False)
        first, again = _tree(runs["first"]), _tree(runs["again"])
        self.assertEqual(first, again)
        for path in first:
            self.assertTrue(filecmp.cmp(os.path.join(runs["first"], path),
                                        os.path.join(runs["again"], path), shallow=False), path)
        self.assertFalse(filecmp.cmp(os.path.join(runs["first"], "plugins.dat.gz"),
                                     os.path.join(runs["other"], "plugins.dat.gz"),
                                     shallow=False), "another seed, another catalogue")


class SiteLayout(unittest.TestCase):
    HOST = "cobwen.ulvar.org"

    @classmethod
    def setUpClass(cls):
        cls.folder = toolrun.scratch_folder(cls)
        cls.manifest, cls.path = toolrun.catgen(cls.folder, 120, 23, "--with-files")
        cls.files = os.path.join(cls.folder, "downld", "files")

    def test_site_catalogue_is_the_catalogue(self):
        self.assertTrue(filecmp.cmp(self.path, os.path.join(self.folder, "downld",
                                                            "plugins.dat.gz"), shallow=False))

    def test_every_url_points_at_an_archive_of_the_catalogued_size(self):
        prefix = f"http://{self.HOST}/downld/files/"
        for record in self.manifest["records"]:
            url = record["url"]
            relative = url[len(prefix):] if url.lower().startswith(prefix) else url
            with self.subTest(url):
                self.assertNotIn("://", relative)
                path = os.path.join(self.files, *relative.split("/"))
                self.assertEqual(os.path.getsize(path), record["size"])
                if relative.endswith(".zip"):
                    with zipfile.ZipFile(path) as archive:
                        self.assertIsNone(archive.testzip())
                elif relative.endswith(".rar"):
                    with open(path, "rb") as f:
                        self.assertEqual(f.read(4), b"Rar!")

    def test_no_stray_files(self):
        self.assertEqual(len(_tree(self.files)), len(self.manifest["records"]))
        self.assertLess(sum(_tree(self.files).values()), 8 * 1024 ** 2, "modest sizes")


class CountLimits(unittest.TestCase):
    def test_zero_records_give_an_empty_member(self):
        folder = toolrun.scratch_folder(self)
        _, path = toolrun.catgen(folder, 0, 1, manifest=False)
        with gzip.open(path, "rb") as f:
            self.assertEqual(f.read(), b"")

    def test_counts_out_of_range_are_refused(self):
        folder = toolrun.scratch_folder(self)
        for count in ("65536", "-1", "many"):
            with self.subTest(count):
                run = toolrun.catgen_status("--count", count, "--out", folder)
                self.assertEqual(run.returncode, 2)
                self.assertIn("--count", run.stderr)
                self.assertFalse(os.path.exists(os.path.join(folder, "plugins.dat.gz")))


class DemoSite(unittest.TestCase):
    """The demo's site: the base catalogue's lines as they are, then newer records with archives."""

    def test_newer_records_follow_the_base(self):
        folder = toolrun.scratch_folder(self)
        _, base = toolrun.catgen(os.path.join(folder, "base"), 30, 5, manifest=False)
        site = os.path.join(folder, "site")
        toolrun.demo_site(base, 7, site)
        with gzip.open(base, "rb") as f:
            base_text = f.read()
        with gzip.open(os.path.join(site, "downld", "plugins.dat.gz"), "rb") as f:
            site_text = f.read()
        self.assertTrue(site_text.startswith(base_text))
        base_lines = [l.split(b"\x14") for l in base_text.split(b"\r\n") if l]
        added = [l.split(b"\x14") for l in site_text[len(base_text):].split(b"\r\n") if l]
        self.assertEqual(len(added), 7)
        last_id = max(int(f[0]) for f in base_lines)
        self.assertEqual([int(f[0]) for f in added], list(range(last_id + 1, last_id + 8)))
        newest = max(f[18] for f in base_lines)
        self.assertTrue(all(f[18] > newest for f in added))
        self.assertEqual(len(_tree(os.path.join(site, "downld", "files"))), 7)


if __name__ == "__main__":
    unittest.main()
