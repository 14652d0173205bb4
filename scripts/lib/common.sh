# Shared by scripts/test, scripts/run, scripts/bench and scripts/fuzz.
# Source it; it defines the project paths and the Wine session helpers.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${ORVX_BUILD_DIR:-$ROOT/build}
JOBS=$(nproc 2>/dev/null || echo 2)

log() { printf '== %s\n' "$*" >&2; }

ensure_setup() {
  if ! "$ROOT/scripts/setup"; then
    echo "setup failed: run scripts/setup as root once" >&2
    exit 1
  fi
}

build_preset() {
  local preset=$1
  log "build $preset"
  cmake --preset "$preset" -B "$BUILD/$preset" >/dev/null
  cmake --build "$BUILD/$preset" -j "$JOBS"
}

# Starts an X server for Wine unless the caller wants the user's display.
# Sets DISPLAY and XVFB_PID.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${ORVX_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local display
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
  log "Xvfb on $DISPLAY"
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# A fresh 32-bit prefix set to Windows XP, and a wineserver kept up for the
# whole session. WINEPREFIX defaults to a folder under the build tree.
start_wine() {
  export WINEARCH=win32
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEPREFIX=${1:-$BUILD/wine-prefix}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  rm -rf "$WINEPREFIX"
  log "fresh Wine prefix in $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  winecfg -v winxp >/dev/null 2>&1
  wineserver -p
}

stop_wine() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
}
