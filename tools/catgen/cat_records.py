"""The records of a synthetic catalogue: every field of a catalogue line, plus what a reader of the
line should make of it (the manifest entry)."""

import datetime
import math

import cat_descriptions
import cat_vocabulary as vocab

FIELD_SEPARATOR = "\x14"
FIELD_COUNT = 19
MAX_COUNT = 65535

# Stamps (arrival times) spread over this span, oldest first.
FIRST_ARRIVAL = datetime.datetime(2000, 6, 1, 9, 0, 0)
ARRIVAL_SPAN = datetime.timedelta(days=9 * 365)


def _weighted(rng, table):
    weights = [w for w, _ in table]
    return rng.choices([v for _, v in table], weights=weights)[0]


def _log_uniform(rng, low, high):
    return int(math.exp(rng.uniform(math.log(low), math.log(high))))


class Authors:
    """A realistic pool of authors: Russian ones with their Latin spelling, foreign ones, and a
    few written once more in other letter case. Early entries are the busiest."""

    def __init__(self, rng, count):
        people = [(f"{ru_first} {ru_last}", f"{en_first} {en_last}")
                  for ru_first, en_first in vocab.FIRST_NAMES
                  for ru_last, en_last in vocab.SURNAMES]
        rng.shuffle(people)
        size = max(8, min(len(people), count // 5))
        pool = people[:size]
        foreign = vocab.FOREIGN_AUTHORS[:max(2, min(len(vocab.FOREIGN_AUTHORS), count // 40))]
        pool += [(name, name) for name in foreign]
        rng.shuffle(pool)
        # Hand-typed duplicates that differ only in case.
        ru, en = pool[0]
        pool.append((ru.lower(), en.lower()))
        pool.append((foreign[0].upper(), foreign[0].upper()))
        self.entries = [self._entry(rng, ru, en) for ru, en in pool]
        self.weights = [1.0 / (rank + 2) for rank in range(len(self.entries))]
        # The case variants come now and then, not only in the long tail.
        self.weights[-2] = self.weights[-1] = self.weights[len(self.weights) // 4]

    @staticmethod
    def _entry(rng, ru, en):
        first, _, last = en.lower().partition(" ")
        user = rng.choice([f"{first}.{last}", f"{first[0]}{last}", f"{last}{rng.randint(1, 99)}"])
        host = rng.choice(vocab.MAIL_HOSTS)
        home = f"http://{last}.{rng.choice(vocab.HOME_HOSTS)}/" if rng.random() < 0.7 else ""
        return {"ru": ru, "en": en, "address": f"{user}@{host}", "home": home}

    def pick(self, rng):
        return rng.choices(self.entries, weights=self.weights)[0]


def _name_and_stem(rng):
    if rng.random() < 0.08:
        return rng.choice(vocab.RUSSIAN_NAMES)
    name = rng.choice(vocab.NAME_PREFIXES) + rng.choice(vocab.NAME_SUFFIXES)
    if rng.random() < 0.1:
        name += f" {rng.randint(2, 4)}"
    stem = "".join(c for c in name if c.isalpha())
    return name, stem if rng.random() < 0.12 else stem.lower()


def _archive_path(rng, stem, record_id):
    # The id ends every stem, so no file name is a suffix of another record's URL: the trailing
    # digits of a name are its record's id, and ids are unique.
    ext = _weighted(rng, vocab.EXTENSIONS)
    name = f"{stem}{'_' if rng.random() < 0.2 else ''}{record_id}{ext}"
    return f"{rng.choice(vocab.FOLDERS)}/{name}" if rng.random() < 0.45 else name


def _url_field(rng, path, host):
    if rng.random() < 0.1:
        scheme = rng.choice(["http", "http", "HTTP", "Http"])
        return f"{scheme}://{host}/downld/files/{path}"
    return path


def _size(rng, with_files):
    if with_files:
        return _log_uniform(rng, 256, 40000)
    if rng.random() < 0.02:
        return rng.randint(200, 1023)
    return _log_uniform(rng, 3000, 12_000_000)


def _size_field(rng, size):
    if size >= 1000 and rng.random() < 0.6:
        return f"{size:,}".replace(",", " ")
    return str(size)


def _date_field(rng, arrival):
    """(field text, ISO date or None when the field is no valid dd/mm/yyyy date)."""
    roll = rng.random()
    if roll < 0.015:
        return "", None
    released = (arrival - datetime.timedelta(days=rng.randint(0, 20))).date()
    if roll < 0.02:
        return released.strftime("%Y-%m-%d"), None
    return released.strftime("%d/%m/%Y"), released.isoformat()


def _version(rng):
    form = rng.choice(vocab.VERSION_FORMS)
    return form.format(a=rng.randint(0, 3), b=rng.randint(0, 30), c=rng.randint(1, 9),
                       d=rng.randint(10, 999))


def _windows_flags(rng):
    return "".join("1" if rng.random() < 0.6 else "0" for _ in range(rng.randint(1, 8)))


def _sources(rng):
    """(field 16, has sources, field 17)."""
    has = rng.random() < 0.45
    field = ("YES" if rng.random() < 0.1 else "yes") if has else ("no" if rng.random() < 0.97
                                                                 else "NO")
    if rng.random() < vocab.ODD_SOURCE_LANGUAGE_SHARE:
        language = _weighted(rng, vocab.ODD_SOURCE_LANGUAGES)
    elif not has and rng.random() < 0.5:
        language = ""
    else:
        language = _weighted(rng, vocab.SOURCE_LANGUAGES)
    return field, has, language


def _email(rng, author):
    if rng.random() < 0.5:
        return author["address"]
    return f"{author['ru']} <{author['address']}>"


def generate(rng, count, host, with_files):
    """The records of a catalogue, as dicts holding both the fields and the expectations."""
    authors = Authors(rng, count)
    categories = vocab.CATEGORIES + [(vocab.EMPTY_CATEGORY_WEIGHT * 100, "")]
    average_step = ARRIVAL_SPAN.total_seconds() / max(count, 1)
    arrival = FIRST_ARRIVAL
    record_id = 0
    records = []
    for _ in range(count):
        record_id += rng.randint(1, 3)
        arrival += datetime.timedelta(seconds=rng.randint(1, max(1, int(2 * average_step))))
        name, stem = _name_and_stem(rng)
        author = authors.pick(rng)
        home_page = author["home"]
        path = _archive_path(rng, stem, record_id)
        size = _size(rng, with_files)
        date_field, date_iso = _date_field(rng, arrival)
        sources_field, has_sources, src_language = _sources(rng)
        email = _email(rng, author)
        ru_html, ru_text = cat_descriptions.description(rng, cat_descriptions.RU, name, home_page)
        en_html, en_text = cat_descriptions.description(rng, cat_descriptions.EN, name, home_page)
        records.append({
            "id": record_id,
            "downloads": str(rng.randint(0, 5000)),
            "name": name,
            "category": _weighted(rng, categories),
            "descriptionRu": ru_html,
            "descriptionEn": en_html,
            "descriptionTextRu": ru_text,
            "descriptionTextEn": en_text,
            "url": _url_field(rng, path, host),
            "path": path,
            "size": size,
            "sizeField": _size_field(rng, size),
            "email": email,
            "emailAddress": author["address"],
            "authorRu": author["ru"],
            "authorEn": author["en"],
            "homePage": home_page,
            "version": _version(rng),
            "dateField": date_field,
            "date": date_iso,
            "ulvarVersion": _weighted(rng, vocab.HOST_VERSIONS),
            "windowsVersion": _windows_flags(rng),
            "sourcesField": sources_field,
            "hasSources": has_sources,
            "srcLanguage": src_language,
            "stamp": arrival.strftime("%Y%m%d%H%M%S"),
        })
    return records


def fields(record):
    """The 19 fields of the record's catalogue line, in file order."""
    return [
        str(record["id"]),
        record["downloads"],
        record["name"],
        record["category"],
        record["descriptionRu"],
        record["descriptionEn"],
        record["url"],
        record["sizeField"],
        record["email"],
        record["authorRu"],
        record["authorEn"],
        record["homePage"],
        record["version"],
        record["dateField"],
        record["ulvarVersion"],
        record["windowsVersion"],
        record["sourcesField"],
        record["srcLanguage"],
        record["stamp"],
    ]


def catalogue_text(records):
    """The decompressed catalogue: code page 1251, CR LF after every line."""
    lines = [FIELD_SEPARATOR.join(fields(r)) + "\r\n" for r in records]
    return "".join(lines).encode("cp1251")
