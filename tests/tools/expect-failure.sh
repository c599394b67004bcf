#!/bin/sh
# Usage: expect-failure.sh PATTERN... -- COMMAND [ARGUMENT...]
#
# Passes when COMMAND fails (a non-zero status, or death by a signal) and its
# output, stdout and stderr together, matches every extended regular
# expression PATTERN. Shows that a checker catches a fault planted on purpose,
# and catches it for the right reason.
set -u

patterns=""
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    patterns="$patterns
$1"
    shift
done
[ $# -gt 1 ] || { echo "usage: $0 PATTERN... -- COMMAND [ARGUMENT...]" >&2; exit 2; }
shift

command="$*"
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"

if [ "$status" -eq 0 ]; then
    echo "FAIL: '$command' succeeded; the fault went unnoticed"
    exit 1
fi
failed=0
# Split the patterns on newlines only.
old_ifs=$IFS
IFS='
'
for pattern in $patterns; do
    if ! printf '%s\n' "$output" | grep -Eq -- "$pattern"; then
        echo "FAIL: '$command' failed (status $status) but its output lacks /$pattern/"
        failed=1
    fi
done
IFS=$old_ifs
[ "$failed" -eq 0 ] && echo "ok: '$command' failed (status $status) as expected"
exit "$failed"
