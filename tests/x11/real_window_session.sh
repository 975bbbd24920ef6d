#!/usr/bin/env bash
# One session of real_window_check.sh, inside xvfb-run: PROGRAM WM (openbox or none).
set -uo pipefail
program=$1
wm=$2
screen_size=1280x1024

fail() {
  echo "FAIL ($wm): $*"
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

# The program's top-level windows that are mapped, as "id WIDTHxHEIGHT" lines.
mapped_windows() {
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    local size
    size=$(xwininfo -id "$w" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    echo "$w $size"
  done
}

sheet_mapped() { mapped_windows | grep -qv " $screen_size\$"; }
full_screen_mapped() { mapped_windows | grep -q " $screen_size\$"; }
no_full_screen() { ! full_screen_mapped; }
program_gone() { ! kill -0 "$app" 2>/dev/null; }

wm_pid=
if [ "$wm" = openbox ]; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  sleep 1
fi

# Leak checking of the toolkit's own allocations is not this check's business.
ASAN_OPTIONS=detect_leaks=0 "$program" >/dev/null 2>&1 &
app=$!

wait_for 20 sheet_mapped || fail "the sheet was never mapped"
sheet=$(mapped_windows | head -n 1 | cut -d' ' -f1)
focus_sheet() {
  xdotool mousemove --window "$sheet" 20 20
  xdotool windowfocus --sync "$sheet" 2>/dev/null || true
}
focus_sheet

# Escape in an edit must not close the sheet.
xdotool key Escape
sleep 1
sheet_mapped || fail "Escape closed the sheet"

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
[ -n "$opened" ] || fail "the full-screen graph was never mapped at $screen_size"
geometry=$(mapped_windows | grep " $screen_size\$")
echo "full-screen graph mapped: $geometry"
full=$(echo "$geometry" | cut -d' ' -f1)
# Still there after the key that opened it has gone up.
sleep 1
full_screen_mapped || fail "the full-screen graph closed on the release of the key that opened it"

xdotool mousemove --window "$full" 100 100
xdotool windowfocus "$full" 2>/dev/null || true
xdotool key space
wait_for 5 no_full_screen || fail "a key did not close the full-screen graph"
sheet_mapped || fail "the sheet went away with the full-screen graph"

# Export the graph through the real save dialog and the image-size dialog.
exported=$(mktemp -u /tmp/hydrolofter-export-XXXXXX).png
exported_file() { [ -s "$exported" ]; }
focus_sheet
xdotool key alt+x
sleep 1.5
xdotool key ctrl+a
xdotool type --delay 20 "$exported"
xdotool key Return
sleep 1
xdotool key Return
wait_for 5 exported_file || fail "Export did not write $exported"
file "$exported" | grep -q "PNG image data" || fail "the exported file is not a PNG image"
rm -f "$exported"

# Close the program with the sheet's Close button (bottom right of the sheet).
read -r width height < <(xwininfo -id "$sheet" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
xdotool mousemove --window "$sheet" $((width - 40)) $((height - 20)) click 1
wait_for 10 program_gone || fail "the program did not exit within 10 s of Close"
wait "$app"
echo "ok ($wm): sheet, Escape, full-screen graph, export, close"
[ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
exit 0
