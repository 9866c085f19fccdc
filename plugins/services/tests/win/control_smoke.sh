#!/usr/bin/env bash
# Drives ulvar-host with sentrel in a real terminal (tmux) under Wine: a service of the test's own
# (the test service program on drive C: of the prefix, registered with sc) is started, stopped with
# F8 in the services folder (after the stop question) and started again with F5; the manager's
# state is read with sc after each key. Exit code 77 (skipped) when tmux is missing.
#   control_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

prefix=${WINEPREFIX:-$HOME/.wine}
# The name sorts after every service of the prefix, so End puts the cursor on it.
service="zzSentrelSmoke$$"
program_folder="$prefix/drive_c/sentrel-smoke-$$"
sc() { WINEDEBUG=-all "$wine" sc "$@" 2>/dev/null | tr -d '\r'; }
source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare sentrel-control "$bin/ulvar-host.exe" "$bin/sentrel.dll" "$bin"/sentrel_*.lng
on_exit() {
    sc stop "$service" >/dev/null
    sc delete "$service" >/dev/null
    rm -rf "$program_folder"
}
mkdir -p "$program_folder"
cp "$bin/sentrel_test_service.exe" "$program_folder/"

# state_is STATE: polls the manager for up to 30 s.
state_is() {
    for _ in $(seq 300); do
        if sc query "$service" | grep -q "STATE *: *[0-9]* *$1"; then
            return 0
        fi
        sleep 0.1
    done
    echo "the service did not become $1:"
    sc query "$service"
    exit 1
}

host_session_start "$wine" 110 40 --lang en sentrel.dll
wait_for "Services and devices"

# Registered and started while the host runs, so that the manager stays up.
sc create "$service" binpath= "C:\\sentrel-smoke-$$\\sentrel_test_service.exe $service" \
    displayname= "Sentrel smoke service" >/dev/null
sc start "$service" >/dev/null
state_is RUNNING

keys Enter
wait_for "Devices"
# The root lists "..", Devices, Services.
keys Down Down Enter
wait_for "Display name"
end() { tmux -L "$socket" send-keys -t smoke -l $'\e[F'; }
end
keys F8
wait_for "Stop the service Sentrel smoke service?"
keys Enter
state_is STOPPED
end
keys F5
state_is RUNNING
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "sentrel control smoke test passed"
