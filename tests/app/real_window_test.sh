#!/usr/bin/env bash
# Starts the built program in a real X server and checks its window title;
# leaves a screenshot (main-window.xwd) in the working folder.
set -euo pipefail
binary="$1"
unset QT_QPA_PLATFORM
export LUMARO_HOME="$(mktemp -d)"
log="$(mktemp)"
trap 'rm -rf "$LUMARO_HOME" "$log"' EXIT
export LOG="$log"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" > "$LOG" 2>&1 & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  title=""
  for _ in $(seq 1 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "Lumaro ended before its window appeared:"; cat "$LOG"; exit 1
    fi
    for wid in $(xdotool search --name "Lumaro" 2>/dev/null || true); do
      name=$(xdotool getwindowname "$wid" 2>/dev/null || true)
      [ "$name" = " Lumaro 1.1" ] && title="$name"
    done
    [ -n "$title" ] && break
    sleep 0.1
  done
  if [ -z "$title" ]; then
    echo "no window titled \" Lumaro 1.1\" appeared; windows seen:"
    for wid in $(xdotool search --name "." 2>/dev/null || true); do
      echo "  [$(xdotool getwindowname "$wid" 2>/dev/null || true)]"
    done
    cat "$LOG"; exit 1
  fi
  xwd -root -silent > main-window.xwd || true
  echo "window title: [$title]"
' "$binary"
