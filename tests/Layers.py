"""Each folder is one library, and a folder includes only the folders its
library links (directly or through them). Run from the source root."""
import pathlib
import re
import sys

# What each folder may include besides itself, lowest layers first.
ALLOWED = {
    "platform": set(),
    "contracts": {"platform"},  # only platform/Translate.h, the marking of texts
    "util": set(),
    "model": {"contracts", "platform"},
    "image": {"contracts", "model", "platform"},
    "xls": {"contracts", "image", "model", "platform"},
    "lists": {"contracts", "image", "model", "platform", "xls"},
    "document": {"contracts", "image", "lists", "model", "platform", "xls"},
    "link": {"contracts", "image", "platform"},
    "compare": {"contracts", "document", "image", "lists", "model", "platform", "xls"},
    "qtkit": {"compare", "contracts", "document", "image", "lists", "link", "model", "platform", "xls"},
    "views": {"compare", "contracts", "document", "image", "lists", "model", "platform", "qtkit", "xls"},
    "app": {"compare", "contracts", "document", "image", "lists", "link", "model", "platform", "qtkit",
            "views", "xls"},
    "cli": {"compare", "contracts", "document", "image", "lists", "link", "model", "platform", "xls"},
    "tools": {"compare", "contracts", "document", "image", "lists", "model", "platform", "xls"},
}
CORE = {"platform", "contracts", "util", "model", "image", "xls", "lists", "document", "link", "compare"}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]')

problems = []
for folder, allowed in ALLOWED.items():
    for path in sorted(pathlib.Path(folder).rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = m.group(1)
            top = target.split("/")[0]
            if folder in CORE and (target.startswith("Q") or top.startswith("Qt")):
                problems.append(f"{path}:{number}: a core folder includes Qt ({target})")
            elif "/" in target and top in ALLOWED and top != folder and top not in allowed:
                problems.append(f"{path}:{number}: {folder}/ may not include {target}")
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
