#!/usr/bin/env bash
# Screenshots of the real program on the screens README.md shows, each a
# virtual X display with a real window manager (openbox): the main window
# maximised on a 1920 x 1080 projector, and fitted to a 1366 x 768 laptop
# at 125 %. A few seconds of automatic firing are shown on each. Then the
# Results window opened beside the main window on the projector (F2), and
# both put side by side on the laptop (Alt+D), after three runs of 100.
#   screens.sh PROGRAM DIR
if [ "${1:-}" = --inside ]; then
  program=$2 maximise=$3 file=$4 results=$5
  title="Even those who shoot bad guns will hit it"
  (cd "$(mktemp -d)" && exec "$program") & app=$!
  trap 'kill $app 2>/dev/null' EXIT
  for _ in $(seq 100); do xdotool search --name "Setting the number of shots" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 0.5
  xdotool key Return; sleep 0.5
  if [ "$maximise" = yes ]; then # a double click on the title bar, as a teacher would
    info=$(xwininfo -name "$(xdotool search --name "$title" getwindowname | head -n1)")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    xdotool mousemove $((x + 60)) $((y - 8)) click --repeat 2 --delay 80 1; sleep 1
  fi
  xdotool key Tab Tab space   # AutoStart, from the keyboard
  sleep 4
  xdotool key space           # the focus went on to AutoStop
  sleep 0.5
  if [ "$results" != none ]; then
    xdotool key F2
    for _ in $(seq 100); do xdotool search --name "^Results$" >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1.5
    for _ in 1 2 3; do xdotool key alt+1; sleep 0.4; done # Run 100
    [ "$results" = side ] && xdotool key alt+d
    sleep 1.5
  fi
  xdotool mousemove 0 0
  import -window root "$file"
  echo "wrote $file"
  exit 0
fi

program=$(realpath "$1")
out=$(realpath "$2")
here=$(dirname "$(realpath "$0")")

shoot() { # size scale maximise file results(none, beside or side)
  local size=$1 scale=$2 maximise=$3 file=$4 results=$5
  QT_SCALE_FACTOR=$scale bash "$here/../tests/app/with-window-manager.sh" "$size" \
    bash "$here/screens.sh" --inside "$program" "$maximise" "$out/$file" "$results"
}

shoot 1920x1080 1 yes main-window-projector.png none
shoot 1366x768 1.25 no main-window-laptop.png none
shoot 1920x1080 1 no results-beside-projector.png beside
shoot 1366x768 1.25 no side-by-side-laptop.png side
