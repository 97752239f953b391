#!/usr/bin/env python3
"""Coverage of the events databank as the viewer's browsing screen sees it.

Reads EVENTS.DAT the way the viewer does (only the first 31,125 bytes, records
of a date line and a text line, the year taken from the end of the date line)
and prints a Markdown table: for each step, how many of the pages over a
sensible range of time list at least one event, and how many hold more than
the six events that fit on one page.

Usage: events_coverage.py [path/to/EVENTS.DAT]
"""

import os
import sys

BUFFER_SIZE = 31125  # the viewer reads no more than this
PAGE = 6  # events on one page of the list
MILLION = 1000000
YEAR_LIMIT = 15000000000

# (step, label of the range, first year, last year); negative years are BC.
RANGES = [
    (1, "1900 to 2026 AD", 1900, 2026),
    (10, "1800 to 2030 AD", 1800, 2030),
    (100, "1000 BC to 2100 AD", -1000, 2100),
    (1000, "10,000 BC to 3000 AD", -10000, 3000),
    (MILLION, "541 Mya to now", -541 * MILLION, 2026),
    (10 * MILLION, "541 Mya to now", -541 * MILLION, 2026),
    (100 * MILLION, "4540 Mya to now (Earth)", -4540 * MILLION, 2026),
    (100 * MILLION, "13,800 Mya to 15,000,000,000 AD", -13800 * MILLION, YEAR_LIMIT),
    (1000 * MILLION, "13,800 Mya to 15,000,000,000 AD", -13800 * MILLION, YEAR_LIMIT),
]


def ends_line(byte):
    # The scanner compares signed bytes: control characters and anything
    # from 128 up end a line.
    return byte < 32 or byte >= 128


def parse_event_date(line):
    """Year of a date line as the viewer reads it, or None when it has none."""
    if not line:
        return None
    last = line[-1]
    if last <= ord("9"):
        suffix, sign, scale = 0, 1, 1
    elif last == ord("D"):
        suffix, sign, scale = 3, 1, 1
    elif last == ord("C"):
        suffix, sign, scale = 3, -1, 1
    elif last == ord("a"):
        suffix, sign, scale = 4, -1, MILLION
    else:
        return None
    i = len(line) - 1 - suffix
    value = 0
    weight = 1
    # The run of characters from '0' up, read backwards; every one counts
    # as a digit, letters included.
    while i >= 0 and ord("0") <= line[i] < 128:
        value += (line[i] - ord("0")) * weight
        weight *= 10
        i -= 1
    year = sign * value * scale
    if year == 0 or abs(year) >= 2**63:
        return None  # never matches: the sign test needs a non-zero year
    return year


def read_records(data):
    """(year, date text, event text) for every record within the buffer."""
    data = data[:BUFFER_SIZE]
    records = []
    pos = 0
    size = len(data)
    while pos < size:
        if data[pos] == 0:
            break  # the rest of a short file
        end = pos
        while end < size and not ends_line(data[end]):
            end += 1
        date = data[pos:end]
        start = end + 2  # skip CR LF
        stop = start
        while stop < size and not ends_line(data[stop]):
            stop += 1
        text = data[start:stop] if start < size else b""
        pos = stop + 2
        year = parse_event_date(date)
        if year is not None:
            records.append((year, date.decode("ascii"), text.decode("ascii")))
    return records


def bucket(year, step):
    # The viewer matches Y / step == m_year / step (truncating) with the same
    # sign, so a page is a sign and a quotient of the magnitude.
    return (1 if year > 0 else -1, abs(year) // step)


def buckets_in_range(step, first, last):
    keys = []
    if first < 0:
        top = -last if last < 0 else 1
        for q in range(top // step, -first // step + 1):
            keys.append((-1, q))
    if last > 0:
        bottom = max(first, 1)
        for q in range(bottom // step, last // step + 1):
            keys.append((1, q))
    return keys


def coverage(records, step, first, last):
    counts = {}
    for year, _, _ in records:
        key = bucket(year, step)
        counts[key] = counts.get(key, 0) + 1
    keys = buckets_in_range(step, first, last)
    found = sum(1 for k in keys if counts.get(k, 0) > 0)
    full = sum(1 for k in keys if counts.get(k, 0) > PAGE)
    return len(keys), found, full


def percent(part, whole):
    return "%.0f%%" % (100.0 * part / whole) if whole else "-"


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    path = argv[1] if len(argv) > 1 else os.path.join(here, "..", "data", "EVENTS.DAT")
    with open(path, "rb") as f:
        records = read_records(f.read())
    print("%d records read from %s" % (len(records), os.path.basename(path)))
    print()
    print("| Step | Covered range | Pages | With events | Over six events |")
    print("|---:|---|---:|---:|---:|")
    for step, label, first, last in RANGES:
        total, found, full = coverage(records, step, first, last)
        print(
            "| {:,} | {} | {} | {} ({}) | {} ({}) |".format(
                step, label, total, found, percent(found, total), full, percent(full, total)
            )
        )
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
