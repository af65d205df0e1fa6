# Sourced by startup.sh and memory.sh: builds the logbook and the empty window in
# Release, then makes a throw-away home (removed on exit) whose station F4ZEL has
# a log of $count QSOs at $log. Needs $root, $build and $count.
cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target kvr_zel zel_bare_window zel_text_window >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/ZEL" "$XDG_DATA_HOME/ZEL" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The station's band (20 m) and mode (SSB) as the operator left them.
printf '[Setup%%20]\nIndicatif%%20Station=F4ZEL\n[Setup%%20F4ZEL]\nbande%%20Utilisee=4\nMode%%20Utilise=0\n' \
  > "$XDG_CONFIG_HOME/ZEL/ZEL.conf"
log="$XDG_DATA_HOME/ZEL/F4ZEL_ZEL.log"
python3 "$root/bench/makelog.py" "$count" "$log"
