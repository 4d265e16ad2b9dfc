#!/usr/bin/env bash
# Bootlist started the way Windows starts programs at log-on, after the machine's programs-folder
# setting changed: a process started that way builds its ProgramFiles variable from the setting
# (a program started by another one inherits the variable instead, so this runs from the shell).
#   programs_folder_setting.sh DRIVER_EXE BOOTLIST_WINDOWS_PATH SETTING_NAME
set -euo pipefail
driver=$1 bootlist=$2 setting=$3
# shellcheck disable=SC1091
. "${CORVALE_SESSION_DIR:?}/env"

key='HKLM\Software\Microsoft\Windows\CurrentVersion'
run_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
reg() { "$CORVALE_WINE" reg "$@" 2>/dev/null | tr -d '\r'; }
value_of() { reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }

saved=$(value_of "$key" "$setting")
restore() {
    reg add "$key" /v "$setting" /d "$saved" /f >/dev/null
    reg delete "$run_key" /v Popbar /f >/dev/null || true
}
trap restore EXIT

checks=0 failures=0
expect() { # expect WHAT ACTUAL EXPECTED
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], expected [$3]"; failures=$((failures + 1)); fi
}

# Popbar's path is the programs folder and 26 characters more; the folder that makes it N long.
folder_for_path() { printf 'C:\\%s' "$(printf 'x%.0s' $(seq $(($1 - 26 - 3))))"; }
quoted_path_in() { printf '"%s\\CORVALE\\Popbar\\Popbar.exe"' "$1"; }
refused=$(printf 'box Bootlist|Could not set the starter file.\nexit 1')

# row WHAT SETTING OUTPUT VALUE: Bootlist run with the setting (empty: none at all) prints OUTPUT
# (its message boxes and exit code) and leaves VALUE as the Run-key value (empty: none).
row() {
    reg delete "$run_key" /v Popbar /f >/dev/null || true
    if [ -n "$2" ]; then reg add "$key" /v "$setting" /d "$2" /f >/dev/null; else reg delete "$key" /v "$setting" /f >/dev/null; fi
    expect "$1: messages and exit" "$("$CORVALE_WINE" "$driver" run-answering "$bootlist" | tr -d '\r')" "$3"
    expect "$1: value" "$(value_of "$run_key" Popbar)" "$4"
}

#   what                                            setting                    output     value
row "no programs folder: the reference stays"       ""                         "exit 0"   '"%programfiles%\CORVALE\Popbar\Popbar.exe"'
row "a path of 255 characters fills its field"      "$(folder_for_path 255)"   "exit 0"   "$(quoted_path_in "$(folder_for_path 255)")"
row "a path of 256 characters is refused, not cut"  "$(folder_for_path 256)"   "$refused" ""
# The longest setting that still gives the process a ProgramFiles variable is 256 characters.
row "a path of 282 characters is refused, not cut"  "$(folder_for_path 282)"   "$refused" ""

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
