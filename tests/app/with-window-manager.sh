#!/usr/bin/env bash
# Runs a test program on a real X display of the given size with a real
# window manager (openbox), as a school's screen has them. Exits 77
# (skipped) where Xvfb or openbox is missing or cannot start, saying which.
#   with-window-manager.sh WIDTHxHEIGHT PROGRAM [ARGS...]
size=$1; shift
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }
command -v openbox >/dev/null || { echo "skipped: openbox is not installed"; exit 77; }
command -v xprop >/dev/null || { echo "skipped: xprop (x11-utils) is not installed"; exit 77; }

# Xvfb picks a free display itself and says which once it serves it, so
# that tests run side by side never share one.
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$wm" "$xvfb" 2>/dev/null; wait "$wm" "$xvfb" 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 600); do [ -s "$ready" ] && break; sleep 0.05; done
[ -s "$ready" ] || { echo "skipped: Xvfb did not start here"; exit 77; }
export DISPLAY=":$(head -n1 "$ready")"
# The window manager is in charge once it names itself on the root window.
# One that ends before it is (as on a busy machine now and then) is started
# again, up to three times.
in_charge() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in 1 2 3; do
  openbox >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 600); do in_charge || ! kill -0 "$wm" 2>/dev/null && break; sleep 0.05; done
  in_charge && break
  kill -0 "$wm" 2>/dev/null && break # still there, but not in charge: give up
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
  || { echo "skipped: openbox did not take charge of the display"; exit 77; }
QT_QPA_PLATFORM=xcb "$@"
