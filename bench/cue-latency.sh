#!/usr/bin/env bash
# Runs the cue-latency probe against a private PulseAudio (see
# scripts/private-pulseaudio.sh); says so where the server cannot start.
probe=$1
. "$(dirname "$0")/../scripts/private-pulseaudio.sh"
trap stop_private_pulseaudio EXIT
start_private_pulseaudio || exit 0
# Qt lists no monitor sources: the sink's monitor, remapped, is one it lists.
pactl load-module module-remap-source master=cues.monitor source_name=cues_recorder >/dev/null
QT_QPA_PLATFORM=offscreen "$probe"
