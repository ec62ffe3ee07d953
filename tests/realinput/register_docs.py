"""Document files for the register's journeys, written byte by byte in the current format (228-byte
records: supplier, buyer, totals, then one record per grid row), so that a journey starts with a work
folder that already holds documents."""

import os
import struct

SLOTS = [(0, 10), (11, 2), (14, 2), (17, 35), (53, 20), (74, 14), (89, 25), (115, 25), (141, 70), (212, 7)]


def _record(kind, slots, buyer_kind=0):
    rec = bytearray(228)
    for number, text in slots.items():
        offset, capacity = SLOTS[number - 1]
        data = text.encode("cp949")[:capacity]
        rec[offset] = len(data)
        rec[offset + 1:offset + 1 + len(data)] = data
    rec[220:224] = struct.pack("<i", kind)
    rec[224:228] = struct.pack("<i", buyer_kind)
    return bytes(rec)


def write_document(path, date, buyer_number, buyer_name, items, statement=False, rep="", addr="", uptea="",
                   upjong=""):
    """items: (name, supply, tax) per line; date: a datetime.date."""
    day = date.strftime("%Y.%m.%d")
    records = [
        _record(1, {1: day, 4: "우리상사", 5: "김대표", 6: "220-81-62517", 9: "서울특별시 중구"}),
        _record(2, {1: day, 4: buyer_name, 5: rep, 6: buyer_number, 7: uptea, 8: upjong, 9: addr}),
        _record(3, {1: "A", 4: "000000" + "  -    " + ("1" if statement else "0"),
                    5: "0", 6: "0", 7: "0", 8: "0"}),
    ]
    rows = 30 if statement else 5
    for row in range(rows):
        if row < len(items):
            name, supply, tax = items[row]
            slots = {2: date.strftime("%m"), 3: date.strftime("%d"), 5: str(tax), 6: str(supply), 7: "1",
                     8: str(supply), 9: name}
        else:
            slots = {5: "0", 6: "0", 7: "0", 8: "0"}
        records.append(_record(row + 4, slots))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"".join(records))
