#!/usr/bin/env bash
# What this suite guards: the desktop entry, the AppStream metainfo and the manual
# page pass their validators.
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
warnings=$(MANWIDTH=80 man --warnings=all -l "$build/packaging/morvello.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
page=$(MANWIDTH=80 man -l "$build/packaging/morvello.6.gz" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION "HOW TO PLAY" MENUS KEYS FILES; do
    grep -qx "$section" <<<"$page" || { echo "the manual page has no $section"; exit 1; }
done
echo "desktop entry, metainfo and manual page are valid"
