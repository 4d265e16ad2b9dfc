# A Wine prefix laid out as a Corvale laptop, sourced by the demo and by the shipped build's scenarios
# once the session's env is sourced.
# shellcheck shell=bash

# The shipped 32-bit programs under test, as 64-bit Windows runs them (WoW64): the test driver looks
# for them under Program Files (x86) and in the 32-bit registry view. Where the kernel cannot run
# 32-bit processes they run emulated (qemu-i386): each takes about a minute to start instead of tens of
# milliseconds and does everything some tens of times more slowly, so every deadline of the driver is
# stretched twenty times. This is the one place that says so.
use_shipped_programs() {
    export CORVALE_PROGRAMS=x86
    export CORVALE_DEADLINE_SCALE=20
}

# The maker's other programs as the laptop's image has them: the test build's companions (Screen Hub,
# the dial keyboard, the debug viewer) and tools (SkinSheet) under the machine's own Program Files
# folder; with SHIPPED_BUILD, also its 32-bit companions under Program Files (x86), beside the 32-bit
# programs, where a 32-bit Popbar finds Screen Hub and looks for the dial keyboard first.
lay_out_companions() { # TEST_BUILD [SHIPPED_BUILD]
    local component
    for component in companions tools; do
        cmake --install "$1" --component "$component" --prefix "$WINEPREFIX/drive_c/Program Files" >/dev/null
    done
    if [ -n "${2:-}" ]; then
        cmake --install "$2" --component companions --prefix "$WINEPREFIX/drive_c/Program Files (x86)" >/dev/null
    fi
}
