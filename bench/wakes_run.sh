#!/usr/bin/env bash
# One desktop's part of bench/wakes, run inside tests/x11/on_xvfb or
# tests/wayland/on_compositor: starts the game, and counts the voluntary
# context switches of each of its threads over SECONDS at rest before a
# deal, while the clock runs, while paused, and after a give-up's time-out,
# with the keys a player would press (F10 opens the game menu: Enter deals;
# Down, Enter pauses; Down, Down, Enter gives up while paused). Prints one
# line a state and thread: "STATE THREAD SWITCHES", and saves a picture of
# each state in PICTURES (a folder) when one is given.
# Usage: wakes_run.sh SECONDS [PICTURES]
set -euo pipefail
seconds=$1
pictures=${2:-}
keys_display=${MEPO_HOST_DISPLAY:-$DISPLAY}
log=$(mktemp)
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  env -u QT_QPA_PLATFORM build/default/ui/mepo 2>"$log" &
else
  build/default/ui/mepo 2>"$log" &
fi
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

# Every thread's "TID NAME SWITCHES".
threads() {
  for t in /proc/"$pid"/task/*; do
    [ -r "$t/status" ] || continue
    printf '%s %s %s\n' "${t##*/}" "$(tr ' ' _ <"$t/comm")" "$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$t/status")"
  done
}
# The switches of each thread over the next SECONDS, as "STATE NAME COUNT"
# (threads of one name added up; a thread born meanwhile counts from 0).
sample() {
  local state=$1 before
  before=$(threads)
  sleep "$seconds"
  kill -0 "$pid" 2>/dev/null || { echo "the game has ended" >&2; exit 1; }
  awk -v state="$state" 'NR == FNR { was[$1] = $3; next }
    { n[$2] += $3 - ($1 in was ? was[$1] : 0) }
    END { for (t in n) print state, t, n[t] }' <(echo "$before") <(threads) | sort -k3,3nr
  if [ -n "$pictures" ]; then
    if [ -n "${MEPO_COMPOSITOR_WINDOW:-}" ]; then
      DISPLAY=$keys_display import -window "$MEPO_COMPOSITOR_WINDOW" "$pictures/$state.png"
    else
      import -window root "$pictures/$state.png"
    fi
  fi
}
press() { DISPLAY=$keys_display xdotool key "$@"; sleep 0.4; }

# The window up and the start-up's work done: no switch in the main thread
# for a second (20 s at most).
last=-1
for _ in $(seq 40); do
  now=$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "/proc/$pid/status")
  [ "$now" = "$last" ] && break
  last=$now
  sleep 1
done

main_switches() { awk '/^voluntary_ctxt_switches:/ { print $2 }' "/proc/$pid/status"; }
# A key typed first can be lost while the desktop hands the window the
# keyboard: a harmless one first.
press Escape
sample rest
# The deal, seen by the clock's first ticks waking the game; tried again
# should the keys have been lost.
for try in 1 2 3; do
  was=$(main_switches)
  press F10; press Return
  sleep 2.5
  [ $(($(main_switches) - was)) -ge 2 ] && break
  [ "$try" = 3 ] && { echo "the deal's keys did not reach the game" >&2; exit 1; }
  press Escape; press Escape
done
sample running
press F10; press Down; press Return
sleep 1
sample paused
press F10; press Down; press Down; press Return
sleep 3  # the last second ticks away, then the board goes blank
sample timed-out
[ -s "$log" ] && { echo "the game wrote on its standard error:" >&2; cat "$log" >&2; }
exit 0
