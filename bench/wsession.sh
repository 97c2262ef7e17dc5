# Sourced by the benchmark scripts: a private Wayland compositor, weston,
# headless (no screen, no input), drawing its 1366x768 output with the CPU,
# without a panel. Started once by w_start, stopped by w_stop, which the
# script sourcing this file calls from its EXIT trap. Installs weston when
# missing.

w_start() {
  if ! command -v weston >/dev/null; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: weston" >&2
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends weston >/dev/null
  fi
  W_TMP=$(mktemp -d)
  mkdir -m 700 "$W_TMP/runtime"
  printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\n' >"$W_TMP/weston.ini"
  XDG_RUNTIME_DIR="$W_TMP/runtime" weston --config="$W_TMP/weston.ini" --backend=headless-backend.so \
    --width=1366 --height=768 --use-pixman --socket=wl-mepo-bench >"$W_TMP/weston.log" 2>&1 &
  W_PID=$!
  local i
  for i in $(seq 100); do
    [ -S "$W_TMP/runtime/wl-mepo-bench" ] && break
    kill -0 "$W_PID" 2>/dev/null || { cat "$W_TMP/weston.log" >&2; return 1; }
    sleep 0.1
  done
  [ -S "$W_TMP/runtime/wl-mepo-bench" ] || { echo "weston did not start" >&2; return 1; }
  export W_RUNTIME="$W_TMP/runtime" W_DISPLAY=wl-mepo-bench
}

w_stop() {
  [ -n "${W_PID:-}" ] && kill "$W_PID" 2>/dev/null && wait "$W_PID" 2>/dev/null
  [ -n "${W_TMP:-}" ] && rm -rf "$W_TMP"
  W_PID="" W_TMP=""
  return 0
}
