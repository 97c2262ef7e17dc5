# Orca with its speech written to its debug log (no speech server needed),
# for a script that has a session bus and an X server (see orca_plays).
# Sourced: orca_start DEBUG_LOG OUTPUT starts it and sets $orca, once it
# has said "Screen reader on"; orca_stop ends it. Its settings are the ones
# under $HOME, which the caller makes fresh.

# Orca opens its debug log block-buffered, so its last lines would wait in
# memory: it is started with that one file opened line by line.
orca_start() {
  local log=$1 output=$2 starter
  starter=$(mktemp --suffix=.py)
  cat >"$starter" <<'PY'
import builtins, runpy, sys
_open, log = builtins.open, sys.argv[1]
def line_buffered(file, mode="r", *args, **kw):
    if file == log and "w" in mode and not args and "buffering" not in kw:
        return _open(file, mode, 1, **kw)
    return _open(file, mode, *args, **kw)
builtins.open = line_buffered
sys.argv = ["orca", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
  # Started again should it fail to reach the accessibility bus, whose
  # registry may be slow to come on a loaded machine (up to three times).
  for _ in 1 2 3; do
    /usr/bin/python3 "$starter" "$log" >"$output" 2>&1 &
    orca=$!
    for _ in $(seq 300); do
      if grep -q "SPEECH OUTPUT: 'Screen reader on" "$log" 2>/dev/null; then
        rm -f "$starter"
        return 0
      fi
      kill -0 "$orca" 2>/dev/null || break
      sleep 0.1
    done
    kill "$orca" 2>/dev/null || true
    wait "$orca" 2>/dev/null || true
    echo "${0##*/}: Orca did not start, once more" >&2
  done
  rm -f "$starter"
}

# Orca may take its time to end, or never: it is given a second.
orca_stop() {
  [ -n "${orca:-}" ] || return 0
  kill "$orca" 2>/dev/null || true
  for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$orca" 2>/dev/null || true
  orca=
}
