#!/bin/sh
# Installs the built project into a scratch prefix and checks the result: the
# exact list of installed files, that the program is executable, that the
# installed desktop entry and metainfo are valid and that they point at the
# installed icon, binary and each other.
#
# usage: check-install.sh CMAKE BUILD_DIR BINDIR DATADIR MANDIR
# (the last three relative to the prefix, as GNUInstallDirs gives them)
set -eu

[ $# -eq 5 ] || { echo "usage: $0 CMAKE BUILD_DIR BINDIR DATADIR MANDIR" >&2; exit 2; }
cmake=$1 build=$2 bindir=$3 datadir=$4 mandir=$5

app_id=org.tinct.Tinct
desktop=$datadir/applications/$app_id.desktop
metainfo=$datadir/metainfo/$app_id.metainfo.xml
icon=$datadir/icons/hicolor/scalable/apps/$app_id.svg

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tinct-install.XXXXXX")
log=$prefix.log
trap 'rm -rf "$prefix" "$log"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A DESTDIR from the caller's environment would send the files elsewhere.
unset DESTDIR
if ! "$cmake" --install "$build" --prefix "$prefix" >"$log" 2>&1; then
    cat "$log" >&2
    echo "FAIL: cmake --install $build did not succeed" >&2
    exit 1
fi

expected=$(printf '%s\n' "$bindir/tinct" "$desktop" "$metainfo" "$icon" \
    "$mandir/man1/tinct.1" | LC_ALL=C sort)
actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)

while read -r f; do
    printf '%s\n' "$actual" | grep -qxF -- "$f" || fail "not installed: $f"
done <<LIST
$expected
LIST
while read -r f; do
    [ -z "$f" ] || printf '%s\n' "$expected" | grep -qxF -- "$f" ||
        fail "installed but not expected: $f"
done <<LIST
$actual
LIST

[ -x "$prefix/$bindir/tinct" ] || fail "$bindir/tinct is not an executable file"

if [ -f "$prefix/$desktop" ]; then
    if ! report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || [ -n "$report" ]; then
        printf '%s\n' "$report" >&2
        fail "desktop-file-validate finds fault with the installed $desktop"
    fi

    # The menu shows the icon and runs the command named here: both must be
    # what was installed.
    icon_name=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
    if [ "$icon_name" != "$app_id" ] || [ ! -f "$prefix/$icon" ]; then
        fail "the desktop entry's Icon=$icon_name names no installed icon"
    fi
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/$desktop")
    if [ -z "$exec_name" ] || [ ! -x "$prefix/$bindir/$exec_name" ]; then
        fail "the desktop entry's Exec=$exec_name names no installed program"
    fi
fi

if [ -f "$prefix/$metainfo" ]; then
    # validate-tree also checks that the launchable desktop entry is there.
    # Its pedantic note on the capitals in the id is all it may say.
    if ! report=$(appstreamcli validate-tree --no-net --strict "$prefix" 2>&1) ||
        printf '%s\n' "$report" | grep -qE '^ *[EWI]: '; then
        printf '%s\n' "$report" >&2
        fail "appstreamcli finds fault with the installed metainfo"
    fi
    binary=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$prefix/$metainfo")
    if [ -z "$binary" ] || [ ! -x "$prefix/$bindir/$binary" ]; then
        fail "the metainfo provides binary '$binary', which is not installed"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; installed files were:" >&2
    printf '%s\n' "$actual" | sed 's/^/  /' >&2
    exit 1
fi
echo "installed as expected: $(printf '%s\n' "$expected" | wc -l) files, all valid"
