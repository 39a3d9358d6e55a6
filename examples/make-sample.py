#!/usr/bin/env python3
"""Writes the sample contest log (sample-log.csv) and the figures the plug-in
must report for it (sample-expected.txt).

The log is generated from a fixed seed, so running the script again gives the
same files. The figures are worked out here from the contest rules, without
the plug-in, so that comparing them with `q9x-host --report` checks the
plug-in rather than restating it.

    python3 examples/make-sample.py
"""

import csv
import random
import re
from pathlib import Path

HERE = Path(__file__).resolve().parent
MY_MAIN_PREFIX = "UA3A"  # the operator's own station is inside the area

COLUMNS = ["QSODate", "QSOTime", "Frequency", "CallSign", "DigiBand", "QSOMode",
           "Continent", "QSOReportRecived", "MainPrefix", "DXCCPrefix"]

# Band text -> a plausible digital-mode frequency in kHz.
BAND_KHZ = {"1.8": 1840, "3.5": 3580, "7": 7040, "10": 10140, "14": 14080,
            "18": 18100, "21": 21080, "24": 24920, "28": 28080}
MODES = ["RTTY", "BPSK31", "FT4"]
AREA_CODES = ["AB", "AV", "BR", "VL", "VO", "IV", "KS", "KR", "LP", "MO",
              "NN", "OR", "RZ", "SM", "TB", "TL", "TV", "YR"]
RDA_DISTRICTS = ["TA", "NN", "SA", "PE", "KI", "SV", "CB", "TO", "NS", "AL",
                 "KK", "PK", "HK", "MA", "LO", "KA"]
# Stations outside the area: main prefix, DXCC prefix, continent, sends RDA.
OUTSIDE = [("UA4", "UA", "EU", True), ("UA6", "UA", "EU", True),
           ("UA9", "UA9", "AS", True), ("UA0", "UA9", "AS", True),
           ("UA2", "UA2", "EU", True), ("UA1", "UA", "EU", True),
           ("DL", "DL", "EU", False), ("SP", "SP", "EU", False),
           ("OK", "OK", "EU", False), ("JA", "JA", "AS", False)]
CALL_PREFIXES = {"UA4": "RA4", "UA6": "R6", "UA9": "RW9", "UA0": "UA0",
                 "UA2": "UA2F", "UA1": "RV1", "DL": "DL1", "SP": "SP5",
                 "OK": "OK1", "JA": "JA1"}


def letters(rng, n):
    return "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(n))


def make_stations(rng):
    stations = []
    for _ in range(70):  # inside the area, sending a two-letter area code
        call = rng.choice(["R3", "RA3", "UA3", "RV3", "RK3"]) + letters(rng, rng.choice([2, 3]))
        stations.append({"call": call, "main": "UA3A", "dxcc": "UA3A", "cont": "EU",
                         "code": rng.choice(AREA_CODES)})
    for _ in range(90):
        main, dxcc, cont, rda = rng.choice(OUTSIDE)
        call = CALL_PREFIXES[main] + letters(rng, rng.choice([2, 3]))
        code = (rng.choice(RDA_DISTRICTS) + "%02d" % rng.randint(1, 60)) if rda else None
        stations.append({"call": call, "main": main, "dxcc": dxcc, "cont": cont, "code": code})
    unique = {}
    for s in stations:
        unique.setdefault(s["call"], s)
    return list(unique.values())


def exchange(rng, station, serial):
    """What the station sent, the way operators type it."""
    code = station["code"]
    if code is None:  # a foreign station sends a serial number
        return "599 %03d" % serial if rng.random() < 0.7 else "599%03d" % serial
    text = rng.choice(["599 ", "599", "59 ", ""]) + code
    roll = rng.random()
    if roll < 0.12:
        text = text.lower()
    elif roll < 0.15:
        text = " " + text + " "
    return text


def malformed_exchange(rng, station):
    """A few exchanges that carry no usable code."""
    code = station["code"] or "599"
    if station["main"] == "UA3A":
        return rng.choice(["599 " + code[0] + "1", "599", "599 " + code + "7"])
    return rng.choice(["599 " + code[:2] + "-" + code[2:], "599 " + code[:3], "599 " + code + "-"])


def make_contacts(rng, stations):
    contacts = []
    minute = 0
    points_bands = ["3.5"] * 5 + ["7"] * 6
    other_bands = ["1.8", "14", "21", "28"]
    for serial in range(1, 281):
        station = rng.choice(stations)
        band = rng.choice(points_bands) if rng.random() < 0.85 else rng.choice(other_bands)
        mode = rng.choice(MODES)
        report = malformed_exchange(rng, station) if rng.random() < 0.04 else exchange(rng, station, serial)
        minute += rng.randint(1, 5)
        contacts.append(row(station, band, mode, report, minute, rng))
    # Repeats: the same station worked again on the same band and mode.
    for original in rng.sample(contacts, 20):
        minute += rng.randint(1, 5)
        repeat = dict(original)
        repeat["QSODate"], repeat["QSOTime"] = stamp(minute)
        contacts.append(repeat)
    return contacts


def multiplier(contact):
    """The multiplier a contact carries: its kind and code, or None."""
    report = trim(re.sub("[a-z]", lambda m: m.group().upper(), contact["QSOReportRecived"]))
    kind, pattern = ("area", r"[A-Z]{2}\Z") if is_ua3a(contact["MainPrefix"]) else ("rda", r"[A-Z0-9]{4}\Z")
    match = re.search(pattern, report)
    return (kind, match.group()) if match else None


