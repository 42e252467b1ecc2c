#!/usr/bin/env bash
# Reads the words of every source of the program again into the catalogues
# (translations/*.ts): new texts come in unfinished, texts no longer used are
# dropped. Then translate the unfinished entries (Qt Linguist, or by hand).
#
#   tools/update-translations.sh            every catalogue there is
#   tools/update-translations.sh de         also starts translations/morvello_de.ts
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | sort)
for code in "$@"; do
    ts=translations/morvello_$code.ts
    [ -e "$ts" ] || "$lupdate" -silent -locations none -no-obsolete -target-language "$code" \
        -I src "${sources[@]}" -ts "$ts"
done
for ts in translations/*.ts; do
    "$lupdate" -silent -locations none -no-obsolete -I src "${sources[@]}" -ts "$ts"
done
