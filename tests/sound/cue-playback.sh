#!/usr/bin/env bash
# The cue player against a real sound server: a private PulseAudio whose null
# sink's monitor is recorded while the player plays; then the recording is
# checked. Exits 77 (skipped), saying why, where the server cannot start.
#   cue-playback.sh CUEPLAYBACK
helper=$1
. "$(dirname "$0")/../../scripts/private-pulseaudio.sh"
command -v parec >/dev/null || { echo "skipped: parec is not installed"; exit 77; }
trap 'kill "$recorder" 2>/dev/null; stop_private_pulseaudio' EXIT
start_private_pulseaudio || exit $?

parec -d cues.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=10 > "$pulse_home/recording.raw" &
recorder=$!
sleep 0.3
QT_QPA_PLATFORM=offscreen "$helper" play || { echo "the player failed"; exit 1; }
sleep 0.2
kill "$recorder"; wait "$recorder" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$helper" check "$pulse_home/recording.raw"
