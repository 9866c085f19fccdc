#!/usr/bin/env bash
# ulvar-host with launchet beside a panel of files, in a real terminal (tmux) under Wine: the
# folder panel goes into a sub-folder of the host's folder; there F11 and launchet's "Add to
# startup" put the file under the cursor into the current user's Run key, and F5 copies another
# one into launchet's panel on the other side. Both Run values must name the files in that
# sub-folder (the plug-in resolves the names in the host's current folder, which follows the file
# panel). The registry is checked after each step. Exit code 77 (skipped) when tmux is missing.
#   files_beside.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

added="lfa$$"
copied="lfb$$"
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKCU\Software\Ulvar\Plugins\Drumlo\Launchet'
reg() { WINEDEBUG=-all "$wine" reg "$@" 2>/dev/null; }
source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare launchet-beside "$bin/ulvar-host.exe" "$bin/launchet.dll" "$bin"/launchet_*.lng
on_exit() {
    reg delete "$run" /v "$added" /f >/dev/null
    reg delete "$run" /v "$copied" /f >/dev/null
    reg delete "$settings" /f >/dev/null
}
mkdir "$work/progs"
printf 'MZ' >"$work/progs/$added.exe"
printf 'MZ' >"$work/progs/$copied.exe"
reg delete "$settings" /f >/dev/null

host_session_start "$wine" 110 40 --lang en launchet.dll

# run_value NAME TEXT: waits until the user's Run value NAME holds TEXT.
run_value() {
    for _ in $(seq 100); do
        reg query "$run" /v "$1" | grep -qF -- "$2" && return 0
        sleep 0.1
    done
    echo "the Run value $1 does not hold $2:"
    reg query "$run" /v "$1"
    screen
    exit 1
}

# launchet's panel on the left, the host's folder on the right.
wait_for "Startup items"
keys Enter
wait_for "Open startup items"
keys Enter
wait_for " Startup items "

# Into the sub-folder (the first row after ".."), onto its first file.
keys Tab
keys Down
keys Enter
wait_for "$copied.exe"
keys Down

# F11: the host's plug-ins menu, launchet's entry, then "Add to startup" in launchet's menu.
keys F11
wait_for "Startup items"
keys Enter
wait_for "Open startup items"
keys Down Enter
wait_for "Entry name:"
keys Tab Tab Tab Tab Space Enter
run_value "$added" "progs\\$added.exe"

# F5 on the next file: into launchet's panel on the other side.
keys Down
keys F5
wait_for "Entry name:"
keys Tab Tab Tab Tab Space Enter
run_value "$copied" "progs\\$copied.exe"
wait_for "$copied.exe"

keys Tab
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "launchet beside a panel of files: passed"
