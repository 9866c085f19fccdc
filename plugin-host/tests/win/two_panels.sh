#!/usr/bin/env bash
# ulvar-host as a two-panel host in a real terminal (tmux) under Wine: the echo plug-in's panel on
# the left (opened by its hot digit), the folder the host started in on the right. F3 views an
# item, the plug-in's V switches view modes, Ctrl+F6 sorts by size, Alt+F7 searches, Tab goes to
# the folder and F5 copies a file from it into the plug-in (which finds it in the host's current
# folder); "echo:tour" on the command line runs the tour, whose dialog brings back the text typed
# the first time with Ctrl+Up when the tour runs again from the host's menu. With the Russian
# locale a second start with --lang ru shows the host's texts in Russian. Exit code 77
# (skipped) when tmux is missing.
#   two_panels.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

source "$(dirname "${BASH_SOURCE[0]}")/host_session.sh"
host_session_prepare ulvar-host-panels "$bin/ulvar-host.exe" "$bin/echo_plugin.dll" "$bin"/echo_plugin_*.lng
printf 'hello from the folder\r\n' >"$work/hello.txt"

host_session_start "$wine" 100 40 echo_plugin.dll

# The line of the screen holding a text, or nothing.
line_of() { screen | grep -nF -- "$1" | head -1 | cut -d: -f1; }
# wait_gone TEXT: polls until the screen no longer shows it.
wait_gone() {
    for _ in $(seq 300); do
        screen | grep -qF -- "$1" || return 0
        sleep 0.1
    done
    echo "still on the screen: $1"
    screen
    exit 1
}

wait_for "2 Echo services tour"
keys 1
wait_for "Echo: \\ "
wait_for "hello.txt"
wait_for "Note"

# F3 on alpha.txt (after ".." and the folder Sub).
keys Down Down
keys F3
wait_for "echo:alpha.txt"
keys Escape
wait_gone "echo:alpha.txt"

# View modes (the plug-in's V asks the host for them; terminals do not send Ctrl with a digit):
# 0 shows the name alone, 3 (the start mode) the plug-in's columns with their titles.
keys V
wait_gone "Note"
keys V
wait_for "Note"

# Ctrl+F6: by size, the plug-in's own order, largest first: readme (500) before alpha.txt (100).
keys C-F6
for _ in $(seq 300); do
    r=$(line_of "readme") a=$(line_of "alpha.txt")
    [ -n "$r" ] && [ -n "$a" ] && [ "$r" -lt "$a" ] && break
    sleep 0.1
done
[ "$r" -lt "$a" ] || { echo "not sorted by size"; screen; exit 1; }

# Alt+F7: the host's search through the items' copies; the message lists what holds the text.
keys M-F7
wait_for "Text to search for"
keys -l "echo:beta"
keys Enter
# The prompt has the same title: the result is the box without the prompt's text.
wait_gone "Text to search for"
for _ in $(seq 300); do
    row=$(line_of " Search ")
    found=$([ -n "$row" ] && screen | sed -n "$((row + 1))p")
    case "$found" in *beta.txt*) break ;; esac
    sleep 0.1
done
case "$found" in
*beta.txt*) ;;
*) echo "the search did not find beta.txt: $found"; screen; exit 1 ;;
esac
keys Escape
wait_gone " Search "

# Tab to the folder, down to hello.txt (its status line shows its size), F5 into the plug-in.
keys Tab
for _ in $(seq 20); do
    screen | grep -q "hello.txt  23" && break
    keys Down
    sleep 0.2
done
screen | grep -q "hello.txt  23" || { echo "hello.txt not reached"; screen; exit 1; }
keys F5
for _ in $(seq 300); do
    [ -f "$work/echo_plugin.dll.put" ] && break
    sleep 0.1
done
grep -q "found=hello.txt" "$work/echo_plugin.dll.put" ||
    { echo "PutFiles did not find the file:"; cat "$work/echo_plugin.dll.put"; exit 1; }

# The command line (typed on the folder's side): the tour through the echo plug-in's prefix. Its
# dialog's edit has a history: the text entered now comes back in the next tour with Ctrl+Up.
keys -l "echo:tour"
wait_for "> echo:tour"
keys Enter
wait_for "Echo menu"
keys Enter
wait_for "Echo dialog"
wait_for "initial"
keys BSpace BSpace BSpace BSpace BSpace BSpace BSpace
keys -l "remembered"
keys Enter
wait_for "Could not open"
keys Escape
wait_for "Go on?"
keys Escape
wait_for "hello.txt"

# Back to the plug-in, which closes with Esc; the tour from the host's menu, by its hot digit.
keys Tab
keys Escape
wait_for "Esc quits"
keys 2
wait_for "Echo menu"
keys Enter
wait_for "initial"
keys C-Up
wait_for "remembered"
keys Escape
wait_for "Could not open"
keys Escape
wait_for "Go on?"
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"

# With --lang ru the host's own texts are Russian (shown only where the terminal's locale has
# Cyrillic).
if [ "${LANG:-}" = ru_RU.UTF-8 ]; then
    tmux -L "$socket" kill-server 2>/dev/null
    host_session_start "$wine" 100 40 --lang ru echo_plugin.dll
    wait_for "Esc - выход"
    keys 1
    wait_for "5Копир"
    wait_for "Имя"
    keys Escape
    wait_for "Esc - выход"
    keys Escape
    wait_for "HOST-EXIT=0"
fi
echo "two-panel test passed"
