#!/usr/bin/env bash
# The program started where it cannot show a window: one clear line on
# stderr and a non-zero status, never a crash, a hang or a screenful of Qt text.
#   startup-without-display.sh PROGRAM none|missing|wayland
program=$1

# An X display number that nothing serves: no socket (on a path or in the
# abstract namespace) and no lock file.
absent_display() {
  local n
  for n in $(seq 97 999); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
    echo ":$n"; return
  done
}

case $2 in
  none)    expected="no display to open the window on"
           out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" 2>&1); status=$? ;;
  missing) display=$(absent_display)
           expected="cannot open a window on the X display $display"
           out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" timeout 20 "$program" 2>&1); status=$? ;;
  wayland) runtime=$(mktemp -d)
           expected="cannot open a window on the Wayland display shootalot-absent"
           out=$(env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=shootalot-absent \
                     QT_QPA_PLATFORM=wayland timeout 20 "$program" 2>&1); status=$?
           rmdir "$runtime" ;;
esac
echo "status $status: $out"
[ "$status" -ne 124 ] || { echo "the program hung"; exit 1; }
[ "$status" -ne 0 ] && [ "$status" -lt 128 ] || { echo "expected a non-zero status, not a crash"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "expected one line"; exit 1; }
[[ "$out" == *"$expected"* ]] || { echo "expected: $expected"; exit 1; }
