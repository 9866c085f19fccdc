#!/usr/bin/env python3
"""Runs the tests of the catalogue generator and of cobwen-cat.

usage: run_tests.py --cobwen-cat=PROGRAM --catgen=SCRIPT [--emulator=LOADER]

With an emulator (the Wine loader in the Windows build) cobwen-cat is started through it.
"""

import argparse
import os
import sys
import unittest

import toolrun


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cobwen-cat", required=True)
    parser.add_argument("--catgen", required=True)
    parser.add_argument("--emulator", default="")
    args = parser.parse_args()
    toolrun.configure(args.cobwen_cat, args.catgen, args.emulator)
    here = os.path.dirname(os.path.abspath(__file__))
    suite = unittest.defaultTestLoader.discover(here, pattern="test_*.py", top_level_dir=here)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
