#!/usr/bin/env bash
# What this test guards: every catalogue holds every text of the sources, each
# translated, and nothing else. lupdate reads the sources into a copy of each
# .ts file: the copy must come out as the committed file, with no unfinished
# entry; a text added, changed or removed in the sources fails here until the
# catalogues are brought up to date (tools/update-translations.sh) and translated.
#
#   catalogue_test.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source_dir"

mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | sort)
status=0
for ts in translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -locations none -no-obsolete -I src "${sources[@]}" -ts "$copy" >"$work/lupdate.log" 2>&1
    sed -n 's/^ *\(Found [0-9]* source text.*\)/\1/p' "$work/lupdate.log"
    if ! diff -u "$ts" "$copy" >"$work/diff"; then
        echo "$ts is not up to date with the sources:"
        head -60 "$work/diff"
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    left=$(grep -c 'type="vanished"\|type="obsolete"' "$copy" || true)
    echo "$ts: $unfinished unfinished, $left obsolete"
    [ "$unfinished" -eq 0 ] && [ "$left" -eq 0 ] || status=1
done
exit $status
