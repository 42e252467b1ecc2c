#!/usr/bin/env bash
# The game as a player installs it, started under Xvfb from a temporary folder
# with the sound on SDL's dummy driver:
#
#   installed_game_test.sh prefix BUILD   cmake --install into a temporary prefix
#   installed_game_test.sh deb BUILD      the Debian package, unpacked with dpkg-deb -x
#
# Checks that it finds its effects file and its songs there (the Music menu lists
# them), that config.qvr lands in the temporary user configuration folder, and
# that nothing is written under the prefix.
set -euo pipefail
mode=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

case $mode in
prefix)
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    program=$prefix/bin/morvello
    ;;
deb)
    (cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
    deb=$(echo "$work"/package/morvello_*.deb)
    [ -f "$deb" ] || fail "cpack made no package"
    dpkg-deb -x "$deb" "$work/root"
    prefix=$work/root/usr
    program=$prefix/games/morvello
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb" || fail "lintian found errors in the package"
    fi
    ;;
*) fail "unknown mode $mode" ;;
esac
[ -x "$program" ] || fail "no program at $program"
for wanted in share/morvello/sounds/complessivo.wav share/applications/org.morvello.Morvello.desktop \
              share/metainfo/org.morvello.Morvello.metainfo.xml share/man/man6/morvello.6.gz \
              share/icons/hicolor/scalable/apps/org.morvello.Morvello.svg lib/morvello/morvello_sound_board.so; do
    [ -f "$prefix/$wanted" ] || fail "not installed: $wanted"
done
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/before"

# An X server of its own, on the first free display, for the real window.
coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
xserver=$XSERVER_PID
trap 'kill "$xserver" 2>/dev/null; rm -rf "$work"' EXIT
read -r -t 60 display <&"${XSERVER[0]}" || fail "Xvfb did not start"

# The game runs until it waits for the human's first card: by then the dealer was
# chosen by itself, a deck shuffled and saved, and the sound board started. With
# no session bus the toolkit would start one on the fresh display, and that
# writes into HOME: the bus is switched off.
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
events=$work/events
env -i PATH="$PATH" DBUS_SESSION_BUS_ADDRESS=disabled: HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    MORVELLO_PRINT_EVENTS=1 MORVELLO_AUTODRAW=1 MORVELLO_DELAY_SCALE=0 \
    "$program" >"$events" 2>"$work/errors" &
game=$!
seen_turn="" music_menu=""
exec {lines}< <(tail -n +1 -f "$events" --pid=$game)
while IFS= read -r -t 120 line <&"$lines"; do
    case $line in
    "human turn") seen_turn=1 ;;
    "music menu: "*) music_menu=${line#music menu: } ;;
    esac
    [ -n "$seen_turn" ] && [ -n "$music_menu" ] && break
done
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
exec {lines}<&-

cat "$work/errors" >&2
[ -n "$seen_turn" ] || fail "the game never reached the human's turn"
[ "$music_menu" = "None | SEQUENTIAL MODE | Barcarola di Posillipo | Serenata del tavolo verde | Tarantella del mazzo" ] ||
    fail "Music menu: '$music_menu'"
! grep -E "cannot open the sound effects|no songs|no sound|cannot read" "$work/errors" ||
    fail "the installed game misses its files"

config=$work/config/Morvello/config.qvr
[ -f "$config" ] || fail "config.qvr is not in the user's configuration folder"
[ "$(wc -l <"$config")" -eq 50 ] || fail "config.qvr has $(wc -l <"$config") lines"
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the game wrote under its prefix"
[ -z "$(find "$work/home" -mindepth 1 -print -quit)" ] || fail "the game wrote into HOME: $(find "$work/home")"
echo "installed game ($mode): songs and effects found, config.qvr in the user's folder"
