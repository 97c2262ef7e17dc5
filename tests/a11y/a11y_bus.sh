# AT-SPI's accessibility bus, for a script run by dbus-run-session around
# x11/on_xvfb. Sourced: a11y_bus_start starts it, as the session bus's first
# call for it does. The session bus starts the bus launcher with its own
# environment unless told otherwise, and a launcher keeps its socket in
# XDG_RUNTIME_DIR, else in ~/.cache/at-spi/bus, which every launcher of the
# same user then shares: two tests side by side would replace or remove each
# other's bus. It gets the session's own XDG_RUNTIME_DIR (fresh from
# on_xvfb) and HOME first.
a11y_bus_start() {
  dbus-update-activation-environment XDG_RUNTIME_DIR HOME
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
}
