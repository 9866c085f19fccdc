#!/usr/bin/env bash
# Drives ulvar-host with sockwell in a real terminal (tmux) under Wine: opens the panel, finds a
# listening socket this script holds open, waits for a second one opened later to appear through
# the idle refresh alone, shows the process dialog with F3, turns port names on with F9 and leaves.
# Exit code 77 (skipped) when tmux is missing.
#   interactive_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

holder=""
source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare sockwell-smoke "$bin/ulvar-host.exe" "$bin/sockwell.dll" "$bin"/sockwell_*.lng
on_exit() {
    [ -n "$holder" ] && kill "$holder" 2>/dev/null && wait "$holder" 2>/dev/null
    WINEDEBUG=-all "$wine" reg delete 'HKCU\Software\Ferrow\Sockwell' /f >/dev/null 2>&1
}
WINEDEBUG=-all "$wine" reg delete 'HKCU\Software\Ferrow\Sockwell' /f >/dev/null 2>&1

# Two listeners on 127.0.0.1 with low port numbers (so that their rows come early in the sorted
# table): the first at once, the second when the file "second" appears.
python3 - "$work" <<'PY' &
import os, socket, sys, time
work = sys.argv[1]
def listen(skip=()):
    for port in range(1100, 1300):
        if port in skip:
            continue
        s = socket.socket()
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            s.close()
            continue
        s.listen(1)
        return s, port
    sys.exit("no free port")
first, p1 = listen()
open(os.path.join(work, "first.port"), "w").write(str(p1))
for _ in range(1200):
    if os.path.exists(os.path.join(work, "second")):
        break
    time.sleep(0.1)
second, p2 = listen({p1})
open(os.path.join(work, "second.port"), "w").write(str(p2))
time.sleep(120)
PY
holder=$!

wait_file() {
    for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
    echo "no $1"; exit 1
}
wait_file "$work/first.port"
first=$(cat "$work/first.port")
printf 'smoke-first %s/tcp\r\n' "$first" >"$work/ports.lst"

host_session_start "$wine" 110 60 --lang en sockwell.dll

wait_for "Network connections"
keys Enter
# The panel alone on the screen (Ctrl+P hides the folder beside it): its columns want the width.
wait_for "Local address"
keys C-p
wait_for "127.0.0.1:$first"
wait_for "LISTENING"
wait_for "Local address"

touch "$work/second"
wait_file "$work/second.port"
wait_for "127.0.0.1:$(cat "$work/second.port")"

keys Down
keys F3
wait_for "Process id:"
keys Escape

keys F9
wait_for "Show service names"
keys Tab Space Tab Tab
keys Enter
wait_for "127.0.0.1:smoke-first"

keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "sockwell interactive smoke test passed"
