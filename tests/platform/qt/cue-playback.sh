#!/usr/bin/env bash
# The cue player against a real sound server: a private PulseAudio (its own
# HOME and runtime folder, a null sink, no autospawn) whose sink's monitor is
# recorded while the player plays; then the recording is checked. Exits 77
# (skipped), saying why, where the server cannot start.
#   cue-playback.sh CUEPLAYBACK
helper=$1
for tool in pulseaudio parec pactl; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_RUNTIME_DIR=$home/runtime PULSE_SERVER=unix:$home/runtime/pulse/native
printf 'autospawn = no\n' > "$home/client.conf"
export PULSE_CLIENTCONFIG=$home/client.conf
cleanup() { kill "$recorder" "$server" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  -L "module-null-sink sink_name=cues rate=48000 channels=2" -L module-native-protocol-unix \
  --log-target=file:"$home/server.log" &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "skipped: PulseAudio did not start here"; cat "$home/server.log"; exit 77; }
pactl set-default-sink cues

parec -d cues.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=10 > "$home/recording.raw" &
recorder=$!
sleep 0.3
QT_QPA_PLATFORM=offscreen "$helper" play || { echo "the player failed"; exit 1; }
sleep 0.2
kill "$recorder"; wait "$recorder" 2>/dev/null
cp "$home/recording.raw" /tmp/last-recording.raw 2>/dev/null; QT_QPA_PLATFORM=offscreen "$helper" check "$home/recording.raw"
