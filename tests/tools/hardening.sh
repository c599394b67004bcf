#!/bin/sh
# Usage: hardening.sh BINARY [REASON-TO-SKIP]
#
# Fails unless hardening-check finds every protection cmake/Hardening.cmake
# asks for in BINARY. With a reason, says it and exits 77, which CTest counts
# as skipped.
set -u
binary=$1

if [ -n "${2:-}" ]; then
    echo "skipped: $2"
    exit 77
fi
if ! command -v hardening-check >/dev/null; then
    echo "FAIL: hardening-check is missing (scripts/install-deps installs devscripts)"
    exit 1
fi

# Control-flow protection is not asked for: the Qt libraries we load lack it,
# and the kernel enables it only when every loaded object has it.
report=$(hardening-check --nocfprotection "$binary")
status=$?
printf '%s\n' "$report"

# Each must say "yes": hardening-check lets "unknown" pass, which for Fortify
# Source would mean no checked libc call was found at all.
failed=0
for feature in "Position Independent Executable" "Stack protected" \
        "Fortify Source functions" "Read-only relocations" "Immediate binding"; do
    if ! printf '%s\n' "$report" | grep -q "^ $feature: yes"; then
        echo "FAIL: $feature"
        failed=1
    fi
done
[ "$status" -eq 0 ] || { echo "FAIL: hardening-check exited with $status"; failed=1; }
exit "$failed"
