#!/usr/bin/env bash
# Installs the Debian 12 packages Morvello needs. Does nothing when they are all
# there already.
#
#   tools/install-deps.sh --game   building and running the game (./run.sh)
#   tools/install-deps.sh          everything: also the tests, benchmarks, fuzzer,
#                                  package and validators (./test.sh)
set -euo pipefail

game=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev qt6-websockets-dev libqt6sql6-sqlite
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libsdl2-mixer-dev timgm6mb-soundfont
    scdoc
)
# dbus-x11: the installed game is tested as on a desktop that starts a session bus on demand.
# at-spi2-core, python3-pyatspi: the game is heard through a real accessibility bus.
# locales: the it_IT.UTF-8 locale, under which a match is played in Italian.
# openssl, nginx: the server is played over TLS, and behind a proxy (the test runs
# a private nginx of its own; Debian also starts its nginx service on install,
# which `sudo systemctl disable --now nginx` stops).
tests=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth imagemagick dbus-x11 at-spi2-core python3-pyatspi
    dpkg-dev file lintian desktop-file-utils appstream man-db locales
    openssl nginx
)

case "${1:-}" in
--game) packages=("${game[@]}") ;;
"") packages=("${game[@]}" "${tests[@]}") ;;
*)
    echo "usage: tools/install-deps.sh [--game]" >&2
    exit 2
    ;;
esac

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests play a match under the Italian locale.
if [ -z "${1:-}" ] && ! locale -a 2>/dev/null | grep -qix 'it_IT.utf8'; then
    echo "Generating the it_IT.UTF-8 locale"
    $sudo sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
