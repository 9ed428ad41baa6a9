#!/usr/bin/env bash
# Runs a command on an X server of its own: the studio's tests run in parallel,
# and a shared server would share its input focus and its clipboard between them.
set -u
dir=$(mktemp -d)
trap 'kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -rf "$dir"' EXIT
# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
xpid=$!
for _ in $(seq 600); do
  [ -s "$dir/display" ] && break
  kill -0 "$xpid" 2>/dev/null || { cat "$dir/log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$dir/display")" "$@"
