# A private Xvfb, for the scripts that start one (on_xvfb, on_compositor).
# Sourced: xvfb_start SIZE LOG starts it on a free display and returns once
# it answers a client, setting $xvfb_pid and $xvfb_display (":N").
#
# Xvfb writes its display number once it listens, but a client that connects
# at once is sometimes turned away while other servers start and stop beside
# it: this waits until a client is let in. Without -noreset, that client's
# leaving would reset the server, and a client connecting meanwhile would be
# turned away. A server that fails is ended before the error returns.
xvfb_start() {
  local size=$1 log=$2 numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$numberfile" >"$log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$numberfile" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$log" >&2; rm -f "$numberfile"; echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  [ -s "$numberfile" ] || { rm -f "$numberfile"; kill "$xvfb_pid" 2>/dev/null || true; echo "Xvfb did not start" >&2; return 1; }
  xvfb_display=":$(head -n1 "$numberfile")"
  rm -f "$numberfile"
  for _ in $(seq 100); do
    xprop -display "$xvfb_display" -root >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$log" >&2
  echo "Xvfb on $xvfb_display does not answer" >&2
  kill "$xvfb_pid" 2>/dev/null || true
  return 1
}
