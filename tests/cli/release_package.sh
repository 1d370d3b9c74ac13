#!/usr/bin/env bash
# caelor-cli as a Linux user gets it: the Debian package built from this tree
# shows its files and dependencies, and unpacked under a root of its own it
# runs from there, with its data files, printing what the build tree's
# caelor-cli prints; `make install DESTDIR=... PREFIX=...` gives a program
# that does the same. Neither copy has data files beside it, so both must find
# the installed ones.
# usage: release_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$(cd "$2" && pwd)
work=$build/release-package
rm -rf "$work"
mkdir -p "$work"
version=$(sed -n 's/^CAELOR_VERSION=//p' "$src/VERSION")

fail() {
    echo "FAIL: $*"
    exit 1
}

# The same answers as the build tree's program: --version, a report at the
# default place, one at a place of the city list, and a planetarium frame
# drawn from the star catalogue.
same_as_build() { # NAME PROGRAM
    local name=$1 cli=$2 out=$work/$1
    mkdir -p "$out"
    [ "$("$cli" --version)" = "caelor-cli (Skyloom 2) $version" ] ||
        fail "$name: --version says '$("$cli" --version)'"
    local args
    for args in "report seasons --years 2026-2026" "report seasons --years 2026-2026 --place Paris"; do
        # shellcheck disable=SC2086
        "$build/caelor-cli" $args >"$out/expected.txt"
        # shellcheck disable=SC2086
        "$cli" $args >"$out/actual.txt" 2>"$out/actual.err" || {
            cat "$out/actual.err"
            fail "$name: caelor-cli $args failed"
        }
        cmp "$out/expected.txt" "$out/actual.txt" || fail "$name: caelor-cli $args differs"
    done
    "$cli" movie planetarium --start 2026-03-20T21:00 --place Paris --frames 1 -o "$out/frames/" \
        >/dev/null 2>"$out/movie.err" || {
        cat "$out/movie.err"
        fail "$name: no planetarium frame"
    }
    [ -s "$out/frames/frame-0001.png" ] || fail "$name: the planetarium frame is missing"
    echo "$name: $cli --version, seasons at Greenwich and at Paris, a planetarium frame: as the build's"
}

# The package: its control data and files.
deb=$("$src/packaging/debian/make-deb" "$build" "$work")
[ "$(basename "$deb")" = "caelor-cli_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package is named $(basename "$deb")"
dpkg-deb --info "$deb" >"$work/info.txt"
dpkg-deb --contents "$deb" >"$work/contents.txt"
grep -qx " Package: caelor-cli" "$work/info.txt" || fail "the package is not caelor-cli"
grep -qx " Version: $version" "$work/info.txt" || fail "the package's version is not $version"
grep -q "^ Depends: .*libcairo2 (>= " "$work/info.txt" || fail "the package does not depend on Cairo"
for f in ./usr/bin/caelor-cli ./usr/share/caelor/CITIES.DAT ./usr/share/caelor/STARS.DAT; do
    awk '{ print $6 }' "$work/contents.txt" | grep -qx "$f" || fail "the package lacks $f"
done
grep "Depends:" "$work/info.txt"
echo "$(basename "$deb"): $(awk '{ print $6 }' "$work/contents.txt" | grep -vc '/$') files"

dpkg-deb -x "$deb" "$work/root"
same_as_build "unpacked package" "$work/root/usr/bin/caelor-cli"

# What `make install` does, for this tree, staged.
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$src" --no-print-directory install \
    NATIVE="$build" PREFIX=/opt/skyloom DESTDIR="$work/staged" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    fail "make install failed"
}
for f in bin/caelor-cli share/caelor/CITIES.DAT share/caelor/STARS.DAT; do
    [ -f "$work/staged/opt/skyloom/$f" ] || fail "make install did not install $f"
done
same_as_build "make install" "$work/staged/opt/skyloom/bin/caelor-cli"
echo "PASS"
