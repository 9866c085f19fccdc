# Sourced by the terminal tests: ulvar-host in a tmux session of its own, with functions to read
# its screen and type into it.

# host_session_prepare NAME FILES...: skips the test (exit 77) when tmux is missing; makes the
# folder $work with FILES copied into it and names the tmux server $socket after NAME. When the
# script exits the server is killed, the script's own function on_exit runs if it has one, and
# $work is removed.
host_session_prepare() {
    command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }
    work=$(mktemp -d)
    socket="$1-$$"
    shift
    trap host_session_end EXIT
    cp "$@" "$work/"
}

host_session_end() {
    tmux -L "$socket" kill-server 2>/dev/null
    if declare -F on_exit >/dev/null; then
        on_exit
    fi
    rm -rf "$work"
}

# host_session_start WINE WIDTH HEIGHT ARGUMENTS...: ulvar-host.exe ARGUMENTS in $work, in a
# WIDTHxHEIGHT terminal without a suspend character (so that Ctrl+Z reaches the console); the
# screen shows HOST-EXIT=<code> when the host has ended.
host_session_start() {
    local wine=$1 width=$2 height=$3
    shift 3
    # tmux sends Home and End as ESC[1~ and ESC[4~, which the Wine console ignores; it knows
    # ESC[H and ESC[F.
    cat >"$work/tmux.conf" <<'CONF'
set -g default-terminal xterm
bind -n Home send-keys Escape "[H"
bind -n End send-keys Escape "[F"
CONF
    tmux -L "$socket" -f "$work/tmux.conf" new-session -d -s smoke -x "$width" -y "$height" \
        "stty susp undef; cd '$work' && env LANG=${LANG:-C.UTF-8} WINEDEBUG=-all '$wine' ./ulvar-host.exe $*; echo HOST-EXIT=\$?; sleep 60"
}

screen() { tmux -L "$socket" capture-pane -p -t smoke; }

# wait_for TEXT: polls the screen for up to 30 s; shows it and fails the test on time-out.
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
# Home as the configuration's binding sends it (send-keys itself bypasses bindings).
home() { tmux -L "$socket" send-keys -t smoke -l $'\e[H'; }
