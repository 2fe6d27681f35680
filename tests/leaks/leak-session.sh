#!/usr/bin/env bash
# A whole session of the program under a real X server (Xvfb) with a tray
# host, as a user has it: start, open the calendar and its list, the options,
# a new note's editor, export the calendar and import it again, let an alarm
# ring and acknowledge it, and end with "exit". Built with the sanitizers,
# LeakSanitizer then reports every block still allocated at the end that
# nothing points to; the session passes when it reports none outside the
# suppressions in lsan.supp (each says why).
#   leak-session.sh BUILD_DIR [SHOTS_DIR]
# SHOTS_DIR, when given, gets a screenshot after every step (the picture
# is taken LEAK_STEP_SECONDS, default 2, after the step). Exits 77
# (skipped) when a tool is missing.
set -euo pipefail

build=$(cd "${1:?usage: leak-session.sh BUILD_DIR [SHOTS_DIR]}" && pwd)
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb trayer xdotool xdpyinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: the leak session needs $tool (./dev.sh install puts it in place)"
    exit 77
  fi
done

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

display=
for n in $(seq 150 199); do
  [ -e "/tmp/.X$n-lock" ] || { display=:$n; break; }
done
[ -n "$display" ] || { echo "FAILED: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype pixel --width 160 --height 32 >/dev/null 2>&1 &
pids+=($!)
sleep 1

export ORRINDALE_HOME=$tmp/home ORRINDALE_INSTANCE=leak-session-$$ ORRINDALE_STARTUP_LOG=1
export XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$ORRINDALE_HOME"
# A month of notes and a reminder that falls due during the session.
"$build/bin/orrindale_sample_calendar" --due-in 150 "$ORRINDALE_HOME" >/dev/null
cp "$build/share/orrindale/Holiday.txt" "$ORRINDALE_HOME/"

export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=1
export UBSAN_OPTIONS=print_stacktrace=1
log=$tmp/program.log
"$build/bin/orrindale" nologo 2>"$log" &
program=$!
pids+=($program)
for _ in $(seq 600); do
  grep -q '^orrindale: ready' "$log" && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
grep -q '^orrindale: ready' "$log" || { cat "$log" >&2; echo "FAILED: the program did not start" >&2; exit 1; }

shot=0
step() { # step NAME: what was just done, with a screenshot when asked
  sleep "${LEAK_STEP_SECONDS:-2}"
  kill -0 "$program" 2>/dev/null || { cat "$log" >&2; echo "FAILED: the program ended during: $1" >&2; exit 1; }
  if [ -n "$shots" ]; then
    shot=$((shot + 1))
    import -window root "$shots/$(printf %02d $shot)-$1.png"
  fi
}
tray() { xdotool mousemove 1268 16 click "$1"; }
menu() { # menu KEYS...: the tray's menu, walked with the keyboard
  tray 3; sleep 1
  xdotool key "$@"
}
acknowledge_all() { # "OK" on every ringing window, one after the other
  local window tried=" "
  for _ in $(seq 30); do
    # A window of the program that is neither its tray icon nor one that
    # stayed after its "OK" (a note kept on the desktop, not ringing).
    window=
    for w in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null || true); do
      [[ "$tried" == *" $w "* ]] && continue
      [ "$(xdotool getwindowname "$w")" = orrindale ] || { window=$w; break; }
    done
    [ -n "$window" ] || return 0
    xdotool windowfocus --sync "$window"
    xdotool key Return
    sleep 0.5
    xdotool search --onlyvisible --pid "$program" 2>/dev/null | grep -qx "$window" && tried+="$window "
  done
  echo "FAILED: windows still ring after thirty acknowledgements" >&2
  exit 1
}
wait_for_window() { # wait_for_window TITLE: until it shows, two minutes at most
  for _ in $(seq 240); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.5
  done
  echo "FAILED: no window \"$1\" came" >&2
  exit 1
}
file_dialog() { # file_dialog PATH: types a file name into the open dialog
  sleep 1.5
  xdotool key ctrl+a type --delay 20 "$1"
  xdotool key Return
}

step started
# The sample's reminders from earlier today ring at once.
acknowledge_all;              step acknowledged
tray 1;                       step calendar
xdotool mousemove 305 105 click 1; step list-view
xdotool mousemove 1037 100 click 1; step calendar-closed
menu Down Down Down Return;    step options
xdotool key Escape;           step options-closed
menu Down Down Down Down Return; step editor
xdotool key Escape;           step editor-closed
menu Down Down Right Down Down Return
file_dialog "$tmp/out.ics";   step exported
xdotool key Return;           step export-told
menu Down Down Right Down Down Down Return
file_dialog "$tmp/out.ics";   step imported
xdotool key Return;           step import-told
wait_for_window "Due now";    step due-ringing
acknowledge_all;              step due-acknowledged

"$build/bin/orrindale" exit 2>>"$tmp/exit.log" || { cat "$tmp/exit.log" >&2; echo "FAILED: exit" >&2; exit 1; }
wait "$program" || true

if grep -q 'ERROR: LeakSanitizer\|ERROR: AddressSanitizer\|runtime error:' "$log" "$tmp/exit.log"; then
  cat "$log" "$tmp/exit.log" >&2
  echo "FAILED: the sanitizers reported the session above" >&2
  exit 1
fi
grep -A40 'Suppressions used' "$log" || true
echo "The session ended with no leak of the program's own."
