#!/usr/bin/env bash
# Starts the real program under a real X server with a prepared station, waits for
# its main window, quits it with Ctrl+Q and checks that it ended cleanly.
# Arguments: the program, and its version as the build gives it (the caption shows it).
set -u
exe="$1"
version="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/ZEL" "$XDG_DATA_HOME/ZEL" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Setup%%20]\nIndicatif%%20Station=SMOKE1\n' > "$XDG_CONFIG_HOME/ZEL/ZEL.conf"
: > "$XDG_DATA_HOME/ZEL/SMOKE1_ZEL.log"

cat > "$work/drive.sh" <<'INNER'
#!/usr/bin/env bash
"$1" & pid=$!
win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --name "KVR_ZEL    Revision  $2" 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.2
done
if [ -z "$win" ]; then echo "main window did not appear"; kill $pid; exit 1; fi
echo "main window $win"
sleep 1
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.2
done
if kill -0 $pid 2>/dev/null; then echo "program did not quit"; kill -9 $pid; exit 1; fi
wait $pid
rc=$?
echo "exit code $rc"
exit $rc
INNER
chmod +x "$work/drive.sh"
"$(dirname "$0")/../withx.sh" 1024x768 "$work/drive.sh" "$exe" "$version"
