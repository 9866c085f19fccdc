#!/usr/bin/env bash
# Drives ulvar-host with the echo plug-in in a real terminal (tmux) under Wine: opens the panel,
# enters the sub-folder, leaves it, closes the panel and quits, waiting each time for the screen
# to show the expected text. Exit code 77 (skipped) when tmux is missing.
#   interactive_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }

work=$(mktemp -d)
socket="ulvar-host-smoke-$$"
cleanup() {
    tmux -L "$socket" kill-server 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp "$bin/ulvar-host.exe" "$bin/echo_plugin.dll" "$bin"/echo_plugin_*.lng "$work/"

# Home and End arrive as sequences the Wine console knows with an xterm terminal type.
echo 'set -g default-terminal xterm' >"$work/tmux.conf"
tmux -L "$socket" -f "$work/tmux.conf" new-session -d -s smoke -x 100 -y 40 \
    "cd '$work' && env LANG=${LANG:-C.UTF-8} WINEDEBUG=-all '$wine' ./ulvar-host.exe echo_plugin.dll; echo HOST-EXIT=\$?; sleep 60"

screen() { tmux -L "$socket" capture-pane -p -t smoke; }
# wait_for TEXT: polls the screen for up to 30 s.
wait_for() {
    for _ in $(seq 300); do
        if screen | grep -qF -- "$1"; then
            return 0
        fi
        sleep 0.1
    done
    echo "timed out waiting for: $1"
    screen
    exit 1
}
keys() { tmux -L "$socket" send-keys -t smoke "$@"; }

wait_for "Echo services tour"
keys Enter
wait_for "Echo: \\ "
wait_for "first note"
keys Down
keys Enter
wait_for "Echo: \\Sub"
wait_for "inner.txt"
keys Home
keys Enter
wait_for "Echo: \\ "
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
[ -f "$work/echo_plugin.dll.exit" ] || { echo "ExitUlvar was not called"; exit 1; }
echo "interactive smoke test passed"
