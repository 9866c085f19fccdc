"""Word lists the synthetic catalogue is drawn from.

Every text here must be encodable in code page 1251. Values that end up in the browser's filter
lists (categories, authors, host versions, source languages) use only letters, digits, blanks and
dots, so that their order is the same under any case-insensitive collation; a few of them differ
from another one only in case, as hand-typed catalogue entries do.
"""

# (weight, category). "Утилиты"/"утилиты" and "Network"/"NETWORK" differ only in case.
CATEGORIES = [
    (14, "Утилиты"),
    (2, "утилиты"),
    (9, "Архиваторы"),
    (8, "Файловые системы"),
    (8, "Сеть"),
    (6, "Network"),
    (1, "NETWORK"),
    (7, "Редакторы"),
    (5, "Editors"),
    (6, "Просмотрщики"),
    (4, "Viewers"),
    (6, "Системные"),
    (4, "System"),
    (5, "Мультимедиа"),
    (3, "Игры"),
    (2, "Games"),
    (5, "Разработка"),
    (3, "Development"),
    (4, "Панели"),
    (3, "Поиск"),
    (4, "Разное"),
    (2, "Misc"),
]

# A rare empty category, as an unfinished catalogue entry leaves it.
EMPTY_CATEGORY_WEIGHT = 0.002

FIRST_NAMES = [
    ("Алексей", "Alexey"),
    ("Андрей", "Andrey"),
    ("Борис", "Boris"),
    ("Вадим", "Vadim"),
    ("Виктор", "Victor"),
    ("Владимир", "Vladimir"),
    ("Григорий", "Grigory"),
    ("Дмитрий", "Dmitry"),
    ("Евгений", "Evgeny"),
    ("Игорь", "Igor"),
    ("Константин", "Konstantin"),
    ("Максим", "Maxim"),
    ("Михаил", "Mikhail"),
    ("Николай", "Nikolay"),
    ("Олег", "Oleg"),
    ("Павел", "Pavel"),
    ("Роман", "Roman"),
    ("Сергей", "Sergey"),
    ("Станислав", "Stanislav"),
    ("Юрий", "Yuri"),
]

SURNAMES = [
    ("Белов", "Belov"),
    ("Волков", "Volkov"),
    ("Гусев", "Gusev"),
    ("Данилов", "Danilov"),
    ("Ершов", "Ershov"),
    ("Жуков", "Zhukov"),
    ("Зайцев", "Zaitsev"),
    ("Карпов", "Karpov"),
    ("Козлов", "Kozlov"),
    ("Комаров", "Komarov"),
    ("Лебедев", "Lebedev"),
    ("Морозов", "Morozov"),
    ("Новиков", "Novikov"),
    ("Орлов", "Orlov"),
    ("Павлов", "Pavlov"),
    ("Сидоров", "Sidorov"),
    ("Соколов", "Sokolov"),
    ("Титов", "Titov"),
    ("Тихонов", "Tikhonov"),
    ("Уваров", "Uvarov"),
    ("Федоров", "Fedorov"),
    ("Филиппов", "Filippov"),
    ("Шубин", "Shubin"),
    ("Щербаков", "Shcherbakov"),
    ("Яковлев", "Yakovlev"),
]

# Authors from abroad write their name the same way in both author fields.
FOREIGN_AUTHORS = [
    "John Miller",
    "Peter Schmidt",
    "Jan Kowalski",
    "Marco Rossi",
    "Hans Weber",
    "Tomas Novak",
    "Erik Larsen",
    "David Cohen",
    "Mark Taylor",
    "Lukas Berger",
]

MAIL_HOSTS = ["mail.ru", "yandex.ru", "rambler.ru", "list.ru", "narod.ru", "gmail.com", "pochta.ru"]
HOME_HOSTS = ["narod.ru", "chat.ru", "boom.ru", "nm.ru", "by.ru"]

