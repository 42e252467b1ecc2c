#!/usr/bin/env bash
# What this suite guards: the game as a player installs it finds its files and
# writes nothing but its configuration, whether or not the desktop has a session bus.
#
# The game is started under Xvfb from a temporary folder with the sound on SDL's
# dummy driver:
#
#   installed_game_test.sh prefix BUILD   cmake --install into a temporary prefix
#   installed_game_test.sh deb BUILD      the Debian package, unpacked with dpkg-deb -x
#   installed_game_test.sh stand-in       the checks themselves: a stand-in for the
#                                         game that uses the session bus passes them,
#                                         one that writes into HOME or its prefix fails
#
# Checks that it finds its effects file and its songs there (the Music menu lists
# them), that config.qvr lands in the temporary user configuration folder, and
# that nothing is written under the prefix or into HOME.
#
# The game gets a session bus of its own (a private dbus-daemon, or an address
# where no bus listens when there is no daemon): with no address at all, the X11
# platform's first call on the bus starts one through dbus-launch, which keeps
# its address under HOME.
set -euo pipefail
mode=$1 build=${2:-}
work=$(mktemp -d)
cleanup=(rm -rf "$work")
trap '"${cleanup[@]}"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The game speaks Italian (--language it): the Music menu shows it found its
# catalogue from its own folder.
music="Nessuna | IN SEQUENZA | Barcarola di Posillipo | Serenata del tavolo verde | Tarantella del mazzo"

# A program that does what the game does for these checks, and then writes where
# it is told (nowhere, home or prefix).
stand_in() {
    local writes=$1
    mkdir -p "$prefix/bin"
    program=$prefix/bin/morvello
    cat >"$program" <<EOF
#!/usr/bin/env bash
# Talks to the session bus as the window does, when there is a client for it.
if command -v dbus-send >/dev/null; then
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetId >/dev/null 2>&1 || true
fi
mkdir -p "\$XDG_CONFIG_HOME/Morvello" "\$XDG_DATA_HOME/Morvello"
seq 50 >"\$XDG_CONFIG_HOME/Morvello/config.qvr"
echo kept >"\$XDG_DATA_HOME/Morvello/unfinished-match.record"
case $writes in
home) echo written >"\$HOME/.stand-in" ;;
prefix) echo written >"$prefix/bin/stand-in.log" ;;
esac
echo "music menu: $music"
echo "human turn"
exec tail -f /dev/null
EOF
    chmod +x "$program"
}

# The service's unit starts the server where it was installed ($root: where the
# package's / was unpacked), and the server's manual page gives each of its options.
check_server_unit() {
    local started
    started=$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$prefix/lib/systemd/system/morvello-server.service")
    [ -x "$root$started" ] && [ "$root$started" -ef "$server" ] ||
        fail "the service starts '$started', not the installed server"
    for option in $("$server" --help | grep -o -- '--[a-z-]*' | sort -u); do
        LC_ALL=C MANWIDTH=200 man -l "$prefix/share/man/man6/morvello-server.6.gz" 2>/dev/null |
            grep -q -- "$option" || fail "the server's manual page does not give $option"
    done
}

root=""
case $mode in
prefix)
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    program=$prefix/bin/morvello
    server=$prefix/bin/morvello-server
    ;;
deb)
    (cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
    deb=$(echo "$work"/package/morvello_*.deb)
    [ -f "$deb" ] || fail "cpack made no package"
    dpkg-deb -x "$deb" "$work/root"
    root=$work/root
    prefix=$root/usr
    program=$prefix/games/morvello
    server=$prefix/games/morvello-server
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb" || fail "lintian found errors in the package"
    fi
    ;;
stand-in)
    # Each case runs the whole script on a stand-in; a write must be caught.
    for writes in nowhere home prefix; do
        status=0
        bash "$0" "stand-in-$writes" >"$work/out" 2>"$work/err" || status=$?
        case $writes in
        nowhere) wanted="" ;;
        home) wanted="the game wrote into HOME" ;;
        prefix) wanted="the game wrote under its prefix" ;;
        esac
        if [ -z "$wanted" ]; then
            [ $status -eq 0 ] || fail "a stand-in that writes nowhere failed: $(cat "$work/err")"
        else
            [ $status -ne 0 ] && grep -q "FAIL: $wanted" "$work/err" ||
                fail "a stand-in that writes into its $writes was not caught: $(cat "$work/err")"
        fi
    done
    echo "installed game checks: a stand-in on the session bus passes, its writes are caught"
    exit 0
    ;;
