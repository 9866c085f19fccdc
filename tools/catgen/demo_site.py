#!/usr/bin/env python3
"""Lays out a catalogue site for trying the browser: a given catalogue (the one shipped beside the
program) followed by newer plug-ins with their archives, so that a refresh brings new ones.

    demo_site.py --base plugins.dat.gz --count 100 --seed 2005 --out SITE

SITE/downld/plugins.dat.gz holds every line of the base catalogue and then COUNT generated records
whose ids follow the base's largest id and whose stamps are later than its newest stamp;
SITE/downld/files/ holds the archives of the generated records.
"""

import argparse
import datetime
import gzip
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import cat_layout  # noqa: E402
import cat_records  # noqa: E402

STAMP_FORMAT = "%Y%m%d%H%M%S"


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--base", required=True, help="the catalogue the site starts from")
    parser.add_argument("--count", type=int, default=100, help="newer records to add")
    parser.add_argument("--seed", type=int, default=2005, help="random seed of the newer records")
    parser.add_argument("--host", default="cobwen.ulvar.org")
    parser.add_argument("--out", required=True, help="the site's folder")
    args = parser.parse_args(argv)

    with gzip.open(args.base, "rb") as f:
        base = [line for line in f.read().split(b"\r\n") if line]
    fields = [line.split(cat_records.FIELD_SEPARATOR.encode()) for line in base]
    last_id = max((int(f[0]) for f in fields), default=0)
    newest = max((f[18].decode() for f in fields), default="20000101000000")
    after = datetime.datetime.strptime(newest, STAMP_FORMAT) + datetime.timedelta(days=1)

    records = cat_records.generate(random.Random(args.seed), args.count, args.host, True)
    for i, record in enumerate(records):
        record["id"] = last_id + i + 1
        record["stamp"] = (after + datetime.timedelta(minutes=i)).strftime(STAMP_FORMAT)
    text = b"".join(line + b"\r\n" for line in base) + cat_records.catalogue_text(records)
    catalogue = cat_layout.compress(text)
    cat_layout.write_site(args.out, records, catalogue, args.seed)
    return 0


if __name__ == "__main__":
    sys.exit(main())
