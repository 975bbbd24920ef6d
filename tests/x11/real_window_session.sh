#!/usr/bin/env bash
# One session of real_window_check.sh, inside xvfb-run: PROGRAM WM (openbox or none) [SCALE].
set -uo pipefail
program=$1
wm=$2
scale=${3:-1}
screen_w=1280
screen_h=1024

# Every window of the program with its title and size: what a failure report needs.
describe_windows() {
  for w in $(xdotool search --pid "$app" 2>/dev/null); do
    xwininfo -id "$w" | awk -v id="$w" '/xwininfo: Window id/ {t=$0} /Map State:/ {m=$3}
      /Width:/ {wd=$2} /Height:/ {h=$2} END {print "  " id " " wd "x" h " " m " " t}'
  done
}

fail() {
  # The server went away under the program (a display number handed over twice): not the
  # program's fault; the caller runs the session again on a fresh server.
  if ! kill -0 "$app" 2>/dev/null && grep -q "could not connect to display" "$log"; then
    echo "the X server on $DISPLAY went away before the program could connect"
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    exit 3
  fi
  echo "FAIL ($wm, scale $scale): $*"
  echo "windows of the program:"
  describe_windows
  kill -0 "$app" 2>/dev/null || echo "the program had already exited"
  echo "what it printed:"
  tail -n 20 "$log" | sed 's/^/  /'
  kill "$app" 2>/dev/null
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
  exit 1
}

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
  local limit=$1
  shift
  for _ in $(seq $((limit * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The program's mapped window whose title is exactly $1, found by title, not by size.
window_titled() {
  xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null | head -n 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
sheet_mapped() { viewable "$sheet"; }
full_screen_mapped() { [ -n "$(window_titled 'Graph - Hydrolofter')" ]; }
no_full_screen() { ! full_screen_mapped; }
program_gone() { ! kill -0 "$app" 2>/dev/null; }
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
# A message box over the sheet (its title is the program's too; it is not the sheet).
message_box() { xdotool search --all --onlyvisible --pid "$app" --name '^Hydrolofter$' 2>/dev/null | grep -vx "$sheet" | head -n 1; }
message_box_shown() { [ -n "$(message_box)" ]; }
no_message_box() { ! message_box_shown; }
titled_shown() { [ -n "$(window_titled "$1")" ]; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
clipboard_starts() { local c; c=$(clipboard); [ "${c%%$'\n'*}" = "$1" ]; }

# xvfb-run -a can hand over a display whose server did not start (its number was still
# held by a server of an earlier session that was going away): say so, so that the caller
# runs the session again on a fresh server, rather than failing the program for it.
display_up() { xdpyinfo >/dev/null 2>&1; }
if ! wait_for 10 display_up; then
  echo "no X server answers on $DISPLAY"
  exit 3
fi

wm_pid=
if [ "$wm" = openbox ]; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  sleep 1
fi

# Leak checking of the toolkit's own allocations is not this check's business.
log=$(mktemp /tmp/hydrolofter-session-XXXXXX.log)
# What the program remembers goes to a folder of this session's own, never the user's.
XDG_CONFIG_HOME=$(mktemp -d /tmp/hydrolofter-settings-XXXXXX)
export XDG_CONFIG_HOME
trap 'rm -rf "$log" "$XDG_CONFIG_HOME"' EXIT
# The real X server's platform, whatever the calling shell exports (offscreen, for the tests).
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale ASAN_OPTIONS=detect_leaks=0 "$program" >"$log" 2>&1 &
app=$!

find_sheet() { sheet=$(window_titled Hydrolofter); [ -n "$sheet" ]; }
wait_for 20 find_sheet || fail "the sheet was never mapped"
read -r width height < <(size_of "$sheet")
[ "$width" -le $screen_w ] && [ "$height" -le $screen_h ] ||
  fail "the sheet ($width x $height) is larger than the screen"
focus_sheet() {
  xdotool mousemove --window "$sheet" 20 20
  xdotool windowfocus --sync "$sheet" 2>/dev/null || true
}
focus_sheet

if [ "$scale" != 1 ]; then
  # On a scaled screen: the sheet fits it.
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  echo "ok ($wm, scale $scale): the sheet fits the screen at $width x $height"
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  exit 0
fi

# Escape in an edit must not close the sheet.
xdotool key Escape
sleep 1
sheet_mapped || fail "Escape closed the sheet"

# Text that is not a number, then Ctrl+Tab: the message, and then the keys typed go back
# into the refused field (read back through the clipboard).
xdotool key alt+d # the Diameter caption's mnemonic: into its edit
xdotool key ctrl+a
xdotool type --delay 20 abc
xdotool key ctrl+Tab
wait_for 10 message_box_shown || fail "Ctrl+Tab away from text that is not a number said nothing"
# Without a window manager the box may be mapped before it has the keyboard: give it the
# focus, and press Return again if the first one went elsewhere.
answer_message_box() {
  local box
  box=$(message_box)
  [ -n "$box" ] || return 0
  xdotool mousemove --window "$box" 10 10
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  wait_for 3 no_message_box
}
closed=
for _ in 1 2 3; do answer_message_box && closed=yes && break; done
[ -n "$closed" ] || fail "the message did not close"
xdotool type --delay 20 110
xdotool key ctrl+a ctrl+c
wait_for 5 clipboard_is 110 ||
  fail "after the refusal the typed keys did not reach the field ($(clipboard))"

# Ctrl+Tab and Ctrl+Shift+Tab from a drop-down list (which would take them for itself), and a
# launch page field's mnemonic.
xdotool key Tab # from Diameter to its unit list
xdotool key ctrl+Tab ctrl+Tab
sleep 0.5
xdotool key alt+p ctrl+a ctrl+c # Initial Pressure
wait_for 5 clipboard_is 60 ||
  fail "Ctrl+Tab from a drop-down list and Alt+P did not reach Initial Pressure ($(clipboard))"
xdotool key Tab # to its unit list
xdotool key ctrl+shift+Tab ctrl+shift+Tab
sleep 0.5
xdotool key alt+d ctrl+a ctrl+c
wait_for 5 clipboard_is 110 ||
  fail "Ctrl+Shift+Tab from a drop-down list did not come back to the rocket page ($(clipboard))"

# To the Simulate page (the fifth tab), run, open the full-screen graph.
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.5
xdotool key alt+s
# The Full Screen button appears when the run has ended: ask again until it opens.
open_full_screen() {
  focus_sheet
  xdotool key alt+f
  wait_for 2 full_screen_mapped
}
opened=
for _ in $(seq 15); do open_full_screen && opened=yes && break; done
[ -n "$opened" ] || fail "the full-screen graph was never mapped"
full=$(window_titled 'Graph - Hydrolofter')
echo "full-screen graph mapped: $(size_of "$full")"
[ "$(size_of "$full")" = "$screen_w $screen_h" ] || fail "the full-screen graph does not fill the screen"
# Still there after the key that opened it has gone up.
sleep 1
full_screen_mapped || fail "the full-screen graph closed on the release of the key that opened it"

xdotool mousemove --window "$full" 100 100
xdotool windowfocus "$full" 2>/dev/null || true
xdotool key space
wait_for 5 no_full_screen || fail "a key did not close the full-screen graph"
sheet_mapped || fail "the sheet went away with the full-screen graph"

# Ctrl+C copies the result, wherever the focus is on the page.
focus_sheet
xdotool key ctrl+c
wait_for 5 clipboard_starts "Height min (m),Height max (m),Time (sec)" ||
  fail "Ctrl+C did not copy the result's CSV (the clipboard: $(clipboard | head -c 80))"

# Export the graph through the real save dialog and the image-size dialog.
exported=$(mktemp -u /tmp/hydrolofter-export-XXXXXX).png
exported_file() { [ -s "$exported" ]; }
focus_sheet
xdotool key alt+x
wait_for 10 titled_shown Export || fail "Export showed no save dialog"
sleep 0.3 # its file name edit takes the focus as it is shown
xdotool key ctrl+a
xdotool type --delay 20 "$exported"
xdotool key Return
wait_for 10 titled_shown "Image Size" || fail "no image size was asked"
xdotool key Return
wait_for 5 exported_file || fail "Export did not write $exported"
file "$exported" | grep -q "PNG image data" || fail "the exported file is not a PNG image"
rm -f "$exported"

# Close the program with the sheet's Close button (bottom right of the sheet).
read -r width height < <(size_of "$sheet")
xdotool mousemove --window "$sheet" $((width - 40)) $((height - 20)) click 1
wait_for 10 program_gone || fail "the program did not exit within 10 s of Close"
wait "$app"
echo "ok ($wm): sheet, Escape, a refused field keeps the keys, full-screen graph, Ctrl+C, export, close"
[ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
exit 0
