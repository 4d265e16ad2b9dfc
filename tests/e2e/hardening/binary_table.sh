#!/usr/bin/env bash
# Every shipped binary of the given builds, as their packages carry them (signed, in BUILD/package/stage,
# which scripts/package lays out), against the platform's rules: prints one row a binary and fails on
# any rule broken (tests/e2e/hardening/binary_rules.cpp says which).
#   binary_table.sh SOURCE_DIR TEST_BUILD BUILD...
set -euo pipefail
root=$1 test_build=$2
shift 2
version=$(sed -n 's/^#define CORVALE_VERSION_STR *"\(.*\)"/\1/p' "$root/resources/version.rc.inc")
session=$test_build/wine
"$root/tests/harness/session" start "$session"
# shellcheck disable=SC1091
. "$session/env"
files=()
for build in "$@"; do
    [ -d "$build/package/stage" ] || { echo "binary_table: $build/package/stage is missing: run scripts/package --build $build" >&2; exit 1; }
    while IFS= read -r -d '' file; do
        files+=("$(windows_path "$file")")
    done < <(find "$build/package/stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)
done
echo "The shipped binaries against the platform's rules:"
"$CORVALE_WINE" "$test_build/tests/e2e/binary_rules.exe" "$version" "${files[@]}" </dev/null | tr -d '\r'
