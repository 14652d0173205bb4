# Wine lanes for the Windows tests. Source after common.sh.
#
# A lane is an X screen of its own (Xvfb) and a Wine prefix with a wineserver
# of its own: a machine of its own, as far as a Windows program can tell. So
# the test programs that use the screen (visible windows, the focus, the
# stand-in desktop, the real OrvaneX.exe with its single-instance mutex) run
# side by side, one per lane, and never meet. CTest hands the lanes out as
# the resource "screens" (write_lane_resource_spec); tests/case_runner.py
# starts a program in the lane it was given (ORVX_LANE_<n>_DISPLAY and
# ORVX_LANE_<n>_PREFIX). Lane 1 is also the default session (DISPLAY and
# WINEPREFIX) for everything else.

LANE_COUNT=${ORVX_SCREEN_LANES:-2}
LANE_XVFB_PIDS=()

# Starts the X screen of every lane and names the lanes' prefixes.
start_lane_screens() {
  local n
  for n in $(seq "$LANE_COUNT"); do
    start_xvfb
    LANE_XVFB_PIDS+=("$XVFB_PID")
    XVFB_PID=
    export "ORVX_LANE_${n}_DISPLAY=$DISPLAY"
    export "ORVX_LANE_${n}_PREFIX=$BUILD/wine-prefix-$WINE_ROUTE-$n"
  done
}

# Enters lane $1 in this shell: its screen and its prefix.
enter_lane() {
  local display_var="ORVX_LANE_$1_DISPLAY" prefix_var="ORVX_LANE_$1_PREFIX"
  export DISPLAY=${!display_var}
  use_wine_prefix "${!prefix_var}"
}

# Makes a fresh prefix for every lane, side by side; false when one failed.
make_lane_prefixes() {
  local n pids=() status=0
  for n in $(seq "$LANE_COUNT"); do
    (
      enter_lane "$n"
      rm -rf "$WINEPREFIX"
      make_wine_prefix || exit 1
      mark_throwaway_prefix
      # The server that made the prefix ends by itself a little later.
      wineserver -w
    ) &
    pids+=($!)
  done
  for n in "${pids[@]}"; do wait "$n" || status=1; done
  return $status
}

# Keeps a wineserver up in every lane for the whole run, with Wine's
# services started here, away from the tests' output: a service started by
# a test would hold its output open after it ended, and CTest would wait for
# it for ever. Leaves this shell in lane 1.
start_lane_sessions() {
  local n
  for n in $(seq "$LANE_COUNT" -1 1); do
    enter_lane "$n"
    wineserver -p
    wineboot >/dev/null 2>&1
  done
}

stop_lanes() {
  local n pid
  for n in $(seq "$LANE_COUNT"); do
    (enter_lane "$n" && stop_wine)
  done
  for pid in "${LANE_XVFB_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  LANE_XVFB_PIDS=()
}

# The CTest resource specification of the lanes: one slot of "screens" each.
write_lane_resource_spec() {
  local file=$1 n ids=()
  for n in $(seq "$LANE_COUNT"); do ids+=("{\"id\": \"$n\", \"slots\": 1}"); done
  local joined
  joined=$(IFS=,; echo "${ids[*]}")
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"screens": [%s]}]}\n' "$joined" >"$file"
}
