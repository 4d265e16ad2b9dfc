# Checks for the scenario scripts, sourced by them: one line per check ("ok: ..." or "FAILED: ...") and
# the questions they ask a Wine prefix (with the session's env sourced, DRIVER naming driver.exe and
# work a folder of the script's own that it removes at its end).
# shellcheck shell=bash

checks=0 failures=0
# What the last Wine command wrote to its standard error, shown with a failure that follows it: a
# program that died as it started says why only there.
wine_errors=${work:?the script needs a work folder}/wine-errors
wine_said() {
    grep -v -e '^[0-9a-f]*:fixme:' -e '^$' "$wine_errors" 2>/dev/null | tail -n 20 | sed 's/^/   the last Wine command said: /' || true
}
expect() { # expect WHAT ACTUAL EXPECTED
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: got [$2], expected [$3]"
        wine_said
        failures=$((failures + 1))
    fi
}
# The last line of a scenario script: how many checks passed, and its exit status.
checks_summary() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}

wine_out() { "$CORVALE_WINE" "$@" </dev/null 2>"$wine_errors" | tr -d '\r'; }
# msiexec with ARGUMENTS, as a user who reads and answers its message boxes: "box CAPTION|TEXT" lines,
# then "exit CODE" (3010: done, a restart finishes it; 1603: failed). 64-bit Windows' own msiexec
# installs a 32-bit package as well as a 64-bit one.
msiexec() { wine_out "$DRIVER" run-answering 'C:\windows\system32\msiexec.exe' "$@" | tr '\n' ' ' | sed 's/ $//'; }

run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
# The data of the Run value NAME, in the registry view VIEW (32 or 64; 64, the machine's own, when not
# given); empty when there is none.
run_value() { # NAME [VIEW]
    wine_out reg query "$run_key" /v "$1" "/reg:${2:-64}" | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
# The installed-programs entries of the package in the registry view VIEW (as run_value): "DisplayName
# DisplayVersion", one a line.
package_entries() { # [VIEW]
    wine_out reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "/reg:${1:-64}" |
        awk '/^HKEY/ { name = ""; version = "" }
             /^ +DisplayName +REG_SZ/ { sub(/^ +DisplayName +REG_SZ +/, ""); name = $0 }
             /^ +DisplayVersion +REG_SZ/ { sub(/^ +DisplayVersion +REG_SZ +/, ""); version = $0 }
             name == "Corvale Laptop Programs" && version != "" { print name " " version; name = "" }'
}
# "same" when every file under EXPECTED is byte for byte the one at the same place under INSTALLED,
# else the ones that differ.
files_same() { # EXPECTED INSTALLED
    local file differ="" n=0
    while IFS= read -r file; do
        n=$((n + 1))
        cmp -s "$1/$file" "$2/$file" || differ+="$file "
    done < <(cd "$1" && find . -type f | sed 's|^\./||' | sort)
    [ "$n" -gt 0 ] || differ="no files in $1"
    echo "${differ:-same}"
}
# The programs (.exe, .dll) of the given files and folders that carry the test build's instrumentation:
# the names under which it publishes its counts in shared memory (UTF-16). "none" when none does.
instrumented() { # PATH...
    local utf16='s/./&\\x00/g' found
    found=$(find "$@" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 |
        xargs -0 -r grep -l -a -P "$(sed "$utf16" <<<CorvaleObjectCounts)|$(sed "$utf16" <<<CorvaleOpenProfile)" |
        xargs -r -n1 basename | sort | tr '\n' ' ')
    found=${found% }
    echo "${found:-none}"
}
