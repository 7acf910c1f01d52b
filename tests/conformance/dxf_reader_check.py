#!/usr/bin/python3
"""Reads a "Lwall.dxf" with ezdxf, a DXF reader written by others, and checks
that it sees the sheet lwall meant to write.

Usage: dxf_reader_check.py [--design NAME] LWALL_DXF

Prints "count TYPE N" for every entity type ezdxf found, then one "fault: ..."
line per fault. Exit status: 0 when the file passes, 1 on any fault, 77 when
ezdxf cannot be imported by this Python (the caller reports a skip).
"""

import argparse
import collections
import math
import pathlib
import sys

# The sheet frame: every entity of the sheet lies inside it.
FRAME_X = (4000.0, 44000.0)
FRAME_Y = (24000.0, 51500.0)

# Titles and labels of the sheet, whatever the design.
SHEET_TEXTS = [
    "断\u3000面\u3000図\u3000S=1;50",
    "た\u3000て\u3000壁",
    "前面",
    "背面",
    "鉄 筋 組 立 図",
    "底\u3000版",
    "上 面 ",
    "下 面 ",
    "形 式 １",
    "形 式 ２",
    "形 式 ３",
    "形 式 ４",
    "形 式 ５",
    "形 式 ６",
    "鉄 筋 加 工 表",
    "鉄 筋 質 量 表",
    "材 料 表",
    "(1m当たり)",
    "１本当り質量",
    "ｺﾝｸﾘｰﾄ",
    "型\u3000枠",
    "鉄\u3000筋",
    "\u3000計\u3000",
    "均しｺﾝｸﾘｰﾄ",
    "ｸﾗｯｼｬﾗﾝ",
]

# Spacing labels "count×pitch" that each bundled design must show.
DESIGN_TEXTS = {
    "standard": ["4×250", "3×350", "2×200"],
    "tall": ["8×125", "6×250", "3×350"],
    "low": ["8×125", "4×250", "2×275"],
    "wide": ["10×125", "3×250", "5×250"],
    "slender": ["8×125", "10×125", "3×200"],
    "dense": ["8×125", "12×125", "4×100"],
}


def raw_lines(data):
    """The value lines of the file; every line must end with CR LF."""
    if not data.endswith(b"\r\n"):
        raise ValueError("the file does not end with CR LF")
    lines = data[:-2].split(b"\r\n")
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            raise ValueError("line %d has a bare CR or LF" % number)
    return lines


def raw_records(lines):
    """(code, value bytes) pairs grouped into records that start at code 0."""
    if len(lines) % 2:
        raise ValueError("odd number of lines: a group code without its value")
    records = []
    for i in range(0, len(lines), 2):
        code = int(lines[i].strip())
        if code == 0:
            records.append([lines[i + 1], []])
        elif records:
            records[-1][1].append((code, lines[i + 1]))
        else:
            raise ValueError("group %d before the first record" % code)
    return records


def section(records, name):
    """The records between SECTION with group 2 `name` and its ENDSEC."""
    inside = None
    for record in records:
        if record[0] == b"SECTION" and (2, name) in record[1]:
            inside = []
        elif record[0] == b"ENDSEC" and inside is not None:
            return inside
        elif inside is not None:
            inside.append(record)
    raise ValueError("no complete %s section" % name.decode())


def layer_table_names(records):
    names = []
    in_layers = False
    for kind, groups in section(records, b"TABLES"):
        if kind == b"TABLE":
            in_layers = (2, b"LAYER") in groups
        elif kind == b"ENDTAB":
            in_layers = False
        elif in_layers and kind == b"LAYER":
            names.extend(v.decode("cp932") for c, v in groups if c == 2)
    return names


def group(groups, code):
    for c, v in groups:
        if c == code:
            return v
    return None


def required_texts(design):
    return SHEET_TEXTS + DESIGN_TEXTS.get(design, [])


def entity_points(entity):
    kind = entity.dxftype()
    if kind == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    if kind == "TEXT":
        points = [entity.dxf.insert]
        if entity.dxf.hasattr("align_point"):
            points.append(entity.dxf.align_point)
        return points
    if kind == "CIRCLE":
        c, r = entity.dxf.center, entity.dxf.radius
        return [(c[0] - r, c[1] - r, 0), (c[0] + r, c[1] + r, 0)]
    return []


