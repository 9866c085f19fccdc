#!/usr/bin/env bash
# Drives ulvar-host with sentrel in a real terminal (tmux) under Wine: opens the panel, enters the
# services folder of the prefix's service control manager, views the report of the first service
# with F3, shows the panel's information lines on the other side (Ctrl+L), names another computer
# (F6; Wine's manager answers for any name, so only the title changes), goes back to the local one
# (Shift+F6), finds the name again in the F6 dialog's history (Ctrl+E), creates a service
# (Shift+F4) and deletes it again (Shift+F8). Exit code 77 (skipped) when tmux is missing.
#   interactive_smoke.sh WINE_LOADER BIN_FOLDER
set -uo pipefail

wine=$1
bin=$2

service="SentrelSmoke$$"
source "$(dirname "${BASH_SOURCE[0]}")/../../../../plugin-host/tests/win/host_session.sh"
host_session_prepare sentrel-smoke "$bin/ulvar-host.exe" "$bin/sentrel.dll" "$bin"/sentrel_*.lng
on_exit() {
    # The service the test created, should the test have ended before deleting it.
    "$wine" sc delete "$service" >/dev/null 2>&1
}

host_session_start "$wine" 110 40 --lang en sentrel.dll

wait_for "Services and devices"
keys Enter
wait_for "Devices"
# The root lists "..", Devices, Services.
keys Down Down Enter
wait_for "Display name"
keys Down
keys F3
wait_for "Service name:"
wait_for "Start type:"
keys Escape
screen | grep -q "Running services" && { screen; echo "information lines shown before Ctrl+L"; exit 1; }
keys C-l
wait_for "Running services"
keys C-l
keys F6
wait_for "Computer name:"
keys S M O K E P C Enter
wait_for "\\\\SMOKEPC: Services"
keys S-F6
# Back on the local computer the name leaves the screen; then only the history can bring it back.
for _ in $(seq 50); do
    screen | grep -q SMOKEPC || break
    sleep 0.2
done
screen | grep -q SMOKEPC && { screen; echo "SMOKEPC still shown after Shift+F6"; exit 1; }
keys F6
wait_for "Computer name:"
keys C-e
wait_for "SMOKEPC"
keys Escape
wait_for "Services"
keys S-F4
wait_for "Create a service"
keys -l "$service"
keys Down
keys -l "Sentrel smoke service"
keys Down
keys -l 'C:\windows\notepad.exe'
keys Enter
# Its properties come next; Enter takes them as they are.
wait_for "Service properties"
keys Enter
# The new service is listed with the cursor on it (its name on the status line).
wait_for "║$service  "
# Ctrl+Z describes it; the description is offered again the next time.
keys C-z
wait_for "Description of Sentrel smoke service:"
keys -l "Smoke description text"
keys Enter
for _ in $(seq 50); do
    screen | grep -q "Description of Sentrel smoke service:" || break
    sleep 0.2
done
keys C-z
wait_for "Smoke description text"
keys Escape
# F4 shows its properties; Esc leaves them.
keys F4
wait_for "Service properties"
keys Escape
keys S-F8
wait_for "Delete the service Sentrel smoke service?"
keys Right Enter
for _ in $(seq 1 50); do
    screen | grep -q "$service" || break
    sleep 0.2
done
screen | grep -q "$service" && { echo "the deleted service is still listed"; screen; exit 1; }
keys Escape
wait_for "Esc quits"
keys Escape
wait_for "HOST-EXIT=0"
echo "sentrel interactive smoke test passed"
