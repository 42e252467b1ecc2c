#!/usr/bin/env bash
# What this suite guards: the desktop entry, the AppStream metainfo and the manual
# page pass their validators.
#   desktop_files_test.sh SOURCE BUILD
set -euo pipefail
source=$1 build=$2
desktop-file-validate "$source/packaging/org.morvello.Morvello.desktop"
appstreamcli validate --no-net "$source/packaging/org.morvello.Morvello.metainfo.xml"
# man prints its formatter's warnings on stderr: a clean page prints none.
warnings=$(MANWIDTH=80 man --warnings=all -l "$build/packaging/morvello.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
page=$(MANWIDTH=80 man -l "$build/packaging/morvello.6.gz" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION "HOW TO PLAY" MENUS FILES; do
    grep -qx "$section" <<<"$page" || { echo "the manual page has no $section"; exit 1; }
done
echo "desktop entry, metainfo and manual page are valid"
