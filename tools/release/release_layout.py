"""The release's layout table (layout.txt beside this file), read by the release script and its
test."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


class Deliverable:
    def __init__(self, name, folder, files, about_ru, about_en):
        self.name = name
        self.folder = folder
        self.files = files
        self.about_ru = about_ru
        self.about_en = about_en

    @property
    def binary(self):
        return self.files[0]

    @property
    def is_plugin(self):
        return self.folder.startswith("plugins/")


def read_layout(path=os.path.join(HERE, "layout.txt")):
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = [field.strip() for field in line.rstrip("\n").split("|")]
            fields += [""] * (5 - len(fields))
            if len(fields) != 5 or not fields[0] or not fields[1] or not fields[2]:
                raise ValueError(f"{path}:{number}: expected name | folder | files | ru | en")
            name, folder, files, about_ru, about_en = fields
            rows.append(Deliverable(name, folder, files.split(), about_ru, about_en))
    return rows


def readme_name(deliverable):
    """A plug-in's folder has no readme of its own; the browser's readme is its F1 help."""
    return "readme.txt" if not deliverable.is_plugin else None


def zip_entries(rows):
    """Every file the ZIP holds, as its paths inside the ZIP."""
    entries = ["readme.txt"]
    for row in rows:
        entries += [f"{row.folder}/{name}" for name in row.files]
        if readme_name(row):
            entries.append(f"{row.folder}/{readme_name(row)}")
    return sorted(entries)
