#!/usr/bin/python3
"""caelor-cli report --format csv|json|ics for every report at two places.

Each JSON output validates against its schema in schemas/; the CSV has the
JSON's results row for row; the regional options change neither; the
iCalendar of every report of events, and of the Almanac, parses with an
independent reader (python3-icalendar), has a VEVENT for each event once with
a unique UID, the same UIDs on a second run; the tables refuse ics with
exit 2.  Usage: data_formats.py CAELOR_CLI SOURCE_DIR
"""
import csv
import io
import json
import subprocess
import sys

import icalendar
import jsonschema

CLI, SOURCE = sys.argv[1], sys.argv[2]

# The reports, the dates each takes, and whether it lists events.
REPORTS = [
    ("introduction", [], False),
    ("calendar", ["--year", "2026", "--months", "2-3"], True),
    ("seasons", ["--years", "2026-2027"], True),
    ("easter", ["--years", "2020-2030"], True),
    ("lunar-eclipses", ["--years", "2024-2026"], True),
    ("solar-eclipses", ["--years", "2024-2026"], True),
    ("local-eclipses", ["--years", "2024-2027"], True),
    ("planet-view", ["--year", "2026", "--months", "1-2"], False),
    ("planet-apsides", ["--years", "2026-2027"], True),
    ("planet-conjunctions", ["--year", "2026", "--months", "1-12"], True),
    ("planet-data", [], False),
    ("moon-apsides", ["--year", "2026", "--months", "1-12"], True),
    ("moon-nodes", ["--year", "2026", "--months", "1-12"], True),
    ("meteor-showers", ["--year", "2026", "--months", "1-12"], True),
    ("twilight", ["--year", "2026", "--months", "1-12"], False),
    ("almanac", ["--year", "2026", "--months", "1-12"], True),
]
PLACES = [["--place", "Sydney"], ["--lat", "69.65", "--lon", "18.96", "--tz", "1", "--name", "Tromso"]]
REGIONAL = ["--decimal", ",", "--date-format", "dd.MM.yyyy", "--time-sep", "."]

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def run(args, expect=0):
    done = subprocess.run([CLI, "report"] + args, capture_output=True)
    if done.returncode != expect:
        fail("%s: exit %d, expected %d: %s" % (" ".join(args), done.returncode, expect,
                                               done.stderr.decode(errors="replace").strip()))
    return done.stdout.decode("utf-8")


def check_csv_against_json(label, text, document):
    rows = list(csv.DictReader(io.StringIO(text)))
    results = document["results"]
    if len(rows) != len(results):
        fail("%s: %d CSV rows, %d JSON results" % (label, len(rows), len(results)))
        return
    for row, result in zip(rows, results):
        for key, value in result.items():
            if key not in row:
                instant = key[:-4] if key.endswith("_utc") else key[:-6]
                if not (key.endswith(("_utc", "_local")) and instant + "_utc" in row):
                    fail("%s: CSV lacks the column %s" % (label, key))
                continue
            cell = row[key]
            if value is None:
                same = cell == ""
            elif isinstance(value, bool):
                same = cell == ("true" if value else "false")
            elif isinstance(value, (int, float)):
                same = cell != "" and abs(float(cell) - value) < 1e-9
            else:
                same = cell == value
            if not same:
                fail("%s: %s is %r in the CSV, %r in the JSON" % (label, key, cell, value))
                return


def check_ics(label, text, document):
    calendar = icalendar.Calendar.from_ical(text)
    events = calendar.walk("VEVENT")
    uids = [str(e["UID"]) for e in events]
    if len(set(uids)) != len(uids):
        fail("%s: %d VEVENTs, %d different UIDs" % (label, len(uids), len(set(uids))))
    starts = set()
    for result in document["results"]:
        if "utc" in result:
            starts.add(result["utc"][:16].replace("-", "").replace(":", ""))
        elif "date" in result:
            starts.add(result["date"].replace("-", ""))
    for event in events:
        start = event["DTSTART"].to_ical().decode()[:13]
        if start not in starts:
            fail("%s: VEVENT %s at %s is no result of the JSON" % (label, event["SUMMARY"], start))
            return
        if not str(event.get("SUMMARY", "")).strip():
            fail("%s: a VEVENT without a summary" % label)
    if not events:
        fail("%s: no VEVENT" % label)
    return uids


for name, dates, has_events in REPORTS:
    with open("%s/schemas/%s.schema.json" % (SOURCE, name), encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    for place in PLACES:
        args = [name] + dates + place
        label = " ".join(args)
        text = run(args + ["--format", "json"])
        try:
            document = json.loads(text)
            jsonschema.validate(document, schema, cls=jsonschema.Draft202012Validator)
        except (ValueError, jsonschema.ValidationError) as error:
            fail("%s: %s" % (label, str(error).splitlines()[0]))
            continue
        if name != "introduction" and not (name == "twilight" and "Tromso" in place):
            if not document["results"]:
                fail("%s: no results" % label)
        csv_text = run(args + ["--format", "csv"])
        check_csv_against_json(label, csv_text, document)
        for fmt, plain in (("json", text), ("csv", csv_text)):
            if run(args + REGIONAL + ["--format", fmt]) != plain:
                fail("%s: the regional options change the %s" % (label, fmt))
        if not has_events:
            done = subprocess.run([CLI, "report"] + args + ["--format", "ics"], capture_output=True)
            if done.returncode != 2 or b"iCalendar" not in done.stderr or done.stdout:
                fail("%s --format ics: exit %d, %r" % (label, done.returncode, done.stderr))
            continue
        if name == "twilight":
            continue
        uids = check_ics(label, run(args + ["--format", "ics"]), document)
        again = check_ics(label, run(args + ["--format", "ics"]), document)
        if uids != again:
            fail("%s: the UIDs differ between two runs" % label)

print("%d reports at %d places: %s" % (len(REPORTS), len(PLACES),
                                       "FAILED" if failures else "PASS"))
sys.exit(1 if failures else 0)
