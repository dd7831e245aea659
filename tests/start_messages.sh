#!/bin/sh
# Velmora started on a display that is not there, or on Wayland without Qt's
# Wayland plugin, says so in one line and exits with 1, instead of Qt's abort
# with advice to reinstall; started on one, it lets Qt's own messages through
# again once the window is up.
#   start_messages.sh VELMORA
velmora=$1
failed=0

expect_one_line() {
  what=$1
  said=$2
  shift 2
  output=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@" "$velmora" 2>&1 </dev/null)
  status=$?
  lines=$(printf '%s\n' "$output" | wc -l)
  case "$output" in
    "velmora: $said"*) ;;
    *) lines=0 ;;
  esac
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ]; then
    echo "$what: exit status $status, output:"
    printf '%s\n' "$output"
    failed=1
  fi
}

display="cannot open a window on the display ("
expect_one_line "X server not running" "$display" DISPLAY=:9999
runtime=$(mktemp -d)
expect_one_line "Wayland compositor not running" "$display" WAYLAND_DISPLAY=velmora-no-such-display \
  XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime"
# Qt without its Wayland plugin: a copy of the program whose qt.conf gives it no plugins.
cp "$velmora" "$runtime/velmora"
printf '[Paths]\nPlugins=%s\n' "$runtime" >"$runtime/qt.conf"
velmora=$runtime/velmora expect_one_line "no Wayland plugin" \
  "cannot open a window on Wayland (WAYLAND_DISPLAY=wayland-0): Qt's Wayland plugin is not installed; install qt6-wayland, or start it under X11 with QT_QPA_PLATFORM=xcb" \
  WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime"
rm -r "$runtime"
# Qt's offscreen platform warns as the fixed-size window is shown.
log=$(mktemp)
QT_QPA_PLATFORM=offscreen "$velmora" 2>"$log" </dev/null &
pid=$!
for _ in $(seq 100); do
  grep -q propagateSizeHints "$log" && break
  sleep 0.1
done
kill "$pid"
if ! grep -q propagateSizeHints "$log"; then
  echo "no warning of Qt's passed on after start:"
  cat "$log"
  failed=1
fi
rm -f "$log"
exit $failed
