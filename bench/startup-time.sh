#!/usr/bin/env bash
# Start-up to tray icon, from process start, with a 100-note and a 60,000-note
# data file: the program started with "nologo" under Xvfb with a tray host.
#   bench/startup-time.sh [BUILD_DIR] [RUNS]
# BUILD_DIR (default build) must hold a release build of orrindale and
# make_note_file. Needs Xvfb and trayer. Prints the median of RUNS starts
# (default 7) of each moment the program logs: "icon" (the icon is handed to
# the tray), "drawn" (the tray has shown it; the data file is read next),
# "ready" (start-up done, the notes are loaded and the event loop runs).
# Wall-clock times count from just before the start; the processor time the
# program had used by "ready" is given too, as a busy machine stretches the
# wall clock but not that.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-7}
bin=$build/bin/orrindale
make=$build/bin/make_note_file
[ -x "$bin" ] && [ -x "$make" ] || { echo "build orrindale and make_note_file in $build first" >&2; exit 2; }
command -v Xvfb >/dev/null && command -v trayer >/dev/null || { echo "needs Xvfb and trayer" >&2; exit 2; }

work=$(mktemp -d)
display=""
for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 & xvfb=$!
trap 'kill $tray $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1
trayer --edge top --align right --widthtype pixel --width 160 --height 32 >/dev/null 2>&1 & tray=$!
sleep 1

median_of() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

measure() { # measure COUNT
  local home=$work/home-$1
  mkdir -p "$home"
  "$make" "$1" "$home/Note.Dat"
  local icon=() drawn=() ready=() cpu=()
  for _ in $(seq "$runs"); do
    local log=$work/log
    local t0
    t0=$(date +%s%N)
    ORRINDALE_HOME=$home ORRINDALE_INSTANCE=startup-bench-$$ ORRINDALE_STARTUP_LOG=1 \
      "$bin" nologo 2>"$log" &
    local pid=$!
    for _ in $(seq 200); do grep -q ' ready ' "$log" && break; sleep 0.05; done
    icon+=($(( ($(awk '$2 == "icon" { print $3 }' "$log") - t0) / 1000000 )))
    drawn+=($(( ($(awk '$2 == "drawn" { print $3 }' "$log") - t0) / 1000000 )))
    ready+=($(( ($(awk '$2 == "ready" { print $3 }' "$log") - t0) / 1000000 )))
    cpu+=($(( $(awk '$2 == "ready" { print $4 }' "$log") / 1000000 )))
    ORRINDALE_HOME=$home ORRINDALE_INSTANCE=startup-bench-$$ "$bin" exit
    wait "$pid"
  done
  printf '%6d notes: icon %4d ms, drawn %4d ms, ready %4d ms, processor time by ready %4d ms (median of %d)\n' \
    "$1" "$(median_of "${icon[@]}")" "$(median_of "${drawn[@]}")" "$(median_of "${ready[@]}")" \
    "$(median_of "${cpu[@]}")" "$runs"
  printf '        each run: icon %s; drawn %s; ready %s; processor %s\n' \
    "${icon[*]}" "${drawn[*]}" "${ready[*]}" "${cpu[*]}"
}

measure 100
measure 60000
