#!/usr/bin/env bash
# Drives ulvar-host with the echo plug-in in a real terminal (tmux) under Wine: opens the panel,
# enters the sub-folder, leaves it, closes the panel and quits, waiting each time for the screen
# to show the expected text. Exit code 77 (skipped) when tmux is missing.
#   interactive_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

source "$(dirname "${BASH_SOURCE[0]}")/host_session.sh"
host_session_prepare ulvar-host-smoke "$bin/ulvar-host.exe" "$bin/echo_plugin.dll" "$bin"/echo_plugin_*.lng

host_session_start "$wine" 100 40 echo_plugin.dll

wait_for "Echo services tour"
keys Enter
wait_for "Echo: \\ "
wait_for "first note"
keys Down
keys Enter
wait_for "Echo: \\Sub"
wait_for "inner.txt"
# Away from "..", then Home back to it: Enter there leaves the folder only if Home arrived.
keys Down
home
keys Enter
wait_for "Echo: \\ "
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
[ -f "$work/echo_plugin.dll.exit" ] || { echo "ExitUlvar was not called"; exit 1; }
echo "interactive smoke test passed"