stand-in-*)
    prefix=$work/prefix
    stand_in "${mode#stand-in-}"
    ;;
*) fail "unknown mode $mode" ;;
esac
[ -x "$program" ] || fail "no program at $program"
if [ "${mode%%-*}" != stand ]; then
    for wanted in share/morvello/sounds/complessivo.wav share/applications/org.morvello.Morvello.desktop \
                  share/metainfo/org.morvello.Morvello.metainfo.xml share/man/man6/morvello.6.gz \
                  share/man/it/man6/morvello.6.gz share/morvello/translations/morvello_it.qm \
                  share/icons/hicolor/scalable/apps/org.morvello.Morvello.svg share/doc/morvello/screenshot.png \
                  lib/morvello/morvello_sound_board.so share/man/man6/morvello-server.6.gz \
                  lib/systemd/system/morvello-server.service share/doc/morvello/examples/nginx/morvello.conf; do
        [ -f "$prefix/$wanted" ] || fail "not installed: $wanted"
    done
    check_server_unit
    for size in 16 22 24 32 48 64 128 256; do
        png=share/icons/hicolor/${size}x$size/apps/org.morvello.Morvello.png
        [ "$(file -b "$prefix/$png" 2>/dev/null | cut -d, -f1,2)" = "PNG image data, $size x $size" ] ||
            fail "not installed as a $size-pixel PNG: $png"
    done
fi
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/before"
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

# An X server of its own, on the first free display, for the real window.
coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null; }
cleanup=(eval 'kill "${XSERVER_PID:-}" 2>/dev/null; kill "$bus" 2>/dev/null; rm -rf "$work"')
bus=""
read -r -t 60 display <&"${XSERVER[0]}" || fail "Xvfb did not start"

# The session bus, as a desktop has one.
bus_address=unix:path=$work/runtime/bus
if command -v dbus-daemon >/dev/null; then
    : >"$work/bus-ready"
    dbus-daemon --session --nofork --nopidfile --address="$bus_address" --print-address=3 \
        3>"$work/bus-ready" 2>"$work/bus-errors" &
    bus=$!
    exec {ready}< <(tail -n +1 -f "$work/bus-ready" --pid=$bus)
    read -r -t 60 _ <&"$ready" || fail "the session bus did not start"
    exec {ready}<&-
fi

# The game runs until it waits for the human's first card: by then the dealer was
# chosen by itself, a deck shuffled and saved, the match kept in the data folder,
# and the sound board started.
events=$work/events
: >"$events"  # there before the game starts, for the reader below
: >"$work/errors"
env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" \
    DBUS_SESSION_BUS_ADDRESS="$bus_address" DISPLAY=":$display" QT_QPA_PLATFORM=xcb \
    SDL_AUDIODRIVER=dummy MORVELLO_PRINT_EVENTS=1 MORVELLO_AUTODRAW=1 MORVELLO_DELAY_SCALE=0 \
    "$program" --language it >"$events" 2>"$work/errors" &
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
[ "$music_menu" = "$music" ] || fail "Music menu: '$music_menu'"
! grep -E "cannot open the sound effects|no songs|no sound|cannot read|no catalogue" "$work/errors" ||
    fail "the installed game misses its files"

config=$work/config/Morvello/config.qvr
[ -f "$config" ] || fail "config.qvr is not in the user's configuration folder"
[ "$(wc -l <"$config")" -eq 50 ] || fail "config.qvr has $(wc -l <"$config") lines"
[ -f "$work/data/Morvello/unfinished-match.record" ] ||
    fail "the match under way is not kept in the user's data folder"
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the game wrote under its prefix"
[ -z "$(find "$work/home" -mindepth 1 -print -quit)" ] || fail "the game wrote into HOME: $(find "$work/home")"
echo "installed game ($mode): songs and effects found, config.qvr in the user's folder"
