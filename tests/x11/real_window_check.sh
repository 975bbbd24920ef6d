#!/usr/bin/env bash
# Drives the real program in a real X server (Xvfb), once under a window manager and once
# without: the offscreen platform of the other tests cannot see windows that are never
# mapped, keyboard focus or full-screen state. Usage: real_window_check.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run xdotool xwininfo xdpyinfo openbox xclip; do
  if ! command -v "$tool" >/dev/null; then
    echo "real_window_check: $tool is needed (scripts/setup-deps)"
    exit 1
  fi
done

status=0
for session in "openbox 1" "none 1" "openbox 1.5" "openbox 2"; do
  echo "== window manager and scale: $session"
  # A session whose X server did not start (status 3) is run again on a fresh one.
  for attempt in 1 2 3; do
    # shellcheck disable=SC2086 # two words: the window manager and the scale
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
      "$here/real_window_session.sh" "$program" $session
    result=$?
    [ "$result" -ne 3 ] && break
    echo "(attempt $attempt: the X server did not start; again)"
  done
  [ "$result" -eq 0 ] || status=1
done
exit $status
