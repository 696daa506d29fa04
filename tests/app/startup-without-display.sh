#!/usr/bin/env bash
# The program started where it cannot show a window: one clear line on
# stderr and a non-zero status, never a crash or a screenful of Qt text.
#   startup-without-display.sh PROGRAM none|missing
program=$1
case $2 in
  none)    expected="no display to open the window on"
           out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1); status=$? ;;
  missing) expected="cannot open a window on the display :97"
           out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 "$program" 2>&1); status=$? ;;
esac
echo "status $status: $out"
[ "$status" -ne 0 ] && [ "$status" -lt 128 ] || { echo "expected a non-zero status, not a crash"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "expected one line"; exit 1; }
[[ "$out" == *"$expected"* ]] || { echo "expected: $expected"; exit 1; }
