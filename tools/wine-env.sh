# Sourced by the scripts that run Windows programs: a Wine prefix of the project's own, a virtual
# display, and a wineserver kept warm until `wine_env_stop`.
WINE_LOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${WINEPREFIX:-$ULVAR_ROOT/build/wine-prefix}"
export WINEDEBUG=-all
# No prompts to fetch Mono or Gecko while the prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

ULVAR_XVFB_PID=""

# Starts Xvfb on a free display unless one is set and reachable; fails when Xvfb does not come up.
wine_env_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${ULVAR_FORCE_XVFB:-0}" != 1 ]; then
    return 0
  fi
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ULVAR_XVFB_PID=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$ULVAR_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$ULVAR_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    # Another program took the number in between, or Xvfb failed: try the next one.
    kill "$ULVAR_XVFB_PID" >/dev/null 2>&1
    wait "$ULVAR_XVFB_PID" 2>/dev/null
    ULVAR_XVFB_PID=""
  done
  echo "wine-env: Xvfb did not start on any display from :91 to :120" >&2
  return 1
}

# Everything under Wine runs with the Russian locale the programs are made for (code pages 1251
# and 866). The prefix keeps the locale it was created with as the user's own formats, so a prefix
# made under another locale is made anew.
wine_env_start() {
  export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
  wine_env_display || return 1
  if [ -f "$WINEPREFIX/user.reg" ] && ! grep -q '^"Locale"="00000419"' "$WINEPREFIX/user.reg"; then
    echo "Recreating the Wine prefix $WINEPREFIX with the Russian locale ..."
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX" || return 1
  # A wineserver left running for the prefix (by a run that was cut off) refuses a second one:
  # end it and start anew.
  if ! "$WINESERVER" -p 2>/dev/null; then
    "$WINESERVER" -k >/dev/null 2>&1
    "$WINESERVER" -w >/dev/null 2>&1
    "$WINESERVER" -p || { echo "wine-env: the wineserver did not start" >&2; return 1; }
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX ..."
  fi
  "$WINE_LOADER" wineboot --init >/dev/null 2>&1 ||
    { echo "wine-env: wineboot failed for $WINEPREFIX" >&2; return 1; }
  # The service control manager that wineboot's session leaves behind starts the automatic
  # services again for the next program and holds the start-up lock for most of a minute, and a
  # service started then never reports (errors 1055 and 1053): the tests get a server of their own.
  "$WINESERVER" -k >/dev/null 2>&1
  "$WINESERVER" -w >/dev/null 2>&1
  "$WINESERVER" -p || { echo "wine-env: the wineserver did not start" >&2; return 1; }
  # The system processes start with this session, not with a test whose output they would keep.
  "$WINE_LOADER" wineboot >/dev/null 2>&1
}

wine_env_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$ULVAR_XVFB_PID" ]; then
    kill "$ULVAR_XVFB_PID" >/dev/null 2>&1 || true
    wait "$ULVAR_XVFB_PID" 2>/dev/null || true
    ULVAR_XVFB_PID=""
  fi
}
