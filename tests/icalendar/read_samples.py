"""Reads each sample calendar file with icalendar, expands its events with
dateutil over ten years from the first one, and compares the days with the
days the calendars mark."""
import datetime
import pathlib
import sys

from dateutil.rrule import rrulestr
from icalendar import Calendar


def event_days(event, begin, end):
    start, stop = event.decoded("dtstart"), event.decoded("dtend")
    starts = [start]
    if "rrule" in event:
        rule = rrulestr(event["rrule"].to_ical().decode(),
                        dtstart=datetime.datetime.combine(start, datetime.time()))
        starts = [s.date() for s in rule.between(
            datetime.datetime.combine(begin, datetime.time()),
            datetime.datetime.combine(end, datetime.time()), inc=True)]
    return {s + datetime.timedelta(days=i) for s in starts for i in range((stop - start).days)}


def check(folder, name):
    raw = (folder / f"{name}.ics").read_bytes()
    lines = raw.split(b"\r\n")
    assert lines[-1] == b"" and all(b"\n" not in line and len(line) <= 75 for line in lines)
    for line in lines:
        line.decode("utf-8")  # no sequence split by the folding
    calendar = Calendar.from_ical(raw)
    assert (calendar["VERSION"], calendar["CALSCALE"]) == ("2.0", "GREGORIAN")
    assert str(calendar["PRODID"]).startswith("-//Orrowby//Velindra")
    summary = (folder / f"{name}.summary").read_bytes().decode("utf-8")
    reminder, *marked = (folder / f"{name}.txt").read_text().split("\n")
    events = calendar.walk("VEVENT")
    assert len({str(e["uid"]) for e in events}) == len(events)
    begin = min(e.decoded("dtstart") for e in events)
    end = begin.replace(year=begin.year + 10)
    days = set()
    for event in events:
        assert str(event["summary"]) == summary and "dtstamp" in event
        alarms = [(a["action"], a.decoded("trigger"), str(a["description"]))
                  for a in event.walk("VALARM")]
        wanted = int(reminder) and "rrule" in event
        assert alarms == ([("DISPLAY", -datetime.timedelta(days=int(reminder)), summary)]
                          if wanted else []), alarms
        days |= {d for d in event_days(event, begin, end) if d < end}
    expected = {datetime.date.fromisoformat(d) for d in marked}
    expected = {d for d in expected if begin <= d < end}
    assert days == expected, (name, sorted(days ^ expected)[:10])
    print(f"{name}: {len(events)} events, {len(days)} days from {begin} to {end} as marked")


folder = pathlib.Path(sys.argv[1])
for sample in ("late", "unrecorded", "changing"):
    check(folder, sample)
