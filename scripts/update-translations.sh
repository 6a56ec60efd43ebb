#!/usr/bin/env bash
# Brings every catalogue translations/velmar_*.ts up to date with the texts of
# the sources (lupdate), then checks that each has a translation for every
# text: no message left "unfinished". The core marks its texts with
# VELMAR_TRANSLATE_NOOP and VELMAR_TRANSLATE_N_NOOP, which lupdate reads as
# QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
#
#   scripts/update-translations.sh          update the .ts files, then check
#   scripts/update-translations.sh --check  change nothing: fail when a .ts
#                                           lacks a text of the sources or
#                                           has an unfinished one
#
# A new language: copy a .ts to velmar_<language>.ts, set its language
# attribute, translate every message, and run this script.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[[ -x $lupdate ]] || lupdate=$(command -v lupdate6 || command -v lupdate)
check=0
[[ ${1:-} == --check ]] && check=1

sources=(app views qtkit contracts model document lists platform compare image link xls)
shopt -s nullglob
catalogues=(translations/velmar_*.ts)
[[ ${#catalogues[@]} -gt 0 ]] || { echo "no translations/velmar_*.ts"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "${catalogues[@]}"; do
    target=$ts
    if [[ $check == 1 ]]; then
        target=$work/$(basename "$ts")
        cp "$ts" "$target"
    fi
    "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I . \
        -tr-function-alias QT_TRANSLATE_NOOP+=VELMAR_TRANSLATE_NOOP,QT_TRANSLATE_N_NOOP+=VELMAR_TRANSLATE_N_NOOP \
        "${sources[@]}" -ts "$target"
    if [[ $check == 1 ]] && ! cmp -s "$ts" "$target"; then
        echo "$ts: not up to date with the sources (run scripts/update-translations.sh):"
        diff -u "$ts" "$target" | grep '^[+-] *<source>' | head -20 || true
        status=1
    fi
    # Every message translated: none unfinished, none empty.
    if ! python3 - "$target" "$ts" <<'PY'; then
import sys
import xml.etree.ElementTree as ET
path, name = sys.argv[1], sys.argv[2]
missing = []
for context in ET.parse(path).getroot().iter("context"):
    for message in context.iter("message"):
        t = message.find("translation")
        forms = t.findall("numerusform") if t is not None else []
        texts = [f.text for f in forms] if forms else [t.text if t is not None else None]
        if t is None or t.get("type") in ("unfinished", "vanished", "obsolete") or not all(texts):
            missing.append(f'{context.findtext("name")}: {message.findtext("source")!r}')
for m in missing:
    print(f"{name}: untranslated: {m}")
sys.exit(1 if missing else 0)
PY
        status=1
    fi
done
exit $status
