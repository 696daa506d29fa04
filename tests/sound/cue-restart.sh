#!/usr/bin/env bash
# The program's streams broken under it while it plays its cues: first its
# streams killed by the server, then the server itself killed and started
# again. Each time the program must connect again by itself, and the next
# verdict's chime must be heard. Exits 77 (skipped), saying why, where the
# server cannot start.
#   cue-restart.sh CUEPLAYBACK STREAMS   (how many streams the output opens)
helper=$1
streams=$2
. "$(dirname "$0")/../../scripts/private-pulseaudio.sh"
command -v parec >/dev/null || { echo "skipped: parec is not installed"; exit 77; }
trap 'exec 3>&- ; kill $app $recorder 2>/dev/null; stop_private_pulseaudio' EXIT
start_private_pulseaudio || exit $?

# Waits (up to 15 s) until the program has its streams on the server.
streams_up() {
  for _ in $(seq 150); do
    [ "$(pactl list short sink-inputs 2>/dev/null | wc -l)" -ge "$streams" ] && return 0
    sleep 0.1
  done
  return 1
}

# Records the sink while the next verdict's chime plays, then looks for it.
next_verdict_heard() {
  local recording=$pulse_home/$1.raw
  parec -d cues.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=10 > "$recording" & recorder=$!
  # Once the recording runs, the next verdict; then until it has 1.5 s more.
  for _ in $(seq 50); do [ -s "$recording" ] && break; sleep 0.1; done
  echo Chimes2.wav >&3
  local start
  start=$(stat -c %s "$recording")
  for _ in $(seq 100); do
    [ $(( $(stat -c %s "$recording") - start )) -ge $((48000 * 2 * 3 / 2)) ] && break
    sleep 0.1
  done
  kill $recorder; wait $recorder 2>/dev/null
  QT_QPA_PLATFORM=offscreen "$helper" heard "$recording"
}

mkfifo "$pulse_home/commands"
QT_QPA_PLATFORM=offscreen "$helper" follow < "$pulse_home/commands" & app=$!
exec 3>"$pulse_home/commands"
streams_up || { echo "FAIL: the program never opened its streams"; exit 1; }
echo Chimes.wav >&3

# The sink taken away and brought back, as when a headset is unplugged: the
# server kills the streams on it and keeps the connection.
pactl unload-module "$(pactl list short modules | grep module-null-sink | cut -f 1)"
pactl load-module module-null-sink sink_name=cues rate=48000 channels=2 >/dev/null
pactl set-default-sink cues
echo "the program's streams were killed, its connection kept"
echo Chimes.wav >&3
streams_up || { echo "FAIL: the program did not open its streams again"; exit 1; }
echo "the program opened its streams again"
next_verdict_heard after-kill || exit 1

restart_private_pulseaudio || { echo "skipped: PulseAudio did not start again"; exit 77; }
echo "the server was killed and started again"
# A verdict while the program has no server yet: passed over, no harm done.
echo Chimes.wav >&3
streams_up || { echo "FAIL: the program did not connect to the server again"; exit 1; }
echo "the program connected again"
next_verdict_heard after-restart || exit 1
echo quit >&3
wait $app
