#!/usr/bin/env python3
"""Runs amsaview-chart for single births and a batch and checks every chart
object it prints against the published schema."""
import copy
import json
import subprocess
import sys

import jsonschema

tool, schema_path, births_csv = sys.argv[1:4]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
failures = []


def check(name, chart):
    for error in validator.iter_errors(chart):
        failures.append(f"{name}: {error.json_path}: {error.message}")


def run(*args):
    return subprocess.run([tool, *args], check=True, capture_output=True, text=True).stdout


singles = {
    "Delhi 1947": ["--name", "RAM KUMAR", "--date", "1947-03-15", "--time", "0:30", "--lon",
                   "77E12", "--lat", "28N36", "--zone", "34", "--city", "New Delhi"],
    "south and west, odd place names": ["--name", "ANNA", "--date", "1901-01-01", "--time", "0:00",
                                        "--lon", "179W59", "--lat", "89S59", "--zone", "0", "--dst",
                                        "--city", "Bell\x07\ttab", "--country", "Z\u00fcrich"],
}
for name, args in singles.items():
    chart = json.loads(run(*args))
    check(name, chart)
    if "line" in chart:
        failures.append(f"{name}: a single chart has no line")

lines = run("--batch", births_csv).splitlines()
windowed = run("--batch", births_csv, "--windows").splitlines()
for levels in ("1", "3"):
    deep = run(*singles["Delhi 1947"], "--dasha-levels", levels, "--dasha-year", "sidereal")
    check(f"Delhi 1947, dasha {levels} levels", json.loads(deep))
    lines += run("--batch", births_csv, "--dasha-levels", levels).splitlines()
if any("timeWindows" in json.loads(text) for text in lines):
    failures.append("the batch wrote time windows without --windows")
if not all("timeWindows" in json.loads(text) for text in windowed):
    failures.append("the batch left out time windows with --windows")
lines += windowed
if not lines:
    failures.append("the batch printed nothing")
for number, text in enumerate(lines, 1):
    chart = json.loads(text)
    if "error" in chart:
        failures.append(f"batch line {number}: {chart['error']}")
        continue
    check(f"batch line {number}", chart)
    if not isinstance(chart.get("line"), int):
        failures.append(f"batch line {number}: no line number")

# The schema must catch what a writer could get wrong, not pass anything.
sample = json.loads(run(*singles["Delhi 1947"]))
broken = {
    "a key missing": lambda c: c.pop("vargas"),
    "a key unknown": lambda c: c.update(extra=1),
    "a body out of order": lambda c: c["bodies"].reverse(),
    "the Sun retrograde": lambda c: c["bodies"][0].update(retrograde=True),
    "a sign misspelt": lambda c: c["vargas"]["D9"].update(Asc="Aries"),
    "a chart missing": lambda c: c["vargas"].pop("D12"),
    "an exact chart missing": lambda c: c["vargas"].pop("D60"),
    "a pada of five": lambda c: c["ascendant"].update(pada=5),
    "a karana past 60": lambda c: c["panchanga"]["karana"].update(number=61),
    "a vara misspelt": lambda c: c["panchanga"]["vara"].update(name="Fri"),
    "a moment without its zone": lambda c: c["panchanga"].update(sunrise="1947-03-15T01:02:17"),
    "a window without its end": lambda c: c["timeWindows"]["D9"].pop("to"),
    "a window of an unknown kind": lambda c: c["timeWindows"].update(sun={}),
    "a dasha without periods": lambda c: c["dasha"].pop("periods"),
    "a dasha lord misspelt": lambda c: c["dasha"]["periods"][0].update(lord="Shani"),
    "a dasha shallower than its levels": lambda c: c["dasha"]["periods"][3].pop("periods"),
    "a dasha deeper than its levels": lambda c: c["dasha"].update(levels=1),
    "eight antardashas": lambda c: c["dasha"]["periods"][0]["periods"].pop(),
    "a dasha moment without its zone": lambda c: c["dasha"]["periods"][0].update(start="1946-12-11T22:41:46"),
    "an unknown dasha year": lambda c: c["dasha"].update(year="lunar"),
}
for name, breaking in broken.items():
    chart = copy.deepcopy(sample)
    breaking(chart)
    if validator.is_valid(chart):
        failures.append(f"the schema lets through {name}")

for failure in failures:
    print(failure)
print(f"{len(singles)} single charts, {len(lines)} batch lines, {len(failures)} failures")
sys.exit(1 if failures else 0)
