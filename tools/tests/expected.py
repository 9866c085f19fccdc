"""What cobwen-cat should print for a generated catalogue, worked out from the generator's
manifest with the browser's display rules (Russian locale)."""

import datetime
import os

FILES_URL = "http://cobwen.ulvar.org/downld/files/"

SRC_LANGUAGE_NAMES = {
    "#": "C#",
    "A": "Assembler",
    "C": "C/C++",
    "D": "Ada",
    "M": "Modula",
    "P": "Delphi/Virtual Pascal",
    "V": "Visual Basic/JavaScript",
}
UNKNOWN_LANGUAGE = "Нет данных"

WINDOWS_VERSIONS = [(0x03, "9x"), (0x04, "NT"), (0x06, "2000"), (0x10, "XP"), (0x20, "2003"),
                    (0x40, "Vista"), (0x80, "x64")]

THOUSAND_SEPARATOR = "\u00a0"
DECIMAL_SEPARATOR = ","


def src_language_name(code):
    return SRC_LANGUAGE_NAMES.get(code[:1], UNKNOWN_LANGUAGE)


def windows_version_text(flags):
    # The generator writes only "0" and "1"; the first character is the lowest bit.
    bits = int(flags[::-1], 2) if flags else 0
    names = [name for mask, name in WINDOWS_VERSIONS if mask & bits]
    return "Windows " + "/".join(names)


def _round_half_even(numerator, denominator):
    quotient, remainder = divmod(numerator, denominator)
    if 2 * remainder > denominator or (2 * remainder == denominator and quotient % 2):
        quotient += 1
    return quotient


def _grouped(number):
    return f"{number:,}".replace(",", THOUSAND_SEPARATOR)


def size_text(size):
    if size < 1024:
        return str(size)
    if size < 1024 ** 2:
        return _grouped(_round_half_even(size, 1024)) + "K"
    if size < 1024 ** 3:
        tenths = _round_half_even(size * 10, 1024 ** 2)
        return f"{_grouped(tenths // 10)}{DECIMAL_SEPARATOR}{tenths % 10}M"
    hundredths = _round_half_even(size * 100, 1024 ** 3)
    return f"{_grouped(hundredths // 100)}{DECIMAL_SEPARATOR}{hundredths % 100:02d}G"


def full_url(field):
    return field if "http://" in field.lower() else FILES_URL + field


def value_list(values):
    """Distinct values ignoring case, each spelt as it first came, in case-insensitive order.
    (The generator's list values hold only letters, digits, blanks and dots, for which the
    locale's order is the order of the lower-cased code points, Latin before Cyrillic.)"""
    first = {}
    for value in values:
        first.setdefault(value.lower(), value)
    return [first[key] for key in sorted(first)]


def record(entry, russian):
    """The JSON object cobwen-cat prints for a manifest record."""
    description = entry["descriptionRu" if russian else "descriptionEn"]
    return {
        "Id": entry["id"],
        "Name": entry["name"],
        "Category": entry["category"],
        "Description": description,
        "URL": full_url(entry["url"]),
        "EMail": entry["email"],
        "Author": entry["authorRu" if russian else "authorEn"],
        "HomePage": entry["homePage"],
        "Version": entry["version"],
        "UlvarVersion": entry["ulvarVersion"],
        "WindowsVersion": entry["windowsVersion"],
        "SrcLanguage": entry["srcLanguage"],
        "Size": entry["size"],
        "Date": entry["date"],
        "Stamp": entry["stamp"],
        "HasSources": entry["hasSources"],
        "DescriptionText": entry["descriptionTextRu" if russian else "descriptionTextEn"],
        "EMailAddress": entry["emailAddress"],
        "SrcLanguageName": src_language_name(entry["srcLanguage"]),
        "WindowsVersionText": windows_version_text(entry["windowsVersion"]),
        "SizeText": size_text(entry["size"]),
    }


def catalogue(entries, russian, path):
    """The whole JSON object for a complete load of the catalogue file at path."""
    author_key = "authorRu" if russian else "authorEn"
    return {
        "result": 0,
        "count": len(entries),
        "newestStamp": max((e["stamp"] for e in entries), default=""),
        "catalogueDate": datetime.date.fromtimestamp(os.path.getmtime(path)).isoformat(),
        "categories": value_list(e["category"] for e in entries),
        "authors": value_list(e[author_key] for e in entries),
        "ulvarVersions": value_list(e["ulvarVersion"] for e in entries),
        "srcLanguages": value_list(e["srcLanguage"] for e in entries if e["hasSources"]),
        "records": [record(e, russian) for e in entries],
    }
