#!/usr/bin/env python3
"""Generates a realistic synthetic Cobwen catalogue (plugins.dat.gz).

The same seed and options always give the same bytes. With --with-files the output folder also
holds the site as served: downld/plugins.dat.gz and an archive under downld/files/ for every
record, of exactly the record's size (sizes are kept small then).
"""

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import cat_layout  # noqa: E402
import cat_records  # noqa: E402

DEFAULT_HOST = "cobwen.ulvar.org"


def _count(text):
    value = int(text)
    if not 0 <= value <= cat_records.MAX_COUNT:
        raise argparse.ArgumentTypeError(f"must be 0 to {cat_records.MAX_COUNT}")
    return value


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=_count, default=300, help="number of records (0-65535)")
    parser.add_argument("--seed", type=int, default=1, help="random seed")
    parser.add_argument("--out", required=True, help="folder to write plugins.dat.gz into")
    parser.add_argument("--with-files", action="store_true",
                        help="also lay out downld/plugins.dat.gz and downld/files/<archives>")
    parser.add_argument("--manifest", help="write what was generated as JSON (UTF-8) to this file")
    parser.add_argument("--host", default=DEFAULT_HOST,
                        help="host named in the absolute archive URLs (default %(default)s)")
    return parser.parse_args(argv)


def main(argv=None):
    args = parse_args(argv)
    rng = random.Random(args.seed)
    records = cat_records.generate(rng, args.count, args.host, args.with_files)
    catalogue = cat_layout.write_catalogue(args.out, records)
    if args.with_files:
        cat_layout.write_site(args.out, records, catalogue, args.seed)
    if args.manifest:
        cat_layout.write_manifest(args.manifest, args.seed, args.host, records)
    return 0


if __name__ == "__main__":
    sys.exit(main())
