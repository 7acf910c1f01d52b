#!/usr/bin/python3
"""Reads the portable form of a "Lwall.dxf" with ezdxf, without telling the
reader anything about the file, and checks that the file tells it all: the
version and code page (the Japanese titles decode), and a file that neither
the audit nor the recovering reader has anything to mend in.

Usage: portable_dxf_check.py LWALL_DXF

Prints one "fault: ..." line per fault. Exit status: 0 when the file passes,
1 on any fault, 77 when ezdxf cannot be imported by this Python.
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from dxf_reader_check import SHEET_TEXTS  # noqa: E402

try:
    import ezdxf
    from ezdxf import recover
except ImportError as error:
    print(f"ezdxf cannot be imported: {error}")
    sys.exit(77)


def main():
    path = sys.argv[1]
    faults = []
    doc = ezdxf.readfile(path)  # no encoding given: the file must say it
    if doc.dxfversion != "AC1009":
        faults.append(f"version {doc.dxfversion}")
    if doc.encoding != "cp932":
        faults.append(f"decoded as {doc.encoding}")
    texts = {e.dxf.text for e in doc.modelspace().query("TEXT")}
    for title in SHEET_TEXTS:
        if title not in texts:
            faults.append(f"title {title!r} not found")
    auditor = doc.audit()
    for entry in auditor.errors + auditor.fixes:
        faults.append(f"audit: {entry.message}")
    _, recovered = recover.readfile(path)
    for entry in recovered.errors + recovered.fixes:
        faults.append(f"recover: {entry.message}")
    if "*ACTIVE" not in doc.viewports:
        faults.append("no *ACTIVE viewport")
    extmin, extmax = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    if extmin is None or extmax is None or not extmin[0] < extmax[0]:
        faults.append(f"extents {extmin} {extmax}")
    for fault in faults:
        print("fault:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
