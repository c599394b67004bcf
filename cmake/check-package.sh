#!/bin/sh
# Builds the Debian package into a scratch directory and checks it: the exact
# list of files it ships, all under /usr, its control fields, and that its
# dependencies name the libraries and fonts the program needs at run time.
#
# usage: check-package.sh CPACK BUILD_DIR VERSION
set -eu

[ $# -eq 3 ] || { echo "usage: $0 CPACK BUILD_DIR VERSION" >&2; exit 2; }
cpack=$1 build=$2 version=$3

out=$(mktemp -d "${TMPDIR:-/tmp}/tinct-package.XXXXXX")
trap 'rm -rf "$out"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "FAIL: cpack -G DEB did not succeed" >&2
    exit 1
fi

arch=$(dpkg --print-architecture)
deb=$out/tinct_${version}_$arch.deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb") was made; $out has:" >&2
    ls "$out" >&2
    exit 1
fi

expected="./usr/bin/tinct
./usr/share/applications/org.tinct.Tinct.desktop
./usr/share/doc/tinct/changelog.gz
./usr/share/doc/tinct/copyright
./usr/share/icons/hicolor/scalable/apps/org.tinct.Tinct.svg
./usr/share/man/man1/tinct.1.gz
./usr/share/metainfo/org.tinct.Tinct.metainfo.xml"
# Directories are left out: only where the files are matters.
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)

while read -r f; do
    printf '%s\n' "$actual" | grep -qxF -- "$f" || fail "not in the package: $f"
done <<LIST
$expected
LIST
while read -r f; do
    [ -z "$f" ] || printf '%s\n' "$expected" | grep -qxF -- "$f" ||
        fail "in the package but not expected: $f"
done <<LIST
$actual
LIST
outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "the package puts files outside /usr: $outside"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tinct ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"

# dpkg-shlibdeps must have found the libraries the program links to; the
# fonts are asked for by name at run time and must be listed by hand.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | grep -qxF "$package" ||
        fail "Depends lacks $package: $depends"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; the package holds:" >&2
    printf '%s\n' "$actual" | sed 's/^/  /' >&2
    exit 1
fi
echo "$(basename "$deb") holds the expected $(printf '%s\n' "$expected" | wc -l) files; Depends: $depends"
