#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package in its own release build and checks it the way a
# classroom machine will meet it:
#   1. the staged install holds every file, and the desktop entry and the
#      AppStream metadata pass their validators;
#   2. lintian finds neither errors nor warnings in the package;
#   3. the package installs with its dependencies, the installed program
#      starts on the offscreen platform and shows its main window on an X
#      server, and removing the package takes the program away again.
# Step 3 installs on this machine, so it needs root or sudo.
#
# Needs: lintian desktop-file-utils appstream appstream-compose dpkg-dev file
#        xvfb xauth x11-utils (tamsel.sh installs them).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
build=${TAMSEL_PACKAGE_BUILD_DIR:-$src/build/pkg}
app_id=io.github.tamsel2.Tamsel2
package=tamsel2
jobs=$(nproc 2>/dev/null || echo 2)
as_root=""
[ "$(id -u)" -ne 0 ] && as_root="sudo"

step() { printf '\n== %s\n' "$*"; }
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

# --- Build -----------------------------------------------------------------

step "Release build with the Debian build flags"
# The flags of dpkg-buildflags carry the hardening (fortify, stack protector,
# relro, bindnow) that lintian checks for. dpkg-buildflags maps the current
# directory away in debug paths, so run it from the source tree.
cd "$src"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DTAMSEL_BUILD_TESTS=OFF -DTAMSEL_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j "$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
debian_version="$version-1"

# --- Staged install ----------------------------------------------------------

step "Staged install into a DESTDIR"
stage="$build/stage"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr
usr="$stage/usr"
for file in \
    bin/tamsel2 \
    share/applications/$app_id.desktop \
    share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/32x32/apps/$app_id.png \
    share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/tamsel2.1.gz \
    share/man/de/man1/tamsel2.1.gz \
    share/doc/$package/copyright \
    share/doc/$package/changelog.Debian.gz; do
    [ -f "$usr/$file" ] || fail "the install lacks /usr/$file"
done
[ -x "$usr/bin/tamsel2" ] || fail "/usr/bin/tamsel2 is not executable"
file -b "$usr/share/icons/hicolor/32x32/apps/$app_id.png" | grep -q '^PNG image data, 32 x 32' ||
    fail "the 32x32 icon is not a 32 x 32 PNG"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata does not name the release $version"
zcat "$usr/share/doc/$package/changelog.Debian.gz" | head -n 1 | grep -q "^$package ($debian_version) " ||
    fail "the Debian changelog does not start with version $debian_version"

step "desktop-file-validate"
# It prints hints and warnings but exits 0 for them; any output fails here.
report=$(desktop-file-validate "$usr/share/applications/$app_id.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
echo "no findings"

step "appstreamcli validate"
# --strict fails on warnings and infos too; only pedantic hints pass (the
# upper-case letter in the id, which the reverse-DNS convention wants).
appstreamcli validate --strict --no-net "$usr/share/metainfo/$app_id.metainfo.xml"
# The tree check also sees that the desktop entry the metadata launches exists.
appstreamcli validate-tree --strict --no-net "$usr"

step "AppStream catalogue as a software centre builds it"
# The compose step is what turns installed metadata into a software centre's
# catalogue; it must accept the component and render its icon.
catalogue="$build/catalogue"
rm -rf "$catalogue"
appstreamcli compose --no-net --origin "$package" --result-root="$catalogue" "$stage"
zcat "$catalogue/usr/share/swcatalog/xml/$package.xml.gz" | grep -q "<id>$app_id</id>" ||
    fail "the catalogue lacks $app_id"
for size in 48x48 64x64 128x128; do
    [ -f "$catalogue/usr/share/swcatalog/icons/$package/$size/$app_id.png" ] ||
        fail "the catalogue has no $size icon"
done
echo "component and icons in the catalogue"

# --- Package -----------------------------------------------------------------

step "cpack -G DEB"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB)
deb="$build/packages/${package}_${debian_version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$debian_version" ] || fail "Version is $(field Version)"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
field Maintainer | grep -q '^[^<]* <[^>]*@[^>]*>$' || fail "Maintainer is '$(field Maintainer)'"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt widgets library: $(field Depends)"
field Recommends | grep -q 'fonts-liberation2' || fail "Recommends lacks the window font: $(field Recommends)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the Description has no long part"
dpkg-deb -f "$deb" Package Version Section Depends Recommends

step "lintian"
# Overridden tags are not shown: with --show-overrides, --fail-on counts them.
# The overrides and why are in packaging/debian/lintian-overrides.
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "no errors, no warnings"

# --- Install, start, remove ----------------------------------------------------

installed() {
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'ok installed$'
}

# Another apt or dpkg run (an unattended upgrade, a second shell) may hold the
# package database for a while; wait up to two minutes for it.
as_root_waiting_for_dpkg() {
    err=$(mktemp)
    tries=60
    until $as_root "$@" 2>"$err"; do
        if grep -q 'lock' "$err" && [ "$tries" -gt 0 ]; then
            tries=$((tries - 1))
            sleep 2
        else
            cat "$err" >&2
            rm -f "$err"
            return 1
        fi
    done
    cat "$err" >&2
    rm -f "$err"
}

cleanup() {
    if installed; then
        as_root_waiting_for_dpkg dpkg -r "$package" >/dev/null 2>&1 || true
    fi
}

step "Install the package"
if installed; then
    echo "$package is installed already; it is replaced by this build and removed at the end"
    as_root_waiting_for_dpkg dpkg -r "$package"
fi
trap cleanup EXIT
# apt-get pulls the dependencies that dpkg -i would only complain about.
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=120 "$deb"
installed || fail "$package is not installed"
[ -x /usr/bin/tamsel2 ] || fail "/usr/bin/tamsel2 is missing after the install"
[ -f "/usr/share/applications/$app_id.desktop" ] || fail "the desktop entry is missing"

step "Start on the offscreen platform"
log="$build/offscreen.log"
QT_QPA_PLATFORM=offscreen /usr/bin/tamsel2 >"$log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    cat "$log"
    fail "the program ended by itself after less than 3 s, status $status"
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
# 143 = ended by SIGTERM, the default for a process that does not catch it.
[ "$status" -eq 143 ] || [ "$status" -eq 0 ] || {
    cat "$log"
    fail "the program did not end cleanly on SIGTERM, status $status"
}
echo "ran for 3 s and ended on SIGTERM (status $status)"

step "Main window on an X server"
# The offscreen platform cannot be looked at from outside, so the window
# itself is checked on a virtual X server.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    sh "$here/window-check.sh" /usr/bin/tamsel2 Tamsel2

step "Remove the package"
as_root_waiting_for_dpkg dpkg -r "$package"
trap - EXIT
! installed || fail "$package is still installed"
[ ! -e /usr/bin/tamsel2 ] || fail "/usr/bin/tamsel2 is still there"
[ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the desktop entry is still there"
[ ! -e "/usr/share/doc/$package" ] || fail "/usr/share/doc/$package is still there"
echo "gone"

printf '\nPackage test passed: %s\n' "$(basename "$deb")"
