#!/usr/bin/env bash
# The package as a laptop gets it: msiexec installs, upgrades and removes it with /qn in a Wine prefix
# of its own, made afresh for each run (the other scenarios keep the tree that cmake --install lays out
# in theirs), with the maker's companions laid out beside it, someone else's Run value and the setup
# list beside Stagehand. Checked each time: the files against the package's, the Run value "Popbar",
# the installed-programs entries, what remains, and Popbar started from the installed tree.
#   package_scenarios.sh SOURCE_DIR BUILD_DIR PACKAGES_DIR WINDOWS_PROGRAM_FILES
# WINDOWS_PROGRAM_FILES: the programs' Program Files folder as Windows names it (C:\Program Files, or
# C:\Program Files (x86) for the 32-bit programs under WoW64).
set -euo pipefail
root=$1 build=$2 packages=$3 windows_program_files=$4
DRIVER=$build/tests/driver/driver.exe
session=$build/package-wine
work=$(mktemp -d)
"$root/tests/harness/session" stop "$session"
rm -rf "$session/prefix"
trap '"$root/tests/harness/session" stop "$session"; rm -rf "$work"' EXIT
"$root/tests/harness/session" start "$session"
# shellcheck disable=SC1091
. "$session/env"

program_files="$WINEPREFIX/drive_c/${windows_program_files#C:\\}"
corvale="$program_files/CORVALE"
popbar_path="$windows_program_files\\CORVALE\\Popbar\\Popbar.exe"
version=$(sed -n 's/^#define CORVALE_VERSION_STR *"\(.*\)"/\1/p' "$root/resources/version.rc.inc")
# Each package's programs, in WORK/PACKAGE/CORVALE (msiextract puts a 64-bit package's Program Files
# folder at the top).
for package in Corvale Corvale-0.0.1; do
    msiextract -C "$work/$package.msi" "$packages/$package.msi" >/dev/null
    mv "$(find "$work/$package.msi" -type d -name CORVALE)" "$work/$package"
done

