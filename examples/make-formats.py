#!/usr/bin/env python3
"""Writes the ADIF and Cabrillo sample logs (sample-log.adi, sample-log.cbr)
and the report q9x-host must print for each (sample-adi-expected.txt,
sample-cbr-expected.txt).

Neither format carries the prefixes the contest rules read, so the host
takes them from its prefix table (host/q9x-host-prefixes.txt); this script
reads the same table with a lookup of its own and works the figures out from
the rules as make-sample.py does, without the plug-in.

    python3 examples/make-formats.py
"""

import importlib.util
import re
from pathlib import Path

HERE = Path(__file__).resolve().parent
spec = importlib.util.spec_from_file_location("make_sample", HERE / "make-sample.py")
sample = importlib.util.module_from_spec(spec)
spec.loader.exec_module(sample)

MY_CALL = "UA3AAA"
# Call, kHz, mode (ADIF MODE/SUBMODE), minute of the contest, exchange received,
# continent. Repeats, portable forms, a district of its own and bands
# without points included.
CONTACTS = [
    ("RK3KK", 3581, "RTTY", "", 3, "599 LP", "EU"),
    ("UA3BZ", 7043, "MFSK", "FT4", 5, "599 TA15", "EU"),
    ("RA4XY", 3585, "PSK", "BPSK31", 9, "599 SA22", "EU"),
    ("DL1ABC", 7040, "RTTY", "", 12, "599 001", "EU"),
    ("R3AA/P", 7046, "RTTY", "", 14, "59 AB", "EU"),
    ("R3AA", 7046, "RTTY", "", 15, "599 AB", "EU"),
    ("RK3KK", 3583, "RTTY", "", 19, "599 LP", "EU"),
    ("RA3AZ/1", 3590, "MFSK", "FT4", 22, "599 LO08", "EU"),
    ("UA9XYZ", 14080, "RTTY", "", 25, "599 SV12", "AS"),
    ("SP5XRG", 3579, "PSK", "BPSK31", 31, "599 005", "EU"),
    ("RV3AQ", 7041, "MFSK", "FT4", 34, "599 DK", "EU"),
    ("UA2FIS", 7044, "RTTY", "", 40, "599 KA", "EU"),
    ("OK1QOW", 21080, "MFSK", "FT4", 43, "599 010", "EU"),
    ("UA3BZ", 3588, "MFSK", "FT4", 47, "599 TA15", "EU"),
    ("R6XD", 7047, "PSK", "BPSK31", 52, " 59 NS16 ", "EU"),
    ("JA1ABC", 7042, "MFSK", "FT4", 58, "599 014", "AS"),
    ("R3AA", 7045, "RTTY", "", 61, "599 AB", "EU"),
    ("RZ3DW", 3586, "RTTY", "", 66, "599 vl", "EU"),
    # Another mode for ADIF, the same digital mode for Cabrillo: a repeat there.
    ("RA4XY", 3587, "MFSK", "FT4", 70, "599 SA22", "EU"),
]
BANDS = [("1.8", "160m", 1800, 2000), ("3.5", "80m", 3500, 4000), ("7", "40m", 7000, 7300),
         ("10", "30m", 10100, 10150), ("14", "20m", 14000, 14350), ("18", "17m", 18068, 18168),
         ("21", "15m", 21000, 21450), ("24", "12m", 24890, 24990), ("28", "10m", 28000, 29700)]


def band_of(khz):
    return next(b for b in BANDS if b[2] <= khz <= b[3])


def read_prefix_table():
    entries = []
    for line in (HERE.parent / "host" / "q9x-host-prefixes.txt").read_text().splitlines():
        fields = line.split("#")[0].split()
        if fields:
            pattern = re.sub(r"\[([^]]*)\]", r"[\1]", fields[0])
            length = len(re.sub(r"\[[^]]*\]", "x", fields[0]))
            entries.append((re.compile(pattern), length, fields[0].count("["), fields[1], fields[2]))
    return entries