NAME_PREFIXES = [
    "Arc", "Net", "File", "Disk", "Text", "Reg", "Proc", "Quick", "Mail", "Color", "Hex", "Task",
    "Clip", "Font", "Image", "Audio", "Video", "Sys", "Word", "Calc", "Port", "Time", "Tree", "Link",
    "Code", "Dir", "Macro", "Menu", "Tab", "Zip", "Ftp", "Web", "Char", "Hash", "Shell", "Note",
]
NAME_SUFFIXES = [
    "View", "Edit", "Tool", "Man", "Find", "Sync", "Info", "Pad", "Lister", "Browser", "Panel", "Cmd",
    "Sort", "Term", "Kit", "Plus", "Lite", "Pro", "Spy", "Walker", "Mon", "Dump", "Stat", "Box",
]
# (Russian name, Latin file-name stem)
RUSSIAN_NAMES = [
    ("Календарь", "calendar"),
    ("Блокнот", "bloknot"),
    ("Часы", "chasy"),
    ("Словарь", "slovar"),
    ("Будильник", "alarm"),
    ("Переводчик", "translator"),
    ("Кодировщик", "koder"),
    ("Проводник", "provodnik"),
    ("Счётчик", "counter"),
    ("Сапёр", "saper"),
]

FOLDERS = ["tools", "arc", "net", "misc", "sys", "edit"]
# (weight, extension)
EXTENSIONS = [(55, ".rar"), (35, ".zip"), (10, ".7z")]

# (weight, host version)
HOST_VERSIONS = [(3, "1.65"), (10, "1.70"), (2, "1.70 beta 3"), (8, "1.75"), (4, "2.0")]

# (weight, code) of source languages; rarely a code the browser does not know.
SOURCE_LANGUAGES = [(40, "C"), (25, "P"), (6, "#"), (5, "A"), (2, "D"), (2, "M"), (4, "V")]
ODD_SOURCE_LANGUAGES = [(2, "c"), (1, "X"), (1, "")]
ODD_SOURCE_LANGUAGE_SHARE = 0.02

VERSION_FORMS = ["{a}.{b}", "{a}.{b}{c}", "{a}.{b} beta {c}", "{a}.{b}.{c}", "{a}.{b:02d} build {d}"]

# Description material: (Russian, English) pairs. Plain text only: no quotes, no angle brackets.
SUBJECTS = [
    ("содержимое архивов", "archive contents"),
    ("список процессов", "the process list"),
    ("реестр Windows", "the Windows registry"),
    ("журнал событий", "the event log"),
    ("сетевые ресурсы", "network shares"),
    ("буфер обмена", "the clipboard"),
    ("историю команд", "the command history"),
    ("файлы в кодировке KOI8", "files in KOI8 encoding"),
    ("почтовые ящики", "mailboxes"),
    ("закладки каталогов", "folder bookmarks"),
    ("образы дисков", "disk images"),
    ("шрифты системы", "system fonts"),
    ("теги MP3", "MP3 tags"),
    ("FTP-серверы", "FTP servers"),
]
ACTIONS = [
    ("просматривать", "view"),
    ("редактировать", "edit"),
    ("сравнивать", "compare"),
    ("сортировать", "sort"),
    ("копировать", "copy"),
    ("искать", "search"),
    ("упаковывать", "pack"),
]
FEATURES = [
    ("поддержка длинных имён", "long name support"),
    ("работа с сетевыми дисками", "network drive support"),
    ("настраиваемые цвета", "configurable colours"),
    ("макросы", "macros"),
    ("предпросмотр", "preview"),
    ("ускоренное чтение", "faster reading"),
    ("справка на русском языке", "help in Russian"),
]
KEYS = ["Ctrl+F5", "Alt+Shift+F9", "Shift+F4", "Ctrl+PgDn", "Enter", "Esc", "F11", "Ctrl+Alt+Ins"]
