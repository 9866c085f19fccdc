"""Makes build/release/ulvar-kit-VERSION.zip from the Windows build: the deliverables of
layout.txt in their folders, each readme.txt in code page 1251 with CR LF line ends, packed by
the zip archiver.
  make_release.py --bin BUILD/bin --version-file BUILD/ulvar-version.txt --out build/release"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

from release_layout import HERE, read_layout, readme_name, zip_entries


def windows_text(text):
    """Russian Windows text: code page 1251, CR LF."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1251")


def fill(template, version, rows):
    with open(os.path.join(HERE, template), encoding="utf-8") as source:
        text = source.read()
    plugins = [row for row in rows if row.is_plugin]
    ru = "\n".join(f"  {row.folder.replace('/', chr(92))}\\  {row.about_ru}" for row in plugins)
    en = "\n".join(f"  {row.folder.replace('/', chr(92))}\\  {row.about_en}" for row in plugins)
    return (text.replace("@VERSION@", version).replace("@PLUGINS_RU@", ru)
            .replace("@PLUGINS_EN@", en))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--version-file", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with open(args.version_file, encoding="ascii") as f:
        version = f.read().strip()
    rows = read_layout()

    missing = [os.path.join(args.bin, name) for row in rows for name in row.files
               if not os.path.isfile(os.path.join(args.bin, name))]
    if missing:
        sys.exit("release: not built: " + " ".join(missing))

    os.makedirs(args.out, exist_ok=True)
    archive = os.path.abspath(os.path.join(args.out, f"ulvar-kit-{version}.zip"))
    with tempfile.TemporaryDirectory() as staging:
        with open(os.path.join(staging, "readme.txt"), "wb") as f:
            f.write(windows_text(fill("readme-kit.txt", version, rows)))
        for row in rows:
            folder = os.path.join(staging, *row.folder.split("/"))
            os.makedirs(folder, exist_ok=True)
            for name in row.files:
                shutil.copy2(os.path.join(args.bin, name), folder)
            if readme_name(row):
                with open(os.path.join(folder, readme_name(row)), "wb") as f:
                    f.write(windows_text(fill(f"readme-{row.name}.txt", version, rows)))
        if os.path.exists(archive):
            os.remove(archive)
        # -X: no Unix extra fields; -D: no folder entries; names in the listed order.
        subprocess.run(["zip", "-q", "-X", "-D", archive] + zip_entries(rows), cwd=staging,
                       check=True)
    print(archive)


if __name__ == "__main__":
    main()
