# Sourced by the benchmark scripts: a private X server (Xvfb, 1280x900, 24
# bits) with a window manager (openbox), as on a player's desktop: windows
# get frames, and the window manager places and sizes them. Started once by
# x_start, stopped by x_stop, which the script sourcing this file calls from
# its EXIT trap (one trap for every server it starts). Installs xvfb and
# openbox when missing. Needs build/default/bench/mepo_x11_launch.

x_start() {
  local need=()
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v openbox >/dev/null || need+=(openbox)
  if [ ${#need[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${need[*]}" >&2
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  fi

  X_TMP=$(mktemp -d)
  # Xvfb picks a free display itself and writes its number once it listens.
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$X_TMP/display" >"$X_TMP/xvfb.log" 2>&1 &
  X_SERVER_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$X_TMP/display" ] && break
    kill -0 "$X_SERVER_PID" 2>/dev/null || { cat "$X_TMP/xvfb.log" >&2; return 1; }
    sleep 0.1
  done
  [ -s "$X_TMP/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$X_TMP/display")"
  export QT_QPA_PLATFORM=xcb
  # The same private runtime folder for every program started here.
  mkdir -m 700 "$X_TMP/runtime"
  export XDG_RUNTIME_DIR="$X_TMP/runtime"

  openbox >"$X_TMP/openbox.log" 2>&1 &
  X_WM_PID=$!
  build/default/bench/mepo_x11_launch --wait-wm --timeout 10 >/dev/null || {
    echo "openbox did not start on $DISPLAY" >&2
    return 1
  }
}

x_stop() {
  [ -n "${X_WM_PID:-}" ] && kill "$X_WM_PID" 2>/dev/null && wait "$X_WM_PID" 2>/dev/null
  [ -n "${X_SERVER_PID:-}" ] && kill "$X_SERVER_PID" 2>/dev/null && wait "$X_SERVER_PID" 2>/dev/null
  [ -n "${X_TMP:-}" ] && rm -rf "$X_TMP"
  X_WM_PID="" X_SERVER_PID="" X_TMP=""
  return 0
}
