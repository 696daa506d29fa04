#!/usr/bin/env bash
# The sound server killed while the program plays its cues, then started
# again: the program must connect again by itself, and the next verdict's
# chime must be heard on the new server. Exits 77 (skipped), saying why,
# where the server cannot start.
#   cue-restart.sh CUEPLAYBACK
helper=$1
. "$(dirname "$0")/../../scripts/private-pulseaudio.sh"
command -v parec >/dev/null || { echo "skipped: parec is not installed"; exit 77; }
trap 'exec 3>&- ; kill $app $recorder 2>/dev/null; stop_private_pulseaudio' EXIT
start_private_pulseaudio || exit $?

# Waits (up to 15 s) until the program has its two streams on the server.
streams_up() {
  for _ in $(seq 150); do
    [ "$(pactl list short sink-inputs 2>/dev/null | wc -l)" -ge 2 ] && return 0
    sleep 0.1
  done
  return 1
}

mkfifo "$pulse_home/commands"
QT_QPA_PLATFORM=offscreen "$helper" follow < "$pulse_home/commands" & app=$!
exec 3>"$pulse_home/commands"
streams_up || { echo "FAIL: the program never opened its streams"; exit 1; }
echo Chimes.wav >&3

restart_private_pulseaudio || { echo "skipped: PulseAudio did not start again"; exit 77; }
echo "the server was killed and started again"
# A verdict while the program has no server yet: passed over, no harm done.
echo Chimes.wav >&3
streams_up || { echo "FAIL: the program did not connect to the server again"; exit 1; }
echo "the program connected again"

parec -d cues.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=10 > "$pulse_home/after.raw" & recorder=$!
# Once the recording runs, the next verdict; then until it has 1.5 s more.
for _ in $(seq 50); do [ -s "$pulse_home/after.raw" ] && break; sleep 0.1; done
echo Chimes2.wav >&3
start=$(stat -c %s "$pulse_home/after.raw")
for _ in $(seq 100); do
  [ $(( $(stat -c %s "$pulse_home/after.raw") - start )) -ge $((48000 * 2 * 3 / 2)) ] && break
  sleep 0.1
done
echo quit >&3
wait $app
kill $recorder; wait $recorder 2>/dev/null
QT_QPA_PLATFORM=offscreen "$helper" heard "$pulse_home/after.raw"
