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

failures=0
expect() { # expect WHAT ACTUAL EXPECTED
    if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], expected [$3]"; failures=$((failures + 1)); fi
}

# No programs folder at all: the reference stays in the text as written.
reg delete "$run_key" /v Popbar /f >/dev/null || true
reg delete "$key" /v "$setting" /f >/dev/null
out=$("$CORVALE_WINE" "$driver" run-answering "$bootlist" | tr -d '\r')
expect "no message, success" "$out" "exit 0"
expect "template text written" "$(value_of "$run_key" Popbar)" '"%programfiles%\CORVALE\Popbar\Popbar.exe"'

# A programs folder so long that the path does not fit its field: refused, nothing written.
reg delete "$run_key" /v Popbar /f >/dev/null || true
reg add "$key" /v "$setting" /d "C:\\$(printf 'x%.0s' $(seq 240))" /f >/dev/null
out=$("$CORVALE_WINE" "$driver" run-answering "$bootlist" | tr -d '\r')
expect "one message, failure" "$out" "$(printf 'box Bootlist|Could not set the starter file.\nexit 1')"
expect "nothing written" "$(value_of "$run_key" Popbar)" ""

echo "$((2 + 2 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
