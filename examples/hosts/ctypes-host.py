#!/usr/bin/env python3
"""ctypes-host: a host in Python that loads the Q9X-CUP-DIGI plug-in with
ctypes and scores contacts without a log of its own.

    python3 examples/hosts/ctypes-host.py PATH/libq9xcup.so

The records are plain byte buffers at the offsets of plugin/q9xcup.h.
Python has no Qt SQL connection to hand over, so the plug-in's first count of
the log fails and it says so in an error box; unattended, a GLib timeout ends
the box's event loop while _Run is busy (Qt on Linux dispatches through the
default GLib context). The area file is looked for beside the interpreter's
real executable (e.g. /usr/bin/Plugins/Q9XCup.dom), so without one there no
area code is proposed.
"""

import ctypes
import os
import sys

RECORD_SIZE, INFO_SIZE = 5916, 520
OFFSETS = {"Connection": 0, "TableName": 12, "CallSign": 268, "DigiBand": 540, "QSOMode": 796,
           "Continent": 1052, "QSOReportRecived": 1308, "MainPrefix": 2332, "DXCCPrefix": 2588,
           "CaptionText": 3868, "MyMainPrefix": 4380}
DEFERRED_DELETE = 52


def set_text(record, field, text):
    data = text.encode("latin-1")[:255]
    start = OFFSETS[field]
    record[start] = len(data)
    record[start + 1:start + 1 + len(data)] = data


def short_text(buffer, start=0):
    return bytes(buffer[start + 1:start + 1 + buffer[start]]).decode("latin-1")


def loaded(name):
    """A library the plug-in brought into the process, or None."""
    try:
        return ctypes.CDLL(name, mode=os.RTLD_NOLOAD | os.RTLD_NOW)
    except OSError:
        return None


def main():
    if len(sys.argv) != 2:
        print("usage: ctypes-host.py PATH/libq9xcup.so", file=sys.stderr)
        return 2
    plugin = ctypes.CDLL(sys.argv[1])
    plugin._Run.restype = ctypes.c_ssize_t
    plugin._Run.argtypes = [ctypes.c_ssize_t, ctypes.c_char_p]
    for name in ("_GetScore", "_AddQSO"):
        getattr(plugin, name).restype = ctypes.c_int32
        getattr(plugin, name).argtypes = [ctypes.c_char_p]
    plugin._GrabNumber.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    plugin._GetInfo.argtypes = [ctypes.c_char_p]

    info = ctypes.create_string_buffer(INFO_SIZE)
    plugin._GetInfo(info)
    print("Plug-in:", short_text(info.raw))

    glib, qt_core = loaded("libglib-2.0.so.0"), loaded("libQt6Core.so.6")
    inside_run = [False]
    qt_exit = getattr(qt_core, "_ZN16QCoreApplication4exitEi", None) if qt_core else None

    @ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)
    def dismiss_error_box(_):
        if inside_run[0] and qt_exit:
            qt_exit(0)
        return 1

    record = bytearray(RECORD_SIZE)
    set_text(record, "TableName", "Log")
    set_text(record, "CaptionText", "ctypes-host")
    set_text(record, "MyMainPrefix", "UA3A")

    timeout = glib.g_timeout_add(200, dismiss_error_box, None) if glib else 0
    inside_run[0] = True
    window = plugin._Run(0, bytes(record))
    inside_run[0] = False
    if timeout:
        glib.g_source_remove(timeout)
    if window == 0:
        print("ctypes-host: the plug-in opened no window; it scores nothing without one", file=sys.stderr)
        return 1

    contacts = [("R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A"),
                ("RA4XY", "3.5", "RTTY", "599 SA22", "UA4", "UA"),
                ("DL1ABC", "14", "FT4", "599 001", "DL", "DL"),
                ("R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A")]
    total = 0
    for call, band, mode, exchange, main_prefix, dxcc_prefix in contacts:
        for field, text in (("CallSign", call), ("DigiBand", band), ("QSOMode", mode),
                            ("QSOReportRecived", exchange), ("MainPrefix", main_prefix),
                            ("DXCCPrefix", dxcc_prefix)):
            set_text(record, field, text)
        code = ctypes.create_string_buffer(256)
        plugin._GrabNumber(bytes(record), code)
        worth = plugin._GetScore(bytes(record))
        counted = plugin._AddQSO(bytes(record))
        print("%-7s %-4s %-5s proposed \"%s\", worth %d, counted %d"
              % (call, band, mode, short_text(code.raw), worth, counted))
        total += max(counted, 0)
    print("Points counted:", total)

    # The windows go when deferred deletions run, while Qt still works.
    plugin._Release()
    if qt_core:
        send_posted = qt_core._ZN16QCoreApplication16sendPostedEventsEP7QObjecti
        send_posted.argtypes = [ctypes.c_void_p, ctypes.c_int]
        send_posted(None, DEFERRED_DELETE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
