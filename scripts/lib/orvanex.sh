# Shared by scripts/run and scripts/screenshots: the stand-in desktop and a
# copy of OrvaneX.exe under Wine, inside a prefix and X display set up by the
# caller. Source after common.sh.

# Starts the stand-in desktop with the items of a file (a Linux path) and
# waits until it is shown. Sets STANDIN_PID.
start_standin() {
  local items=$1 ready
  ready=$(mktemp -u "${TMPDIR:-/tmp}/orvx-standin.XXXXXX")
  wine "$WIN_BUILD/tools/standin_desktop.exe" "/ready:$(winepath -w "$ready")" \
    "$(winepath -w "$items")" >/dev/null 2>&1 &
  STANDIN_PID=$!
  for _ in $(seq 600); do
    [ -f "$ready" ] && { rm -f "$ready"; return 0; }
    kill -0 "$STANDIN_PID" 2>/dev/null || { echo "the stand-in desktop did not start" >&2; return 1; }
    sleep 0.1
  done
  echo "the stand-in desktop did not come up" >&2
  return 1
}

# A copy of OrvaneX.exe in a new temporary folder, which it uses as its data
# folder's base in portable mode. Prints the folder.
make_portable_copy() {
  local folder
  folder=$(mktemp -d "${TMPDIR:-/tmp}/orvanex.XXXXXX")
  cp "$WIN_BUILD/OrvaneX.exe" "$folder/"
  mkdir -p "$folder/Quillfen/OrvaneX"
  echo "$folder"
}

# Writes config.qcf of a portable copy (lines "[Section]" and "key=value"
# given as arguments), with CR LF line ends.
write_portable_config() {
  local folder=$1
  shift
  printf '%s\r\n' "$@" >"$folder/Quillfen/OrvaneX/config.qcf"
}

# Makes the standard profile of the X screen's resolution exist, so that the
# program starts without asking to save it.
seed_resolution_profile() {
  local folder=$1 size
  size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  printf '[Info]\r\nCount=0\r\n' >"$folder/Quillfen/OrvaneX/ORV - $size.qpf"
}

# The X windows of OrvaneX.exe titled $1 that are shown.
shown_windows_titled() {
  local id
  for id in $(xwininfo -root -tree | awk -v title="\"$1\": (\"orvanex.exe\"" 'index($0, title) { print $1 }'); do
    # A window may go between the listing and the question.
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
  done
}

# Waits until the program shows a window titled "Orvane X" (the main window,
# or a message box of it). False after a minute.
wait_for_orvanex_window() {
  for _ in $(seq 600); do
    [ -n "$(shown_windows_titled "Orvane X")" ] && return 0
    sleep 0.1
  done
  return 1
}

# The title of the first-start language chooser (language_chooser/language_chooser_win.h).
LANGUAGE_CHOOSER_TITLE="Please select your language"

# Waits for the first window of a start: prints "chooser" when it is the
# first-start language chooser (a Windows whose language is not German),
# "main" for a window titled "Orvane X". False after a minute.
wait_for_first_window() {
  for _ in $(seq 600); do
    if [ -n "$(shown_windows_titled "$LANGUAGE_CHOOSER_TITLE")" ]; then
      echo chooser
      return 0
    fi
    if [ -n "$(shown_windows_titled "Orvane X")" ]; then
      echo main
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Answers the language chooser as a user would: "English" is selected, so a
# click on "Save", its right button (language_chooser/language_chooser_win.cpp:
# 80 x 24 at 8 from the right edge, 46 from the top of the 240 x 79
# window). Waits until the chooser has gone; false after a minute.
answer_language_chooser() {
  local id
  id=$(shown_windows_titled "$LANGUAGE_CHOOSER_TITLE" | head -n 1)
  [ -n "$id" ] || return 1
  xdotool mousemove --window "$id" $((240 - 8 - 40)) $((46 + 12)) click 1
  for _ in $(seq 600); do
    [ -z "$(shown_windows_titled "$LANGUAGE_CHOOSER_TITLE")" ] && return 0
    sleep 0.1
  done
  return 1
}

# A screenshot of the whole X screen, taken once two shots in a row are the
# same (the windows have finished drawing). False after a minute.
screenshot_when_settled() {
  local file=$1 previous current
  previous=$(mktemp --suffix=.png)
  current=$(mktemp --suffix=.png)
  import -window root "$previous"
  for _ in $(seq 120); do
    sleep 0.5
    import -window root "$current"
    if [ "$(compare -metric AE "$previous" "$current" null: 2>&1)" = 0 ]; then
      mv "$current" "$file"
      rm -f "$previous"
      return 0
    fi
    mv "$current" "$previous"
  done
  rm -f "$previous"
  return 1
}

# Wine's explorer shows the notification area, with the program's icon in
# it, as a small window of its own at the screen's top left, over the
# desktop's icons. Moves it to the lower right corner, where a task bar would
# hold it. Waits up to five seconds for it to appear.
park_tray_window() {
  local id size
  size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  for _ in $(seq 50); do
    for id in $(xwininfo -root -tree | awk '/\("explorer.exe"/ { print $1 }'); do
      if xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then
        local geometry width height
        geometry=$(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
        read -r width height <<<"$geometry"
        xdotool windowmove "$id" $(( ${size%x*} - width )) $(( ${size#*x} - height ))
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}
