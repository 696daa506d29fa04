#!/usr/bin/env bash
# The real program on a Wayland compositor (weston, headless), natively: it
# must open its window with the desktop entry's app id and reach the
# shot-count box. Exits 77 (skipped) where weston or Qt's Wayland plugin is
# missing, saying which.
#   wayland-native.sh PROGRAM
program=$1
command -v weston >/dev/null || { echo "skipped: weston is not installed"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null \
  || { echo "skipped: Qt's Wayland platform plugin (qt6-wayland) is not installed"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
log=$(mktemp)
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime" "$log"' EXIT
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=shootalot-test \
  --idle-time=0 >/dev/null 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$runtime/shootalot-test" ] && break; sleep 0.1; done
[ -S "$runtime/shootalot-test" ] || { echo "skipped: weston did not start here"; exit 77; }

# The program waits in its shot-count box until it is stopped.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=shootalot-test QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=client timeout 5 "$program" 2>"$log"
status=$?
[ "$status" -eq 124 ] || { echo "the program ended with status $status"; grep -v '^\[' "$log"; exit 1; }
for expected in 'set_app_id("org.shootalot.ShootALot")' \
                'set_title("Even those who shoot bad guns will hit it if they shoot a lot' \
                'set_title("Setting the number of shots of the gun")'; do
  grep -qF "$expected" "$log" || { echo "missing from the Wayland conversation: $expected"; exit 1; }
done
echo "the main window and the shot-count box opened natively on Wayland, app id org.shootalot.ShootALot"
