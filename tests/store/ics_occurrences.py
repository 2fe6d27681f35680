#!/usr/bin/env python3
"""The program's calendar export read by another reader.

Runs ics_sample_writer (the program's sample notes written as a calendar
file, with the occurrences and alarms the program itself gives them), reads
the file with Python's icalendar, expands every event for a year with
dateutil, and compares. Every occurrence or alarm the two disagree on is
printed. Exits 77 (skipped) when the modules are not installed.

usage: ics_occurrences.py PATH_TO_ics_sample_writer
"""

import datetime
import os
import subprocess
import sys
import tempfile

try:
    import icalendar
    from dateutil import rrule
except ImportError as missing:
    print(f"skipped: the Python module {missing.name} is missing "
          "(Debian packages python3-icalendar and python3-dateutil)")
    sys.exit(77)


def occurrences(event, start, end):
    """The event's occurrences in [start, end) as the writer's lines."""
    dtstart = event.decoded("DTSTART")
    all_day = not isinstance(dtstart, datetime.datetime)
    first = datetime.datetime.combine(dtstart, datetime.time()) if all_day else dtstart
    if "RRULE" in event:
        rule = rrule.rrulestr(event["RRULE"].to_ical().decode(), dtstart=first)
        times = rule.between(start, end, inc=True)
    else:
        times = [first]
    form = "%Y-%m-%d" if all_day else "%Y-%m-%d %H:%M:%S"
    title = str(event.get("SUMMARY", ""))
    return [t.strftime(form) + " " + title for t in times if start <= t < end]


def alarms(event):
    """The event's alarms as the writer's lines: title and whole lead days."""
    lines = []
    for alarm in event.walk("VALARM"):
        trigger = alarm.decoded("TRIGGER")
        lead = -trigger
        if lead % datetime.timedelta(days=1):
            lines.append(f"{event.get('SUMMARY', '')} {lead} (not whole days)")
        else:
            lines.append(f"{event.get('SUMMARY', '')} {lead.days}")
    return lines


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip()]


def differences(label, program, reader):
    only_program = sorted(set(program) - set(reader))
    only_reader = sorted(set(reader) - set(program))
    for line in only_program:
        print(f"{label} only in the program: {line}")
    for line in only_reader:
        print(f"{label} only in the file as Python reads it: {line}")
    return bool(only_program or only_reader) or len(program) != len(reader)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        with open(os.path.join(folder, "notes.ics"), "rb") as f:
            calendar = icalendar.Calendar.from_ical(f.read())
        first_day, days = read_lines(os.path.join(folder, "range.txt"))[0].split()
        start = datetime.datetime.strptime(first_day, "%Y-%m-%d")
        end = start + datetime.timedelta(days=int(days))
        program_occurrences = read_lines(os.path.join(folder, "occurrences.txt"))
        program_alarms = read_lines(os.path.join(folder, "alarms.txt"))
    events = list(calendar.walk("VEVENT"))
    read_occurrences = sorted(o for e in events for o in occurrences(e, start, end))
    read_alarms = sorted(a for e in events for a in alarms(e))
    failed = differences("occurrence", sorted(program_occurrences), read_occurrences)
    failed |= differences("alarm", sorted(program_alarms), read_alarms)
    if failed:
        return 1
    print(f"{len(events)} events: {len(read_occurrences)} occurrences from {first_day} "
          f"for {days} days and {len(read_alarms)} alarms agree with the program")
    return 0


if __name__ == "__main__":
    sys.exit(main())
