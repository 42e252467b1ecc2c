#!/usr/bin/env bash
# Reads the words of every source of the program again into the catalogues
# (translations/*.ts): new texts come in unfinished, texts no longer used are
# dropped. Then translate the unfinished entries (Qt Linguist, or by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | sort)
for ts in translations/*.ts; do
    "$lupdate" -silent -locations none -no-obsolete -I src "${sources[@]}" -ts "$ts"
done
