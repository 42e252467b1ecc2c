#!/usr/bin/env bash
# What this suite guards: the desktop entry, the AppStream metainfo and the manual
# pages (the game's in English and Italian, the server's) pass their validators.
#   desktop_files_test.sh SOURCE BUILD
set -euo pipefail
source=$1 build=$2
desktop-file-validate "$source/packaging/org.morvello.Morvello.desktop"
appstreamcli validate --no-net "$source/packaging/org.morvello.Morvello.metainfo.xml"
# The screenshot the metainfo names is the committed one, at the size it states.
size=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\1 x \2/p' \
    "$source/packaging/org.morvello.Morvello.metainfo.xml")
[ "$(file -b "$source/packaging/screenshot.png" | cut -d, -f2 | sed 's/^ //')" = "$size" ] ||
    { echo "the metainfo's screenshot is $size, packaging/screenshot.png is not"; exit 1; }
# man prints its formatter's warnings on stderr: a clean page prints none.
# check_page PAGE SECTION...: no warning, and each section is there.
check_page() {
    local file=$1
    shift
    warnings=$(MANWIDTH=80 man --warnings=all -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$file: $warnings"; exit 1; }
    page=$(MANWIDTH=80 man -l "$file" 2>/dev/null)
    for section in "$@"; do
        grep -qx "$section" <<<"$page" || { echo "$file has no $section"; exit 1; }
    done
}
check_page "$build/packaging/morvello.6.gz" NAME SYNOPSIS DESCRIPTION OPTIONS "HOW TO PLAY" MENUS \
    KEYS FILES ENVIRONMENT
check_page "$build/packaging/it/morvello.6.gz" NOME SINOSSI DESCRIZIONE OPZIONI "COME SI GIOCA" \
    MENU TASTI FILE AMBIENTE
check_page "$build/packaging/morvello-server.6.gz" NAME SYNOPSIS DESCRIPTION OPTIONS PROXY FILES \
    "EXIT STATUS"
echo "desktop entry, metainfo and manual pages are valid"
