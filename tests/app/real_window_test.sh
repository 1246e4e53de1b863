#!/usr/bin/env bash
# Starts the built program in a real X server and checks its window title;
# leaves a screenshot (main-window.xwd) in the working folder.
set -euo pipefail
binary="$1"
unset QT_QPA_PLATFORM
export LUMARO_HOME="$(mktemp -d)"
trap 'rm -rf "$LUMARO_HOME"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  wid=""
  for _ in $(seq 1 100); do
    wid=$(xdotool search --name "Lumaro 1.1" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.2
  done
  [ -n "$wid" ] || { echo "no Lumaro window appeared"; exit 1; }
  title=$(xdotool getwindowname "$wid")
  xwd -root -silent > main-window.xwd || true
  if [ "$title" != " Lumaro 1.1" ]; then
    echo "unexpected title: [$title]"; exit 1
  fi
  echo "window title: [$title]"
' "$binary"
