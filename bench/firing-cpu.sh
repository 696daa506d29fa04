#!/usr/bin/env bash
# The CPU the real program uses while AutoStart fires at N = 5, against the
# same program at rest, as a classroom's desktop has it: an X display with a
# window manager, the accessibility bus on (as a screen reader's desktop
# has it) and a sound server playing the cues (a private PulseAudio). Five
# runs of 20 s each; prints the median, in percent of one core, and each run's
# figure while firing: this machine's speed varies from run to run. Given the
# probe, a bare Qt window whose one label ticks at the same pace is measured
# in the same runs: what this machine charges any window for that pace. The
# sound server's own CPU while the program fires is printed too: it renders
# at the cues' latency, which is part of what the cues cost the machine.
#   firing-cpu.sh PROGRAM [PROBE]
# Says why and measures nothing where a part is missing.
set -u
program=$(realpath "$1")
probe=${2:+$(realpath "$2")}
if [ -z "${FIRING_CPU_INSIDE:-}" ]; then
  for tool in xvfb-run dbus-run-session openbox xdotool; do
    command -v $tool >/dev/null || { echo "CPU while firing: not measured ($tool is not installed)"; exit 0; }
  done
  export FIRING_CPU_INSIDE=1
  # The buses' own chatter on standard error is not ours to print.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$0" "$program" ${probe:+"$probe"} 2>/dev/null
fi
. "$(dirname "$0")/../scripts/private-pulseaudio.sh"
start_private_pulseaudio >/dev/null || { echo "CPU while firing: not measured (no sound server)"; exit 0; }
trap 'kill $app $wm $bus 2>/dev/null; stop_private_pulseaudio' EXIT
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
openbox >/dev/null 2>&1 & wm=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

ticks() { awk '{print $14 + $15}' /proc/${1:-$app}/stat; }
# Times a thread of the program went to sleep and was woken again, all its
# threads together: on a virtual machine each costs more than its work.
wakes() { cat /proc/${1:-$app}/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
percent() { printf '%.2f' "$(echo "scale=4; 100 * $1 / $(getconf CLK_TCK) / $2" | bc)"; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
# Watches 20 s: sets cpu and woke for the process measured, serverCpu and
# serverWoke for the sound server meanwhile.
watch20() {
  local t0 w0 s0 v0
  t0=$(ticks); w0=$(wakes); s0=$(ticks $pulse_pid); v0=$(wakes $pulse_pid)
  sleep 20
  cpu=$(percent $(( $(ticks) - t0 )) 20); woke=$(( ($(wakes) - w0) / 20 ))
  serverCpu=$(percent $(( $(ticks $pulse_pid) - s0 )) 20); serverWoke=$(( ($(wakes $pulse_pid) - v0) / 20 ))
}
rest=(); firing=(); restWakes=(); firingWakes=(); ticking=(); tickingWakes=(); server=(); serverWakes=()
for run in 1 2 3 4 5; do
  work=$(mktemp -d)
  (cd "$work" && exec "$program" 2>/dev/null) & app=$!
  for _ in $(seq 100); do xdotool search --name "Setting the number" >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool key ctrl+a type 5; xdotool key Return
  for _ in $(seq 100); do xdotool search --name "Shoot a Lot" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  watch20; rest+=($cpu); restWakes+=($woke)
  xdotool key Tab Tab space # Command2: AutoStart
  sleep 1
  watch20; firing+=($cpu); firingWakes+=($woke); server+=($serverCpu); serverWakes+=($serverWoke)
  kill $app; wait $app 2>/dev/null; rm -rf "$work"
  [ -n "$probe" ] || continue
  "$probe" ticking 2>/dev/null & app=$!
  for _ in $(seq 100); do xdotool search --name "Ticking window" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  watch20; ticking+=($cpu); tickingWakes+=($woke)
  kill $app; wait $app 2>/dev/null
done
printf '%-44s %9s %%\n' "CPU at rest, of one core (median of 5 x 20 s)" "$(median "${rest[@]}")"
printf '%-44s %9s %%\n' "CPU while AutoStart fires at N = 5" "$(median "${firing[@]}")"
printf '%-44s %9s\n' "  each run" "${firing[*]}"
printf '%-44s %9s %%\n' "  the sound server meanwhile" "$(median "${server[@]}")"
printf '%-44s %9s /s\n' "  its wake-ups" "$(median "${serverWakes[@]}")"
printf '%-44s %9s /s\n' "wake-ups of its threads: at rest" "$(median "${restWakes[@]}")"
printf '%-44s %9s /s\n' "  while AutoStart fires at N = 5" "$(median "${firingWakes[@]}")"
if [ -n "$probe" ]; then
  printf '%-44s %9s %%\n' "CPU of a bare window ticking as fast" "$(median "${ticking[@]}")"
  printf '%-44s %9s\n' "  each run" "${ticking[*]}"
  printf '%-44s %9s /s\n' "  its wake-ups" "$(median "${tickingWakes[@]}")"
fi
