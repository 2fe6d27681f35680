#!/usr/bin/env bash
# orrindale-agenda beside remind and calcurse, each timed as a whole process
# listing the same events for a month and for a year.
#   bench/agenda-compare.sh [BUILD_DIR] [COUNT...]      (default: build 10000 60000)
# RANGES="month" leaves the year out (remind and calcurse take a minute or
# more over a year of 60,000 events on a busy machine).
# BUILD_DIR must hold a release build of orrindale-agenda and
# make_agenda_workload. For each COUNT the workload is written three ways (see
# bench/AgendaWorkload.cpp), the three programs' lists of March and of the
# whole of next year are checked to be the same occurrences (date, time,
# title), and then hyperfine times each listing. Without remind, calcurse or
# hyperfine (apt-get install remind calcurse hyperfine) it says so and stops.
# Each cell gives the median wall-clock time of the runs and, in brackets,
# the mean processor time (user and system), which a busy machine stretches
# less; the load average stands beside them.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 60000)
agenda=$build/bin/orrindale-agenda
make=$build/bin/make_agenda_workload
[ -x "$agenda" ] && [ -x "$make" ] || {
  echo "build orrindale-agenda and make_agenda_workload in $build first" >&2
  exit 2
}
for tool in remind calcurse hyperfine; do
  command -v $tool >/dev/null || {
    echo "skipped: $tool is not installed (apt-get install remind calcurse hyperfine)"
    exit 0
  }
done

export TZ=UTC LC_ALL=C
year=$(($(date +%Y) + 1))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The agenda's settings come from an empty program directory of its own.
export ORRINDALE_HOME=$work/home
mkdir -p "$ORRINDALE_HOME"

# The command lines: PROGRAM DIR FROM TO MONTHS (MONTHS for remind's calendar).
command_of() {
  case $1 in
  orrindale) echo "$agenda --data $2/Note.Dat --from $3 --to $4 --format tsv" ;;
  remind) echo "remind -s$5 -b1 $2/reminders.rem $(date -d "$3" '+%-d %b %Y')" ;;
  calcurse)
    # Each kind of item prints as "HH:MM<tab>title", all-day ones without the time.
    local apt="'%(start:%H:%M)\t%m\n'" event="'\t%m\n'"
    echo "calcurse -D $2/calcurse --input-datefmt 4 -Q --from $3 --to $4" \
      "--format-apt $apt --format-recur-apt $apt --format-event $event --format-recur-event $event"
    ;;
  esac
}

# The command lines quote as hyperfine -N splits them (no file name has a space).
run() { # run PROGRAM DIR FROM TO MONTHS
  eval "$(command_of "$@")"
}

# Every listing as sorted lines "YYYY-MM-DD<tab>HH:MM<tab>title", the time
# empty for an all-day event.
normalise() { # normalise PROGRAM
  case $1 in
  orrindale) awk -F'\t' 'NR > 1 { print $1 "\t" ($4 == "memo" ? "" : $2) "\t" $3 }' ;;
  remind)
    awk '{ date = $1; gsub("/", "-", date); time = ($5 == "*") ? "" : $6
           for (n = ($5 == "*") ? 5 : 6; n > 0; n--) sub(/^[^ ]+ /, "")
           print date "\t" time "\t" $0 }'
    ;;
  calcurse)
    awk -F'\t' '/^[0-9][0-9]\/[0-9][0-9]\/[0-9][0-9]:$/ {
                  date = "20" substr($0, 7, 2) "-" substr($0, 1, 2) "-" substr($0, 4, 2); next }
                NF == 2 { print date "\t" $1 "\t" $2 }'
    ;;
  esac | sort
}

check_same() { # check_same DIR FROM TO MONTHS LABEL
  local program
  for program in orrindale remind calcurse; do
    run $program "$@" | normalise $program >"$work/$program.list"
  done
  local lines
  lines=$(wc -l <"$work/orrindale.list")
  for program in remind calcurse; do
    if ! cmp -s "$work/orrindale.list" "$work/$program.list"; then
      echo "$5: orrindale-agenda and $program list different occurrences:" >&2
      diff "$work/orrindale.list" "$work/$program.list" | head -20 >&2
      exit 1
    fi
  done
  echo "$5: the three list the same $lines occurrences" >&2
}

# The median wall-clock time and the mean processor time of hyperfine's runs, in milliseconds: "12.3 ms (4.5 ms)".
times_of() { # times_of JSON
  python3 -c 'import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print("%.1f ms (%.1f ms)" % (r["median"] * 1000, (r["user"] + r["system"]) * 1000))' "$1"
}

echo "| events | range | orrindale-agenda | remind | calcurse | faster of the two / ours | load |"
echo "|---|---|---|---|---|---|---|"
for count in "${counts[@]}"; do
  dir=$work/w$count
  mkdir -p "$dir/calcurse"
  touch "$dir/calcurse/todo"
  "$make" "$count" "$year" "$dir"
  for range in ${RANGES:-month year}; do
    if [ $range = month ]; then
      from=$year-03-01 to=$year-03-31 months=1
    else
      from=$year-01-01 to=$year-12-31 months=12
    fi
    check_same "$dir" $from $to $months "$count events, $range"
    load=$(cut -d' ' -f1 /proc/loadavg)
    # The others take seconds over a year: fewer runs of them.
    slow_runs=(--warmup 1 --min-runs 5)
    [ $range = month ] || slow_runs=(--runs 3)
    for program in orrindale remind calcurse; do
      runs=("${slow_runs[@]}")
      [ $program != orrindale ] || runs=(--warmup 2 --min-runs 10)
      hyperfine -N "${runs[@]}" --style none --export-json "$work/$program.json" \
        -n $program "$(command_of $program "$dir" $from $to $months)" >/dev/null
    done
    ours=$(times_of "$work/orrindale.json")
    remind_times=$(times_of "$work/remind.json")
    calcurse_times=$(times_of "$work/calcurse.json")
    ratio=$(awk -v a="${remind_times%% *}" -v b="${calcurse_times%% *}" -v o="${ours%% *}" \
      'BEGIN { f = a < b ? a : b; printf "%.1f", f / o }')
    echo "| $count | $range | $ours | $remind_times | $calcurse_times | ${ratio}× | $load |"
  done
done
echo "(median wall-clock time of the runs; in brackets the mean processor time, user and system)"
