#!/usr/bin/env bash
# A working folder that hangs, as a network home folder does when its server
# is gone: every stat and open of the cue files in it waits 30 s (strace
# delays them). The real program is started there on a display with a
# window manager; N = 5 is entered and Firing pressed five times (a verdict's
# chime is due), then Exit and OK. The process must be over long before any of those calls would
# have returned: nothing of it may wait on the folder. Exits 77 (skipped),
# saying why, where a part is missing.
#   stalled-folder.sh PROGRAM       (run inside with-window-manager.sh)
program=$1
command -v strace >/dev/null || { echo "skipped: strace is not installed"; exit 77; }
command -v xdotool >/dev/null || { echo "skipped: xdotool is not installed"; exit 77; }

work=$(mktemp -d)
trap 'kill "$tracer" 2>/dev/null; rm -rf "$work"' EXIT
here=$(dirname "$(realpath "$0")")
cp "$here/../../resources/cues/Chimes.wav" "$here/../../resources/cues/Chimes2.wav" "$work/"
cd "$work" || exit 1
delay=30000000 # µs
strace -f -o "$work/strace.log" -e trace=%stat,openat -e inject=%stat,openat:delay_enter=$delay \
  -P "$work/Chimes.wav" -P "$work/Chimes2.wav" "$program" >/dev/null 2>&1 & tracer=$!

wait_for() { # a window title
  for _ in $(seq 600); do xdotool search --name "$1" >/dev/null 2>&1 && return 0; sleep 0.05; done
  echo "the window \"$1\" never showed"; exit 1
}
wait_for "Setting the number of shots of the gun"
pid=$(pgrep -P "$tracer" -x shootalot)
[ -n "$pid" ] || { echo "the program did not start under strace"; exit 1; }
xdotool key ctrl+a; xdotool type 5; xdotool key Return  # N = 5
wait_for "Even those who shoot bad guns will hit it"
sleep 0.3
xdotool key Tab                             # from the plot to Firing
for _ in 1 2 3 4 5; do xdotool key space; sleep 0.1; done  # a verdict: its chime is due
xdotool key Tab Tab space                   # Exit
wait_for "^Even those who shoots bad guns$"
for _ in $(seq 100); do grep -q "Chimes.*wav" "$work/strace.log" && break; sleep 0.05; done
grep -q "Chimes.*wav" "$work/strace.log" || { echo "the program never looked for the cue files"; exit 1; }
started=$(date +%s%N)
xdotool key Return                          # OK
# Over once no thread of it is left running (strace, its tracer, reaps it
# only after the delay it is serving).
for _ in $(seq 200); do
  state=$(sed -n 's/^State:\s*\(.\).*/\1/p' "/proc/$pid/status" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = Z ] && break
  sleep 0.05
done
ended=$(( ($(date +%s%N) - started) / 1000000 ))
[ -z "$state" ] || [ "$state" = Z ] || { echo "the program was still running 10 s after OK"; exit 1; }
echo "the program ended $ended ms after OK, with its calls to the folder held for 30 s"
