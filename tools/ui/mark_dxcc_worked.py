#!/usr/bin/env python3
"""Marks entities of a DXCC.DAT worked or confirmed on paper, for a demo data
folder in which several needed levels show.  Each argument is PREFIX=STATE
with STATE "W" (worked) or "C" (confirmed) on every band and mode, or
PREFIX=STATE:COLUMNS with the record bytes 24-38 given as 15 characters
(CW SSB DI 160 80 40 30 20 17 15 12 10 6 SAT 2).

    python3 tools/ui/mark_dxcc_worked.py DATA/DXCC.DAT I=C DL=W:C--------------
"""
import sys

RECORD = 44


def main():
    path, marks = sys.argv[1], sys.argv[2:]
    data = bytearray(open(path, "rb").read())
    for mark in marks:
        prefix, state = mark.split("=", 1)
        columns = state.split(":", 1)[1] if ":" in state else state * 15
        key = prefix.ljust(4).encode()
        for at in range(0, len(data), RECORD):
            if data[at:at + 4] == key:
                data[at + 24:at + 39] = columns.encode()
                break
        else:
            sys.exit("no entity " + prefix)
    open(path, "wb").write(data)


if __name__ == "__main__":
    main()
