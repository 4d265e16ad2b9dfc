#!/usr/bin/env bash
# Checks the maker's export names on both sides of the link: KeyRelay.dll exports exactly the two
# decorated names, and Popbar.exe imports exactly those two from KeyRelay.dll.
# Usage: check_maker_names.sh OBJDUMP KeyRelay.dll Popbar.exe x86|x64
set -euo pipefail
objdump=$1 dll=$2 exe=$3 arch=$4
case $arch in
    x86) hwnd=PAU ;;
    x64) hwnd=PEAU ;;
    *) echo "unknown architecture $arch" >&2; exit 2 ;;
esac
expected=$(printf '%s\n' "?KbdHkSetHookOwner@@YAH${hwnd}HWND__@@I@Z" '?KbdHkSetUnhook@@YAHXZ' | sort)

# The export table's name list: the lines after "[Ordinal/Name Pointer] Table" up to a blank line.
exports=$("$objdump" -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/ {on=1; next} on && NF==0 {on=0} on {print $NF}' | sort)
# The import table's entries under "DLL Name: KeyRelay.dll", up to the next blank line.
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {on = ($3 == "KeyRelay.dll"); next} on && /Hint\/Ord/ {next} on && NF==0 {on=0} on {print $NF}' | sort)

status=0
if [ "$exports" != "$expected" ]; then
    printf 'KeyRelay.dll exports:\n%s\nexpected:\n%s\n' "$exports" "$expected" >&2
    status=1
fi
if [ "$imports" != "$expected" ]; then
    printf 'Popbar.exe imports from KeyRelay.dll:\n%s\nexpected:\n%s\n' "$imports" "$expected" >&2
    status=1
fi
[ $status -eq 0 ] && echo "KeyRelay.dll and Popbar.exe ($arch): the maker's two names, and no others"
exit $status
