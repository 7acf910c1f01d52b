#!/usr/bin/python3
"""Reads the two CSV files of `lwall --schedule` with Python's csv module and
checks them against the sheet's tables in the Lwall.dxf beside them.

Usage: schedule_csv_check.py LWALL_DXF BARS_CSV MATERIALS_CSV

Both files must start with a UTF-8 byte-order mark, end every line with
CR LF, parse as strict CSV under the stated heading row, and hold in every
field the text at the same row and column of the sheet's tables (the DXF
file's TEXT entities, found by their position; the sheet's texts without the
blanks that align or centre them). Prints one "fault: ..." line per fault.
Exit status: 0 when both files pass, 1 on any fault.
"""

import csv
import io
import re
import sys

BAR_HEADINGS = ["種 別", "形 式", "径", "本 数", "長 さ (mm)", "Ｌ１ (mm)", "Ｌ２ (mm)",
                "Ｌ３ (mm)", "単位質量 (kg/m)", "１本当り質量 (kg)", "質 量 (kg)"]
MATERIALS_HEADINGS = ["種 別", "細 別", "単 位", "数 量", "摘 要"]
MARKS = ["W1", "W2", "W3", "W4", "W5", "F1", "F2", "F3", "F4", "S1", "S2"]
NUMBER = re.compile(r"-?[0-9]+(\.[0-9]+)?")

# Text positions on the sheet (absolute, first alignment point). The bending
# schedule's origin is (26500, 43000), the mass table's (26500, 33000), the
# materials table's (36500, 36000); bar row i has its baseline 500 * i below
# the origin.
BENDING_X = [26550, 27350, 28550, 29750, 30550, 31950, 33350, 34750]
MASS_X = {"mark": 26550, "diameter": 27350, "length": 28550, "count": 29750,
          "unit_mass": 30550, "one_bar": 31850, "mark_mass": 33450}
MATERIALS = (36500, 36000)


def read_dxf_texts(path):
    """{(x, y): [text, ...]} of the file's TEXT entities by layer group."""
    lines = open(path, "rb").read().split(b"\r\n")
    texts = {}
    record = None
    for i in range(0, len(lines) - 1, 2):
        code, value = int(lines[i]), lines[i + 1]
        if code == 0:
            if record is not None and record.get(0) == b"TEXT":
                key = (round(float(record[10])), round(float(record[20])))
                texts.setdefault(key, []).append(
                    (record[8].decode("cp932"), record[1].decode("cp932")))
            record = {0: value}
        elif record is not None and code not in record:
            record[code] = value
    return texts


class Sheet:
    def __init__(self, path):
        self.texts = read_dxf_texts(path)

    def at(self, x, y, layer=None):
        """The stripped text at a point, "" when there is none."""
        found = [t for l, t in self.texts.get((x, y), []) if layer is None or l == layer]
        return " | ".join(t.strip() for t in found)

    def has(self, x, y):
        return (x, y) in self.texts


def read_csv(path, headings, faults):
    """The rows under the heading row, or [] when the file does not parse."""
    name = path.rsplit("/", 1)[-1]
    data = open(path, "rb").read()
    if not data.startswith(b"\xef\xbb\xbf"):
        faults.append(f"{name}: no UTF-8 byte-order mark")
    if not data.endswith(b"\r\n") or data.count(b"\n") != data.count(b"\r\n") \
            or data.count(b"\r") != data.count(b"\r\n"):
        faults.append(f"{name}: a line does not end with CR LF")
    try:
        text = data.decode("utf-8-sig")
        rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    except (UnicodeDecodeError, csv.Error) as error:
        faults.append(f"{name}: {error}")
        return []
    if not rows or rows[0] != headings:
        faults.append(f"{name}: heading row {rows[:1]}")
        return []
    for number, row in enumerate(rows[1:], 2):
        if len(row) != len(headings):
            faults.append(f"{name}: record {number} has {len(row)} fields")
    return [row for row in rows[1:] if len(row) == len(headings)]


def same(faults, where, field, sheet_text):
    if field != sheet_text:
        faults.append(f"{where}: {field!r} where the sheet prints {sheet_text!r}")


def number(faults, where, field):
    if not NUMBER.fullmatch(field):
        faults.append(f"{where}: {field!r} is no number")


def steel_rows(sheet):
    """The materials table's steel rows top down as (y, label), and the
    steel total's y: as many rows as the table prints "kg" units."""
    ox, oy = MATERIALS
    rows = []
    y = oy - 4000
    while sheet.at(ox + 3550, y) == "kg":
        rows.append((y, sheet.at(ox + 2000, y, "D-MTR-TXT")))
        y -= 500
    return rows, y


