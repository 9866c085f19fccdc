"""Writes a language file for the host: UTF-8 source text re-encoded in an OEM code page, one
message per line (message n on line n), lines ended with CR LF."""

import sys


def main() -> int:
    source, target, codepage = sys.argv[1:4]
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    data = b"".join(line.encode(codepage) + b"\r\n" for line in lines)
    with open(target, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
