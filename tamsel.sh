#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sets up a Debian 12 machine for Tamsel2, builds it and then
#   ./tamsel.sh run    starts the program
#   ./tamsel.sh test   runs every test (developer build, then the sanitizer build),
#                      then fuzzes the exercise logic for about a minute per target,
#                      then builds, installs, starts and removes the Debian package
# Installs only the Debian packages that are missing (as root, or through sudo).
set -eu
cd "$(dirname "$0")"

BUILD_PACKAGES="g++ make cmake pkg-config libgtest-dev libgmock-dev librapidcheck-dev qt6-base-dev libgl-dev fonts-liberation2"
# libbenchmark-dev and libxcb-damage0-dev are for bench/run.sh, which the test
# command does not run; with them a tested machine can also take the figures.
TEST_PACKAGES="xvfb xauth valgrind libbenchmark-dev libxcb-damage0-dev"
PACKAGE_PACKAGES="dpkg-dev file lintian desktop-file-utils appstream appstream-compose x11-utils"
FUZZ_PACKAGES="clang-14 libclang-rt-14-dev"
# tests/a11y: the screen reader Orca listens to the real program on a private
# desktop (openbox, a D-Bus session and its accessibility bus), driven by keys.
A11Y_PACKAGES="orca openbox at-spi2-core python3-pyatspi xdotool dbus-daemon dbus-bin procps x11-utils"

missing_packages() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            printf '%s ' "$package"
    done
}

install_missing() {
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
}

jobs=$(nproc 2>/dev/null || echo 2)

# build PRESET [TARGET]: configures and builds everything, or just TARGET.
build() {
    cmake --preset "$1"
    cmake --build --preset "$1" -j "$jobs" ${2:+--target "$2"}
}

case "${1:-}" in
run)
    install_missing $BUILD_PACKAGES
    build release tamsel2
    exec ./build/release/app/tamsel2
    ;;
test)
    install_missing $BUILD_PACKAGES $TEST_PACKAGES $FUZZ_PACKAGES $PACKAGE_PACKAGES $A11Y_PACKAGES
    build dev
    ctest --preset dev -j "$jobs"
    build asan
    ctest --preset asan -j "$jobs"
    TAMSEL_FUZZ_JOBS="$jobs" tests/fuzz/run.sh
    tests/package/run.sh
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