def prefix_part(call):
    parts = [p for p in call.upper().split("/") if p and p not in ("P", "M", "MM", "AM", "A", "QRP", "LH")]
    if len(parts) < 2:
        return parts[0]
    home, other = parts[0], parts[1]
    if len(other) == 1 and other.isdigit():
        m = re.match(r"^[A-Z0-9]*[0-9](?=[A-Z])", home)
        return home[:m.end() - 1] + other + home[m.end():] if m else home
    return other if len(other) < len(home) else home


def prefixes(call, table):
    text = prefix_part(call)
    fitting = [e for e in table if e[0].match(text)]
    best = max(fitting, key=lambda e: (e[1], -e[2]))
    return best[3], best[4]


def as_log_rows(mode_of):
    table = read_prefix_table()
    rows = []
    for call, khz, mode, submode, minute, exchange, cont in CONTACTS:
        date, time = sample.stamp(minute)
        main, dxcc = prefixes(call, table)
        rows.append({"QSODate": date, "QSOTime": time, "CallSign": call, "DigiBand": band_of(khz)[0],
                     "QSOMode": mode_of(mode, submode), "Continent": cont,
                     "QSOReportRecived": exchange, "MainPrefix": main, "DXCCPrefix": dxcc})
    return rows


def write_adif():
    out = ["Sample log of the Q9X-CUP-DIGI contest, written by examples/make-formats.py",
           "<ADIF_VER:5>3.1.0 <PROGRAMID:8>q9x-demo <EOH>", ""]
    for i, (call, khz, mode, submode, minute, exchange, cont) in enumerate(CONTACTS):
        date, time = sample.stamp(minute)
        fields = [("CALL", call), ("QSO_DATE", date.replace("-", "")), ("TIME_ON", time.replace(":", ""))]
        # Half the records give the band, the other half only the frequency.
        fields += [("BAND", band_of(khz)[1])] if i % 2 == 0 else [("FREQ", "%.3f" % (khz / 1000))]
        fields += [("MODE", mode)] + ([("SUBMODE", submode)] if submode else [])
        rst, _, rest = exchange.strip().partition(" ")
        fields += [("SRX_STRING", exchange)] if i % 3 else [("RST_RCVD", rst), ("SRX", rest)]
        fields += [("CONT", cont)]
        out.append(" ".join("<%s:%d>%s" % (n, len(v), v) for n, v in fields) + " <EOR>")
    (HERE / "sample-log.adi").write_text("\n".join(out) + "\n")


def cabrillo_mode(mode, submode):
    return "RY" if mode == "RTTY" else "DG"


def write_cabrillo():
    out = ["START-OF-LOG: 3.0", "CONTEST: Q9X-CUP-DIGI", "CALLSIGN: " + MY_CALL,
           "CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-MODE: DIGI", "CREATED-BY: make-formats.py"]
    for call, khz, mode, submode, minute, exchange, cont in CONTACTS:
        date, time = sample.stamp(minute)
        words = exchange.split()
        out.append("QSO: %5d %s %s %s %-10s 599 AB %-10s %s %s" % (
            khz, cabrillo_mode(mode, submode), date, time.replace(":", ""), MY_CALL, call,
            words[0], words[1]))
    out.append("END-OF-LOG:")
    (HERE / "sample-log.cbr").write_text("\r\n".join(out) + "\r\n")


def expected(rows):
    return sample.report_text(sample.expected_figures(rows), sample.repeats_in_log_order(rows))


def main():
    write_adif()
    write_cabrillo()
    adif_rows = as_log_rows(lambda mode, submode: submode or mode)
    (HERE / "sample-adi-expected.txt").write_text(expected(adif_rows))
    # The Cabrillo file carries its own mode names; RY comes back as RTTY.
    cbr_rows = as_log_rows(lambda mode, submode: "RTTY" if cabrillo_mode(mode, submode) == "RY" else "DG")
    for row, contact in zip(cbr_rows, CONTACTS):
        row["QSOReportRecived"] = " ".join(contact[5].split())
    (HERE / "sample-cbr-expected.txt").write_text(expected(cbr_rows))


if __name__ == "__main__":
    main()
