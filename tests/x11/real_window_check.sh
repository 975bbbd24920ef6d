#!/usr/bin/env bash
# Drives the real program in a real X server (Xvfb), once under a window manager and once
# without: the offscreen platform of the other tests cannot see windows that are never
# mapped, keyboard focus or full-screen state. Usage: real_window_check.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null ||
   ! command -v xwininfo >/dev/null || ! command -v openbox >/dev/null; then
  echo "real_window_check: xvfb-run, xdotool, xwininfo and openbox are needed (scripts/setup-deps)"
  exit 1
fi

status=0
for wm in openbox none; do
  echo "== with window manager: $wm"
  if ! timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
      "$here/real_window_session.sh" "$program" "$wm"; then
    status=1
  fi
done
exit $status
