#!/bin/sh
# Usage: valgrind_check.sh VERDICT SOURCE_DIR REPORT.xml [SUPPRESSIONS] -- PROGRAM [ARGUMENT...]
#
# Runs PROGRAM under valgrind's memcheck and fails when the program fails, or
# when valgrind reports a definite leak or a memory error with a frame in a
# source file under SOURCE_DIR (VERDICT, valgrind_verdict, decides that from
# the XML report, which is kept in REPORT.xml).
set -u
verdict=$1
source_dir=$2
report=$3
shift 3
suppressions=""
if [ "${1:-}" != -- ]; then
    suppressions="--suppressions=$1"
    shift
fi
[ "${1:-}" = -- ] || { echo "usage: see $0" >&2; exit 2; }
shift

if ! command -v valgrind >/dev/null; then
    echo "FAIL: valgrind is missing (scripts/install-deps installs it)"
    exit 1
fi

# Any error makes valgrind exit with 99, whoever is to blame; the verdict
# sorts them. The program's own failures keep their status.
rm -f "$report"
# shellcheck disable=SC2086
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=50 \
    --xml=yes --xml-file="$report" $suppressions "$@"
status=$?

"$verdict" "$report" "$source_dir"
verdict_status=$?

if [ "$status" -ne 0 ] && [ "$status" -ne 99 ]; then
    echo "FAIL: '$*' exited with $status under valgrind"
    exit 1
fi
[ "$verdict_status" -eq 0 ] || echo "FAIL: see above; valgrind's full report: $report"
exit "$verdict_status"