# shellcheck source=tests/harness/checks.sh
. "$root/tests/harness/checks.sh"
# The registry view of the package's programs.
view=64
[ "$windows_program_files" = 'C:\Program Files' ] || view=32
value_of() { run_value "$1" "$view"; }
entries() { package_entries "$view"; }
# What lies in the package's folders, and in the companions' (FOLDER...: under Program Files).
tree() { (cd "$program_files" && find "$@" 2>/dev/null | sort | tr '\n' ' ' | sed 's/ $//'); }
ours() { tree CORVALE/Popbar CORVALE/Stagehand CORVALE/Bootlist; }
theirs() { tree "CORVALE/Swift Screen Hub" CORVALE/Tools "Microsoft Touch Pack"; }
# "same" when the installed programs are byte for byte those of PACKAGE, else the ones that differ.
files_of() { files_same "$work/$1" "$corvale"; }
pending_renames() { wine_out reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations; }
# Processes of this prefix (other prefixes on the machine run the same programs) whose command line
# is PATTERN.
prefix_processes() { # PATTERN
    local id
    for id in $(pgrep -f -x "$1"); do
        tr '\0' '\n' <"/proc/$id/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && printf '%s ' "$id"
    done | sed 's/ $//'
}
popbar_ids() { prefix_processes "$(sed 's/[][\\.()*^$+?{}|]/\\&/g' <<<"$popbar_path")"; }
# The resident Popbar: the first started (a second one ends at once, as the menu window is there).
popbar_id() {
    local ids
    ids=$(popbar_ids)
    [ -n "$ids" ] && ps -o pid= --sort=start_time -p "${ids// /,}" | head -1 | tr -d ' '
}
# Log-on: Windows starts the Run value's command line; Popbar is ready once its menu window is.
log_on() {
    local command
    command=$(value_of Popbar)
    command=${command#\"}
    ("$CORVALE_WINE" "${command%\"}" </dev/null >/dev/null 2>&1 &)
    wine_out "$DRIVER" wait-menu-ready
}
# A restart: the programs end, and Windows carries out the file operations left for it.
restart() {
    local id
    for id in $(popbar_ids); do kill "$id"; done
    for _ in $(seq 300); do [ -z "$(popbar_ids)" ] && break; sleep 0.1; done
    wine_out wineboot -r >/dev/null
}

# The laptop before the package: the maker's companions, and a Run value that is not ours.
cmake --install "$build" --component companions --prefix "$program_files" >/dev/null
wine_out reg add "$run_key" /v Tasks /d 'C:\Tasks\tasks.exe' /f "/reg:$view" >/dev/null
companions=$(theirs)

echo "-- installing version 0.0.1"
expect "installed" "$(msiexec /i "$(windows_path "$packages/Corvale-0.0.1.msi")" /qn)" "exit 0"
expect "its files" "$(files_of Corvale-0.0.1)" same
expect "the Run value starts the installed Popbar" "$(value_of Popbar)" "\"$popbar_path\""
expect "one entry" "$(entries)" "Corvale Laptop Programs 0.0.1"

echo "-- upgrading to $version while Popbar runs"
# An older build's KeyRelay.dll and Stagehand.exe differ from the new ones.
printf 'an older build' >>"$corvale/Popbar/KeyRelay.dll"
printf 'an older build' >>"$corvale/Stagehand/Stagehand.exe"
cp "$corvale/Popbar/KeyRelay.dll" "$work/older-KeyRelay.dll"
expect "Popbar runs" "$(log_on)" "menu ready"
running=$(popbar_id)
expect "upgraded; Popbar's files wait for a restart" \
    "$(msiexec /i "$(windows_path "$packages/Corvale.msi")" /qn)" "exit 3010"
expect "one entry, of the new version" "$(entries)" "Corvale Laptop Programs $version"
expect "the Run value is intact" "$(value_of Popbar)" "\"$popbar_path\""
expect "the old Popbar runs on" "$(popbar_id)" "$running"
expect "the files not in use are the new ones" "$(cmp -s "$work/Corvale/Stagehand/Stagehand.exe" "$corvale/Stagehand/Stagehand.exe" && echo new || echo old)" new
expect "KeyRelay.dll in use is left as it was" "$(cmp -s "$work/older-KeyRelay.dll" "$corvale/Popbar/KeyRelay.dll" && echo old || echo changed)" old
expect "its replacement waits for the restart" \
    "$(pending_renames | grep -c 'CORVALE\\Popbar\\KeyRelay.dll')" 1
restart
expect "after a restart, all files are the new ones" "$(files_of Corvale)" same
expect "and nothing else is left beside them" "$(tree CORVALE/Popbar)" \
    "CORVALE/Popbar CORVALE/Popbar/KeyRelay.dll CORVALE/Popbar/Popbar.exe CORVALE/Popbar/resource.dll"
expect "log-on starts the installed Popbar from the Run value" "$(log_on)" "menu ready"
expect "and it opens its menu" "$(wine_out "$DRIVER" open-menu)" "menu open"

echo "-- installing version 0.0.1 over $version"
newer="A newer version of Corvale Laptop Programs is already installed. Remove it before installing this older version."
expect "refused, with the reason" "$(msiexec /i "$(windows_path "$packages/Corvale-0.0.1.msi")")" "box Install Failed|$newer exit 1603"
expect "refused without a user interface" "$(msiexec /i "$(windows_path "$packages/Corvale-0.0.1.msi")" /qn)" "exit 1603"
expect "the newer entry stays alone" "$(entries)" "Corvale Laptop Programs $version"
expect "the newer files stay" "$(files_of Corvale)" same

echo "-- removing $version while Popbar runs"
cp "$root/stagehand/examples/stagehand.ini" "$corvale/Stagehand/stagehand.ini"
running=$(popbar_id)
expect "removed" "$(msiexec /x "$(windows_path "$packages/Corvale.msi")" /qn)" "exit 0"
expect "no entry" "$(entries)" ""
expect "no Run value \"Popbar\"" "$(value_of Popbar)" ""
expect "the other Run value stays" "$(value_of Tasks)" 'C:\Tasks\tasks.exe'
expect "Popbar runs on until the user leaves" "$(popbar_id)" "$running"
# Wine's msiexec leaves files in use where they are, without scheduling their removal at restart.
expect "only Popbar's files in use and the setup list are left" "$(ours)" \
    "CORVALE/Popbar CORVALE/Popbar/KeyRelay.dll CORVALE/Popbar/Popbar.exe CORVALE/Popbar/resource.dll CORVALE/Stagehand CORVALE/Stagehand/stagehand.ini"
expect "the companions stay" "$(theirs)" "$companions"
restart

echo "-- installing $version over what the last removal left, and removing it"
expect "installed" "$(msiexec /i "$(windows_path "$packages/Corvale.msi")" /qn)" "exit 0"
expect "its files" "$(files_of Corvale)" same
expect "removed" "$(msiexec /x "$(windows_path "$packages/Corvale.msi")" /qn)" "exit 0"
expect "every file and folder it installed is gone" "$(ours)" "CORVALE/Stagehand CORVALE/Stagehand/stagehand.ini"
expect "the companions stay" "$(theirs)" "$companions"
expect "no Run value \"Popbar\"" "$(value_of Popbar)" ""
expect "the other Run value stays" "$(value_of Tasks)" 'C:\Tasks\tasks.exe'
expect "no entry" "$(entries)" ""

checks_summary
