#!/usr/bin/env bash
# Runs a command under its own Xvfb server. The server picks a free display itself
# (-displayfd), so runs started together never race for the same display number.
# Usage: withx.sh WIDTHxHEIGHT command [args...]
set -u
size="$1"; shift
dir=$(mktemp -d)
trap 'kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xpid=$!
for _ in $(seq 1 100); do
  [ -s "$dir/display" ] && break
  kill -0 "$xpid" 2>/dev/null || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb gave no display"; exit 1; }
export DISPLAY=":$(head -1 "$dir/display")"
"$@"
