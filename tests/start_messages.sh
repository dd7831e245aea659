#!/bin/sh
# Velmora started on a display that is not there says so in one line and
# exits with 1, instead of Qt's abort with advice to reinstall; started on
# one, it lets Qt's own messages through again once the window is up.
#   start_messages.sh VELMORA
velmora=$1
failed=0

expect_one_line() {
  what=$1
  shift
  output=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@" "$velmora" 2>&1 </dev/null)
  status=$?
  lines=$(printf '%s\n' "$output" | wc -l)
  case "$output" in
    "velmora: cannot open a window on the display ("*) ;;
    *) lines=0 ;;
  esac
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ]; then
    echo "$what: exit status $status, output:"
    printf '%s\n' "$output"
    failed=1
  fi
}

expect_one_line "X server not running" DISPLAY=:9999
runtime=$(mktemp -d)
expect_one_line "Wayland compositor not running" WAYLAND_DISPLAY=velmora-no-such-display \
  XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime"
rmdir "$runtime"
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
