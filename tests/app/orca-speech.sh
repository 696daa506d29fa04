#!/usr/bin/env bash
# What Debian's screen reader says of the real program: Orca on the AT-SPI
# bus of a private D-Bus session, on a virtual X display, its debug log
# recording what it would speak (no speech server is needed). N = 5 is
# entered, and Space is pressed five times on Firing: Orca must speak every
# shot, and the verdict with the success rate. Then F2 opens the Results
# window, and a fast run of 100 experiments from its keyboard must be
# summed up aloud; then two learners' files added in its Class tab, through
# the file dialog, must be pooled aloud. Under LANG=ja_JP.UTF-8 all of it
# must be said in Japanese. Any KEYS are pressed once N is entered (the zoom keys,
# say). Exits 77 (skipped), saying why, where a part is missing.
#   orca-speech.sh PROGRAM [KEYS...]
program=$1
shift
keys=("$@")
if [ -z "${SHOOTALOT_ORCA_INSIDE:-}" ]; then
  for tool in orca xvfb-run dbus-run-session xdotool openbox xprop; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
  export SHOOTALOT_ORCA_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$0" "$program" "${keys[@]}"
fi

# What must be said, in the language the program is started in.
if [ "${LANG%%_*}" = ja ]; then
  results_title='^結果$'; add_title='^クラスの結果を追加$'
  said_shot() { echo "$1発目: (命中|外れ)。"; }
  said_verdict='5発目: (命中|外れ)。 ?(成功|失敗)。成功率 [01]\.[0-9]{7}。'
  said_summary='N = 5 で実験 101 回: 成功 [0-9]+ 回、成功率 [0-9.]+%。'
  said_class='2 個のファイルを追加しました。 クラスの合計: 生徒 2 人、N = 20 の実験 5 回、成功 3 回'
else
  results_title='^Results$'; add_title="^Add the class's results$"
  said_shot() { echo "Shot $1: (hit|miss)\."; }
  said_verdict='Shot 5: (hit|miss)\. (成功|失敗)\. Success rate [01]\.[0-9]{7}\.'
  said_summary='After 101 experiments at N = 5: [0-9]+ successes, a success rate of [0-9.]+ %\.'
  said_class='2 files added\. The class, pooled: 2 learners, 5 experiments at N = 20 with 3 successes'
fi

work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work/runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Orca buffers its log and writes the rest while it shuts down on SIGTERM;
# a busy machine can take seconds over that, so it is given them before
# anything is forced.
end() {
  kill "$@" 2>/dev/null
  for _ in $(seq 200); do kill -0 "$@" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$@" 2>/dev/null
}
stop() { end $orca; end $app $bus $wm; }
cleanup() { stop; rm -rf "$work"; }
trap cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
sleep 1
orca --debug-file="$work/orca.log" --replace >/dev/null 2>&1 & orca=$!
sleep 5 # Orca writes its log as it goes, not at once
kill -0 $orca 2>/dev/null || { echo "skipped: Orca did not start here"; exit 77; }

# Keys reach a window, and a new window gets the focus, the way a desktop's
# window manager gives it: there is one.
openbox >/dev/null 2>&1 & wm=$!
for _ in $(seq 300); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

# Two learners' files, where the file dialog opens (the Documents folder).
mkdir -p "$work/Documents"
printf 'experiment,shots,hits,verdict,success_rate\n1,20,2,success,1\n2,20,0,failure,0.5\n' \
  >"$work/Documents/Aiko.csv"
printf 'experiment,shots,hits,verdict,success_rate\n1,20,1,success,1\n2,20,0,failure,0.5\n3,20,1,success,0.6666667\n' \
  >"$work/Documents/Ben.csv"

(cd "$work" && exec "$program") & app=$!
for _ in $(seq 100); do
  xdotool search --name "Setting the number of shots of the gun" >/dev/null 2>&1 && break; sleep 0.1
done
sleep 1
xdotool key ctrl+a; xdotool type 5; xdotool key Return
sleep 1.5
for key in "${keys[@]}"; do xdotool key "$key"; sleep 0.5; done
size=$(xdotool search --name "Even those who shoot bad guns will hit it" getwindowgeometry 2>/dev/null \
       | sed -n 's/.*Geometry: //p' | head -n1)
echo "the main window is $size"
if [ ${#keys[@]} -gt 0 ] && [ "$size" = "547x620" ]; then echo "the keys ${keys[*]} did not zoom the window"; exit 1; fi
xdotool key Tab # from the plot to Firing
sleep 1
for _ in 1 2 3 4 5; do xdotool key space; sleep 1.2; done
sleep 1
xdotool key F2
for _ in $(seq 100); do xdotool search --name "$results_title" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1.5
xdotool key Tab # from the prediction to "Run 100"
sleep 0.5
xdotool key space
sleep 2.5
xdotool key alt+a # the Class tab
sleep 1
xdotool key alt+e # Add results...
for _ in $(seq 100); do xdotool search --name "$add_title" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
xdotool type '"Aiko.csv" "Ben.csv"'
xdotool key Return
# Orca speaks what it is told in turn, and on a busy machine falls behind
# (its log names an event well before it speaks it): it is stopped only
# once it has spoken the last thing said, or after a minute.
for _ in $(seq 600); do grep -qE "SPEECH OUTPUT: '[^']*$said_class" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
stop # Orca's log is whole once it has ended

grep -q "Screen reader on" "$work/orca.log" || { echo "skipped: Orca never came up here"; exit 77; }
spoken=$(grep -o "SPEECH OUTPUT: '[^']*'" "$work/orca.log" | sed "s/SPEECH OUTPUT: //")
printf '%s\n' "$spoken"
for shot in 1 2 3 4; do
  grep -qE "$(said_shot $shot)" <<<"$spoken" || { echo "Orca never said shot $shot"; exit 1; }
done
grep -qE "$said_verdict" <<<"$spoken" \
  || { echo "Orca never said the last shot with the verdict and the rate"; exit 1; }
grep -qE "$said_summary" <<<"$spoken" \
  || { echo "Orca never read the Results window's summary after the fast run"; exit 1; }
grep -qE "$said_class" <<<"$spoken" \
  || { echo "Orca never read the class pooled from two files"; exit 1; }
echo "Orca spoke every shot, the verdict and the success rate, the summary of a fast run and the class pooled"