def settle_repeats(contacts):
    """A repeat that carries another multiplier than the first contact of its
    callsign, band and mode gets that contact's exchange: which of the two the
    log counts would otherwise depend on how the database orders equal
    callsigns, and the expected figures would not be fixed."""
    first = {}
    for c in contacts:
        key = (c["CallSign"], c["DigiBand"], c["QSOMode"])
        if key not in first:
            first[key] = c
        elif multiplier(c) != multiplier(first[key]):
            c["QSOReportRecived"] = first[key]["QSOReportRecived"]


def stamp(minute):
    day = 14 + minute // (24 * 60)
    return "2024-12-%02d" % day, "%02d:%02d" % (minute // 60 % 24, minute % 60)


def row(station, band, mode, report, minute, rng):
    date, time = stamp(minute)
    continent = station["cont"].lower() if rng.random() < 0.1 else station["cont"]
    return {"QSODate": date, "QSOTime": time,
            "Frequency": str(BAND_KHZ[band] + rng.randint(0, 30)),
            "CallSign": station["call"], "DigiBand": band, "QSOMode": mode,
            "Continent": continent, "QSOReportRecived": report,
            "MainPrefix": station["main"], "DXCCPrefix": station["dxcc"]}


def is_ua3a(prefix):
    return (":" + prefix + ":") in ":UA3A:"


def trim(text):
    start, end = 0, len(text)
    while start < end and ord(text[start]) <= 32:
        start += 1
    while end > start and ord(text[end - 1]) <= 32:
        end -= 1
    return text[start:end]


def expected_figures(contacts):
    """Scores the log as the contest rules do: each contact once per callsign,
    band and mode; points on 3.5 and 7 MHz only; multipliers once per band."""
    seen = set()
    stats = {}
    worked = set()
    for c in sorted(contacts, key=lambda c: c["CallSign"].encode()):
        key = (c["CallSign"], c["DigiBand"], c["QSOMode"])
        if key in seen:
            continue
        seen.add(key)
        band = stats.setdefault(c["DigiBand"], {"qsos": 0, "points": 0, "area": 0, "rda": 0})
        points = 0
        if (":" + c["DigiBand"] + ":") in ":3.5:7:":
            points = 1 if is_ua3a(MY_MAIN_PREFIX) == is_ua3a(c["MainPrefix"]) else 5
        band["qsos"] += 1
        band["points"] += points
        mult = multiplier(c)
        if mult and (mult[0], c["DigiBand"], mult[1]) not in worked:
            worked.add((mult[0], c["DigiBand"], mult[1]))
            band[mult[0]] += 1
    return stats


def repeats_in_log_order(contacts):
    """The contacts the plug-in refuses as q9x-host counts them, one by one in
    the order they were made: each one after the first of its callsign, band
    and mode."""
    seen = set()
    repeats = []
    for c in contacts:
        key = (c["CallSign"], c["DigiBand"], c["QSOMode"])
        if key in seen:
            repeats.append(c)
        seen.add(key)
    return repeats


def report_text(stats, repeats):
    """The figures in the layout `q9x-host --report` prints."""
    empty = None
    rows = [["Band", "QSOs", "Points", "Q9X Area", "RDA"]]
    for label, band in (("80", "3.5"), ("40", "7")):
        s = stats.get(band, empty)
        rows.append([label] + ([str(s[k]) for k in ("qsos", "points", "area", "rda")] if s else [""] * 4))
    totals = {k: sum(s[k] for s in stats.values()) for k in ("qsos", "points", "area", "rda")}
    rows.append(["Total"] + [str(totals[k]) for k in ("qsos", "points", "area", "rda")])
    lines = ["Plug-in: Q9X-CUP-DIGI", "My main prefix: " + MY_MAIN_PREFIX]
    lines += ["".join(cell.ljust(9) + " " for cell in r).rstrip() for r in rows]
    score = totals["points"] * (totals["area"] + totals["rda"])
    lines.append("Score: %d*(%d+%d)=%d" % (totals["points"], totals["area"], totals["rda"], score))
    without_points = totals["qsos"] - sum(stats[b]["qsos"] for b in ("3.5", "7") if b in stats)
    lines.append("Total counts every band: %d of the %d QSOs are on bands that score no points"
                 % (without_points, totals["qsos"]))
    lines.append("Repeats refused (not counted): %d" % len(repeats))
    lines += ["  " + " ".join(c[k] for k in ("QSODate", "QSOTime", "CallSign", "DigiBand", "QSOMode"))
              for c in repeats]
    return "\n".join(lines) + "\n"


def main():
    rng = random.Random(20241214)
    contacts = make_contacts(rng, make_stations(rng))
    contacts.sort(key=lambda c: (c["QSODate"], c["QSOTime"]))
    settle_repeats(contacts)
    with open(HERE / "sample-log.csv", "w", newline="", encoding="utf-8") as out:
        writer = csv.DictWriter(out, fieldnames=COLUMNS, lineterminator="\n")
        writer.writeheader()
        writer.writerows(contacts)
    (HERE / "sample-expected.txt").write_text(report_text(expected_figures(contacts), repeats_in_log_order(contacts)), encoding="utf-8")


if __name__ == "__main__":
    main()
