# Shared by scripts/test, scripts/run, scripts/bench, scripts/fuzz,
# scripts/screenshots and scripts/ui_demo. Source it; it defines the project
# paths, the Wine route and the Wine session helpers.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${ORVX_BUILD_DIR:-$ROOT/build}
JOBS=$(nproc 2>/dev/null || echo 2)
WINE_ROUTE=

log() { printf '== %s\n' "$*" >&2; }

ensure_setup() {
  if ! "$ROOT/scripts/setup"; then
    echo "setup failed: run scripts/setup as root once" >&2
    exit 1
  fi
}

# Configures a preset and builds it: all of it, or only the targets named
# after the preset.
build_preset() {
  local preset=$1
  shift
  log "build $preset${*:+ ($*)}"
  cmake --preset "$preset" -B "$BUILD/$preset" >/dev/null
  cmake --build "$BUILD/$preset" -j "$JOBS" ${*:+--target "$@"}
}

# The Wine route. Where the kernel runs 32-bit programs, the Windows
# programs are the i686 build (build/win32) in a 32-bit prefix set to
# Windows XP. Where it refuses them, 32-bit Wine cannot start, and they are
# the x86_64 build (build/win64) in a 64-bit prefix set to Vista.
# ORVX_WINE_ROUTE=win32 or win64 forces a route. Sets WINE_ROUTE,
# WIN_PRESET (the preset of the Windows programs), WIN_BUILD (their build
# folder) and WINE_LOADER, and says which route and why.
choose_wine_route() {
  local why probe
  case "${ORVX_WINE_ROUTE:-}" in
    win32 | win64)
      WINE_ROUTE=$ORVX_WINE_ROUTE
      why="forced by ORVX_WINE_ROUTE"
      ;;
    "")
      # The 32-bit dynamic loader is the smallest 32-bit program there is.
      if probe=$(/lib/ld-linux.so.2 --version 2>&1 >/dev/null); then
        WINE_ROUTE=win32
        why="this host runs 32-bit programs"
      else
        WINE_ROUTE=win64
        why="this host refuses 32-bit programs: ${probe:-/lib/ld-linux.so.2 failed}"
      fi
      ;;
    *)
      echo "ORVX_WINE_ROUTE is '$ORVX_WINE_ROUTE'; it takes win32 or win64" >&2
      exit 2
      ;;
  esac
  WIN_PRESET=$WINE_ROUTE
  WIN_BUILD=$BUILD/$WIN_PRESET
  if [ "$WINE_ROUTE" = win32 ]; then
    WINE_LOADER=/usr/lib/wine/wine
  else
    WINE_LOADER=/usr/lib/wine/wine64
  fi
  # Programs that Wine starts in turn take the same loader.
  export WINELOADER=$WINE_LOADER
  echo "Wine route: $WINE_ROUTE ($why)"
}

# Wine's commands on PATH always take the 32-bit loader where it is
# installed; these take the route's.
wine() { "$WINE_LOADER" "$@"; }
wineboot() { "$WINE_LOADER" wineboot.exe "$@"; }
winecfg() { "$WINE_LOADER" winecfg.exe "$@"; }
winepath() { "$WINE_LOADER" winepath.exe "$@"; }

# The Windows trees whose programs for users are built besides the route's
# own tree: there only the target orvx_shipped is built, never the tests.
other_shipped_presets() {
  if [ "$WIN_PRESET" != win32 ]; then echo win32; fi
}

# Builds the Windows programs of the route: its whole tree (the tests, the
# tools and the benchmarks that run under its Wine), or only the targets
# named; and the programs for users of the other trees.
build_windows() {
  build_preset "$WIN_PRESET" "$@" || return 1
  local preset
  for preset in $(other_shipped_presets); do
    build_preset "$preset" orvx_shipped || return 1
  done
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

# The prefix of the route: 32-bit set to Windows XP, or 64-bit set to Vista.
# WINEPREFIX is the first argument.
use_wine_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEPREFIX=$1
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ "$WINE_ROUTE" = win32 ]; then
    export WINEARCH=win32 WINE_VERSION=winxp
  else
    export WINEARCH=win64 WINE_VERSION=vista
  fi
}

# Makes the prefix named by use_wine_prefix. Wine's set-up tools report odd
# exit codes even when all went well; the system folder says whether it did.
make_wine_prefix() {
  log "new $WINEARCH Wine prefix ($WINE_VERSION) in $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  winecfg -v "$WINE_VERSION" >/dev/null 2>&1 || true
  if [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    echo "Wine could not make the prefix $WINEPREFIX (route $WINE_ROUTE)" >&2
    return 1
  fi
}

# A fresh prefix of the route, and a wineserver kept up for the whole
# session. WINEPREFIX defaults to a folder under the build tree.
start_wine() {
  use_wine_prefix "${1:-$BUILD/wine-prefix-$WINE_ROUTE}"
  rm -rf "$WINEPREFIX"
  make_wine_prefix || return 1
  mark_throwaway_prefix
  # The server that made the prefix ends by itself a little later; once it
  # has, a persistent one takes over, and Wine's services start here, away
  # from the tests' output: a service started by a test would hold its
  # output open after it ended, and CTest would wait for it for ever.
  wineserver -w
  wineserver -p
  wineboot >/dev/null 2>&1
}

# The tests that delete the user's application data or write to C:\ run only
# in a prefix carrying this file (tests/support/throwaway_prefix_win.h).
mark_throwaway_prefix() {
  echo "made by scripts/lib/common.sh for one run; tests may delete user data here" \
    >"$WINEPREFIX/drive_c/orvanex-throwaway-prefix.txt"
}

stop_wine() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
}
