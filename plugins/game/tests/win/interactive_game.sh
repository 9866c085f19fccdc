#!/usr/bin/env bash
# Plays blocksby in ulvar-host in a real terminal (tmux) under Wine, from a folder named in
# Cyrillic letters: starts a game, moves the piece to the left wall with Home, drops it, pauses,
# leaves (the game file is written beside the library), opens the game again and finds the dropped
# piece restored. Exit code 77 (skipped) when tmux is missing.
#   interactive_game.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare blocksby-game "$bin/ulvar-host.exe" "$bin/blocksby.dll" "$bin"/blocksby_*.lng
# The host runs in a folder with a Cyrillic name.
base=$work
work="$base/игра"
mkdir "$work"
mv "$base"/ulvar-host.exe "$base"/blocksby.dll "$base"/blocksby_*.lng "$work/"
on_exit() {
    rm -rf "$base"
}

export LANG=ru_RU.UTF-8
host_session_start "$wine" 80 25 --lang en blocksby.dll

# A board row whose first cell is filled: the board's frame, a blank, then a block.
left_wall='║ ██'

wait_for "Esc quits"
keys Enter
wait_for "Paused: Enter plays"
screen | grep -qF -- "$left_wall" && { echo "a new game starts with a block at the wall"; exit 1; }
keys Enter
wait_for "Playing: Esc pauses"
home
wait_for "$left_wall"
keys Space
sleep 1
keys Escape
wait_for "Paused: Enter plays"
wait_for "$left_wall"
keys Escape
wait_for "Esc quits"
[ -s "$work/blocksby.gam" ] || { echo "no game file beside the library"; ls -la "$work"; exit 1; }

keys Enter
wait_for "Paused: Enter plays"
wait_for "$left_wall"
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "blocksby game test passed"
