#!/usr/bin/env bash
# Runs the cue-latency probe against a private PulseAudio (see
# scripts/private-pulseaudio.sh); exits 77 (skipped), saying why, where the
# server cannot start.
#   cue-latency.sh CUELATENCY [its options]
probe=$1
shift
. "$(dirname "$0")/../../scripts/private-pulseaudio.sh"
trap stop_private_pulseaudio EXIT
start_private_pulseaudio || exit $?
# Qt lists no monitor sources: the sink's monitor, remapped, is one it lists.
pactl load-module module-remap-source master=cues.monitor source_name=cues_recorder >/dev/null
QT_QPA_PLATFORM=offscreen "$probe" "$@"
