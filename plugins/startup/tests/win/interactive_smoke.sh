#!/usr/bin/env bash
# Drives ulvar-host with launchet in a real terminal (tmux) under Wine: opens the panel, copies a
# program into it with F5 and puts it into the current user's Run key through the create dialog,
# finds its row, shows it with F3, deletes it with F8 and leaves. The registry is checked between
# the steps. Exit code 77 (skipped) when tmux is missing.
#   interactive_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

name="lsmoke$$"
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKCU\Software\Ulvar\Plugins\Drumlo\Launchet'
reg() { WINEDEBUG=-all "$wine" reg "$@" 2>/dev/null; }
source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare launchet-smoke "$bin/ulvar-host.exe" "$bin/launchet.dll" "$bin"/launchet_*.lng
on_exit() {
    reg delete "$run" /v "$name" /f >/dev/null
    reg delete "$settings" /f >/dev/null
}
printf 'MZ' >"$work/$name.exe"
reg delete "$settings" /f >/dev/null

host_session_start "$wine" 110 40 --lang en launchet.dll

wait_for "Startup items"
keys Enter
wait_for "Open startup items"
keys Enter
wait_for " Startup items "

# F5 with the panel alone on the screen (Ctrl+P hides the folder beside it): the host asks for
# a file in its folder; then the destination "Current user's Run key".
keys C-p
keys F5
wait_for "Copy a file into the panel"
keys -l "$name.exe"
keys Enter
wait_for "Add to startup"
keys Tab Tab Tab Tab Space Enter
wait_for "$name.exe"
reg query "$run" /v "$name" | grep -q "$name.exe" || { echo "no Run value $name"; screen; exit 1; }

# Down to the new row (".." first, where F3 shows nothing): F3 tells which row the cursor is on.
found=0
for _ in $(seq 60); do
    keys Down
    keys F3
    wait_for "Startup entry"
    if screen | grep -q "Run\\\\$name"; then
        found=1
        keys Escape
        break
    fi
    keys Escape
done
[ "$found" = 1 ] || { echo "the row of $name was not found"; screen; exit 1; }

keys F8
wait_for "Do you wish to delete from the startup list"
wait_for "the entry \"$name.exe\"?"
keys Enter
for _ in $(seq 100); do
    reg query "$run" /v "$name" | grep -q "$name" || break
    sleep 0.1
done
reg query "$run" /v "$name" | grep -q "$name" && { echo "the Run value is still there"; exit 1; }

keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "launchet interactive smoke test passed"
