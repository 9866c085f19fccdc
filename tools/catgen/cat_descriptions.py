"""Descriptions as the site writes them: HTML fragments, each built together with the plain text
a reader sees once the markup is gone (line breaks as CR LF, tags dropped, links reduced to their
text, the entities &lt; &gt; &amp; decoded).

The plain text never holds a double quote or an angle bracket of its own, so a link's end
('">') is never mistaken, and no escaped tag is written.
"""

import cat_vocabulary as vocab

RU, EN = 0, 1


class Html:
    """A fragment under construction: markup and plain text side by side."""

    def __init__(self):
        self.html = []
        self.text = []

    def plain(self, text):
        self.html.append(text.replace("&", "&amp;"))
        self.text.append(text)

    def tag(self, name, text):
        self.html.append(f"<{name}>{text.replace('&', '&amp;')}</{name}>")
        self.text.append(text)

    def key(self, key):
        self.html.append(f"&lt;{key}&gt;")
        self.text.append(f"<{key}>")

    def link(self, url, text):
        self.html.append(f'<a href="{url}">{text}</a>')
        self.text.append(text)

    def line_break(self):
        self.html.append("<br>")
        self.text.append("\r\n")

    def result(self):
        return "".join(self.html), "".join(self.text)


def _sentence(rng, lang, name, home_page, out):
    subject = rng.choice(vocab.SUBJECTS)[lang]
    action = rng.choice(vocab.ACTIONS)[lang]
    feature = rng.choice(vocab.FEATURES)[lang]
    kind = rng.randrange(7)
    if kind == 0:
        out.plain("Плагин позволяет " if lang == RU else "The plug-in lets you ")
        out.tag("b", action)
        out.plain(f" {subject} прямо в панели." if lang == RU else f" {subject} right in a panel.")
    elif kind == 1:
        out.plain("Вызов: " if lang == RU else "Call it with ")
        out.key(rng.choice(vocab.KEYS))
        out.plain(" из любой панели." if lang == RU else " from any panel.")
    elif kind == 2:
        out.plain("Новое в версии: " if lang == RU else "New in this version: ")
        out.tag("i", feature)
        out.plain(" — и исправления ошибок." if lang == RU else " and bug fixes.")
    elif kind == 3 and home_page:
        out.plain("Подробности на " if lang == RU else "Details on ")
        out.link(home_page, "сайте автора" if lang == RU else "the author's site")
        out.plain(".")
    elif kind == 4:
        out.plain(f"«{name}» — " if lang == RU else f"{name}: ")
        out.plain(f"поиск & замена, {feature}." if lang == RU else f"search & replace, {feature}.")
    elif kind == 5:
        out.plain("Требует " if lang == RU else "Needs ")
        out.tag("code", "msvcrt.dll")
        out.plain(" версии 6 и выше." if lang == RU else " version 6 or later.")
    else:
        out.plain(f"Умеет {action} {subject}; {feature}." if lang == RU else
                  f"Can {action} {subject}; {feature}.")


def description(rng, lang, name, home_page):
    """(html, plain text) of a description in Russian (RU) or English (EN)."""
    out = Html()
    for index in range(rng.randint(1, 4)):
        if index:
            if rng.random() < 0.4:
                out.line_break()
            else:
                out.plain(" ")
        _sentence(rng, lang, name, home_page, out)
    if rng.random() < 0.1:
        out.line_break()
        out.tag("u", "Бесплатно." if lang == RU else "Freeware.")
    return out.result()
