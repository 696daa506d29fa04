# Sourced by the tests and benchmarks that listen to the program: starts a
# private PulseAudio (its own HOME and runtime folder, no autospawn) with
# one null sink, "cues", whose monitor can be recorded.
#   start_private_pulseaudio   sets PULSE_SERVER and friends; returns 77
#                              (and says why) where it cannot start
#   restart_private_pulseaudio kills the server, as a crash would, and starts
#                              it again in the same place
#   stop_private_pulseaudio
start_private_pulseaudio() {
  local tool
  for tool in pulseaudio pactl; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; return 77; }
  done
  pulse_home=$(mktemp -d)
  mkdir -m 700 "$pulse_home/runtime"
  printf 'autospawn = no\n' > "$pulse_home/client.conf"
  export HOME=$pulse_home XDG_RUNTIME_DIR=$pulse_home/runtime PULSE_CLIENTCONFIG=$pulse_home/client.conf
  export PULSE_SERVER=unix:$pulse_home/runtime/pulse/native
  launch_private_pulseaudio
}

launch_private_pulseaudio() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L "module-null-sink sink_name=cues rate=48000 channels=2" -L module-native-protocol-unix \
    --log-target=file:"$pulse_home/server.log" &
  pulse_pid=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { echo "skipped: PulseAudio did not start here"; cat "$pulse_home/server.log"; return 77; }
  pactl set-default-sink cues
  pactl set-default-source cues.monitor
}

restart_private_pulseaudio() {
  kill -KILL "$pulse_pid" 2>/dev/null
  wait "$pulse_pid" 2>/dev/null
  rm -f "$pulse_home/runtime/pulse/native"
  launch_private_pulseaudio
}

stop_private_pulseaudio() {
  [ -n "${pulse_pid:-}" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
  [ -n "${pulse_home:-}" ] && rm -rf "$pulse_home"
}
