#!/usr/bin/env bash
# ulvar-host in an 80x24 terminal (tmux) under Wine: it refuses to start and says what it needs
# and what it got, instead of drawing a screen that does not fit. Exit code 77 (skipped) when tmux
# is missing.
#   small_terminal.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

source "$(dirname "${BASH_SOURCE[0]}")/host_session.sh"
host_session_prepare ulvar-host-small "$bin/ulvar-host.exe" "$bin/echo_plugin.dll" "$bin"/echo_plugin_*.lng

host_session_start "$wine" 80 24 echo_plugin.dll
wait_for "HOST-EXIT="
wait_for "ulvar-host needs a console of at least 80x25; this one is 80x24"
wait_for "HOST-EXIT=2"
[ -f "$work/echo_plugin.dll.exit" ] && { echo "the plug-in was loaded"; exit 1; }
echo "small terminal test passed"
