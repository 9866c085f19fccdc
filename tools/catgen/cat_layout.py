"""Writes a generated catalogue to disk: the gzip file, the site's folder tree with an archive for
every record, and the manifest of what was generated."""

import gzip
import io
import json
import os
import random
import zipfile

import cat_records

SIGNATURES = {".rar": b"Rar!\x1a\x07\x00", ".7z": b"7z\xbc\xaf\x27\x1c"}
ZIP_MEMBER = "readme.txt"
ZIP_DATE = (1980, 1, 1, 0, 0, 0)


def _write_atomically(path, data):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    temporary = f"{path}.part"
    with open(temporary, "wb") as out:
        out.write(data)
    os.replace(temporary, path)


def compress(text):
    """A gzip member without file name and with modification time 0: same input, same bytes."""
    return gzip.compress(text, compresslevel=9, mtime=0)


def _zip_archive(size, text):
    def build(payload):
        buffer = io.BytesIO()
        with zipfile.ZipFile(buffer, "w", zipfile.ZIP_STORED) as archive:
            archive.writestr(zipfile.ZipInfo(ZIP_MEMBER, ZIP_DATE), payload)
        return buffer.getvalue()

    overhead = len(build(b""))
    if size < overhead:
        return None
    payload = (text * (size // max(len(text), 1) + 1))[:size - overhead]
    data = build(payload)
    assert len(data) == size, (len(data), size)
    return data


def archive_bytes(record, seed):
    """Deterministic content of exactly record["size"] bytes: a real stored zip for ".zip" names,
    the format's signature followed by noise otherwise."""
    size = record["size"]
    ext = os.path.splitext(record["path"])[1].lower()
    if ext == ".zip":
        data = _zip_archive(size, record["descriptionTextRu"].encode("cp1251"))
        if data is not None:
            return data
    noise = random.Random(f"{seed}:{record['id']}").randbytes(size)
    signature = SIGNATURES.get(ext, b"")[:size]
    return signature + noise[len(signature):]


def write_catalogue(out_dir, records):
    data = compress(cat_records.catalogue_text(records))
    _write_atomically(os.path.join(out_dir, "plugins.dat.gz"), data)
    return data


def write_site(out_dir, records, catalogue, seed):
    """The site as served: downld/plugins.dat.gz and downld/files/<path> for every record."""
    downld = os.path.join(out_dir, "downld")
    _write_atomically(os.path.join(downld, "plugins.dat.gz"), catalogue)
    for record in records:
        target = os.path.join(downld, "files", *record["path"].split("/"))
        _write_atomically(target, archive_bytes(record, seed))


def write_manifest(path, seed, host, records):
    manifest = {"seed": seed, "host": host, "count": len(records), "records": records}
    data = json.dumps(manifest, ensure_ascii=False, indent=1).encode("utf-8")
    _write_atomically(path, data)