def check_bars(sheet, rows, faults):
    if len(rows) < len(MARKS) + 1:
        faults.append(f"bars: {len(rows)} records")
        return
    for i, (mark, row) in enumerate(zip(MARKS, rows), 1):
        where = f"bars {mark}"
        same(faults, where, row[0], mark)
        for column, x in enumerate(BENDING_X):
            y = 43000 - 500 * i
            field = row[column]
            if column == 7 and not sheet.has(x, y):  # an L3 equal to L1 is not printed
                same(faults, where + " L3", field, "")
                continue
            same(faults, f"{where} column {column + 1}", field, sheet.at(x, y, "D-MTR-MTXT"))
            if column >= 3:
                number(faults, f"{where} column {column + 1}", field)
        y = 33000 - 500 * i
        for column, key in ((0, "mark"), (2, "diameter"), (3, "count"), (4, "length"),
                            (8, "unit_mass"), (9, "one_bar"), (10, "mark_mass")):
            same(faults, f"{where} {key} (mass table)", row[column],
                 sheet.at(MASS_X[key], y, "D-MTR-MTXT"))
        for column in (8, 9, 10):
            number(faults, f"{where} column {column + 1}", row[column])

    # The diameter totals and the total mass are the materials table's.
    steel, total_y = steel_rows(sheet)
    ox, _ = MATERIALS
    listed = [(label, y) for y, label in reversed(steel) if label]
    totals = rows[len(MARKS):]
    if [row[2] for row in totals] != [label for label, _ in listed] + [""]:
        faults.append(f"bars: totals {[row[2] for row in totals]} for the sheet's "
                      f"{[label for label, _ in listed]}")
        return
    for row, (label, y) in zip(totals, listed + [("", total_y)]):
        same(faults, f"bars total {label}", row[0], "計")
        same(faults, f"bars total {label}", row[10], sheet.at(ox + 4050, y, "D-MTR-MTXT"))
        number(faults, f"bars total {label}", row[10])
        if any(row[column] for column in (1, 3, 4, 5, 6, 7, 8, 9)):
            faults.append(f"bars total {label}: {row}")


def check_materials(sheet, rows, faults):
    ox, oy = MATERIALS
    steel, total_y = steel_rows(sheet)
    d = (len(steel) - 3) * 500
    base_label_y = -5100 - 500 * (len(steel) - 1)
    # (kind's label point, part x, y) of every row, top down; points of the
    # labels relative to the table's origin, the rows' y absolute.
    layout = [((200, -750), 2000, oy - 500), ((200, -750), 2000, oy - 1000),
              ((200, -750), 2000, oy - 1500)]
    layout += [((200, -2600), 2000, oy - y) for y in (2000, 2500, 3000, 3500)]
    layout += [((200, -4500), 2000, y) for y, _ in steel]
    layout += [((200, -4500), 2000, total_y)]
    layout += [((200, base_label_y), 1850, oy - 6000 - d),
               ((200, base_label_y), 1850, oy - 6500 - d)]
    if len(rows) != len(layout):
        faults.append(f"materials: {len(rows)} records for the sheet's {len(layout)} rows")
        return
    for record, (row, ((kx, ky), part_x, y)) in enumerate(zip(rows, layout), 2):
        where = f"materials record {record}"
        same(faults, where + " kind", row[0], sheet.at(ox + kx, oy + ky, "D-MTR-TXT"))
        same(faults, where + " part", row[1], sheet.at(ox + part_x, y, "D-MTR-TXT"))
        same(faults, where + " unit", row[2], sheet.at(ox + 3550, y, "D-MTR-TXT"))
        same(faults, where + " quantity", row[3], sheet.at(ox + 4050, y, "D-MTR-MTXT"))
        same(faults, where + " remark", row[4], sheet.at(ox + 5350, y, "D-MTR-MTXT"))
        # The end formwork's area stands in the remarks column.
        number(faults, where, row[3] or row[4])


def main():
    dxf, bars, materials = sys.argv[1:4]
    faults = []
    sheet = Sheet(dxf)
    check_bars(sheet, read_csv(bars, BAR_HEADINGS, faults), faults)
    check_materials(sheet, read_csv(materials, MATERIALS_HEADINGS, faults), faults)
    for fault in faults:
        print("fault:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