def check(path, design, faults):
    data = pathlib.Path(path).read_bytes()
    lines = raw_lines(data)
    if lines[-4:] != [b"0", b"ENDSEC", b"0", b"EOF"]:
        faults.append("the file does not end with ENDSEC and EOF")
    records = raw_records(lines)
    entities = section(records, b"ENTITIES")
    layers = set(layer_table_names(records))

    import ezdxf
    from ezdxf.audit import AuditError

    # Strict decoding: a byte sequence that is not Shift-JIS fails the read
    # instead of being passed through as escapes.
    doc = ezdxf.readfile(path, encoding="cp932", errors="strict")
    msp = list(doc.modelspace())

    counts = collections.Counter(e.dxftype() for e in msp)
    for kind, n in sorted(counts.items()):
        print("count %s %d" % (kind, n))
    raw_counts = collections.Counter(r[0].decode("cp932") for r in entities)
    if counts != raw_counts:
        faults.append("ezdxf read %s, the file holds %s" % (dict(counts), dict(raw_counts)))

    table_layers = {layer.dxf.name for layer in doc.layers}
    if not layers <= table_layers:
        faults.append("LAYER entries not read: %s" % sorted(layers - table_layers))

    styles = {}
    for entity, (kind, groups) in zip(msp, entities):
        where = "%s #%s" % (entity.dxftype(), entity.dxf.handle)
        if entity.dxftype() != kind.decode():
            faults.append("%s read where the file has %s" % (where, kind.decode()))
            continue
        if entity.dxf.layer not in layers:
            faults.append("%s on layer %r, not in the LAYER table" % (where, entity.dxf.layer))
        for point in entity_points(entity):
            x, y = point[0], point[1]
            if not (math.isfinite(x) and math.isfinite(y)):
                faults.append("%s has a non-finite coordinate (%r, %r)" % (where, x, y))
            elif not (FRAME_X[0] <= x <= FRAME_X[1] and FRAME_Y[0] <= y <= FRAME_Y[1]):
                faults.append("%s at (%g, %g), outside the sheet frame" % (where, x, y))
        if kind == b"CIRCLE" and not entity.dxf.radius > 0:
            faults.append("%s has radius %r" % (where, entity.dxf.radius))
        if kind == b"TEXT":
            styles[entity.dxf.handle] = entity.dxf.style
            text = entity.dxf.text
            raw = group(groups, 1) or b""
            if "\ufffd" in text or any("\udc80" <= c <= "\udcff" for c in text):
                faults.append("%s text %r has undecodable bytes" % (where, text))
            elif text.encode("cp932") != raw:
                faults.append("%s text %r does not give back the bytes %r" % (where, text, raw))
            if not entity.dxf.height > 0:
                faults.append("%s has height %r" % (where, entity.dxf.height))

    texts = [e.dxf.text for e in msp if e.dxftype() == "TEXT"]
    for wanted in required_texts(design):
        if not any(wanted in text for text in texts):
            faults.append("no TEXT holds %r" % wanted)

    auditor = doc.audit()
    for error in auditor.errors:
        faults.append("audit error %s: %s" % (error.code, error.message))
    for fix in auditor.fixes:
        entity = fix.entity
        empty_style = (
            fix.code == AuditError.UNDEFINED_TEXT_STYLE
            and entity is not None
            and entity.dxftype() == "TEXT"
            and styles.get(entity.dxf.handle) == ""
        )
        if not empty_style:
            faults.append("audit fix %s: %s" % (fix.code, fix.message))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--design", default="")
    parser.add_argument("dxf")
    args = parser.parse_args()
    # ezdxf draws with Matplotlib when it finds it; reading needs none of it,
    # and a half-installed Matplotlib would break the import.
    sys.modules["matplotlib"] = None
    try:
        import ezdxf  # noqa: F401
    except ImportError:
        print("ezdxf is not importable by %s" % sys.executable)
        return 77
    faults = []
    try:
        check(args.dxf, args.design, faults)
    except Exception as error:  # a reader that gives up is a fault of the file
        faults.append("%s: %s" % (type(error).__name__, error))
    for fault in faults[:50]:
        print("fault: " + fault)
    if len(faults) > 50:
        print("fault: ... and %d more" % (len(faults) - 50))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
