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


def write_older(path, date, buyer_number, buyer_name, items):
    """The same document as the older generation writes it (".Dnt", 220-byte records: the current record
    without its tenth slot)."""
    write_document(path, date, buyer_number, buyer_name, items)
    with open(path, "rb") as f:
        current = f.read()
    older = b"".join(current[at:at + 212] + current[at + 220:at + 228] for at in range(0, len(current), 228))
    with open(path, "wb") as f:
        f.write(older)


def summary_pdf_text(d, preview, name):
    """Saves the summary shown in the preview as work/<name>.pdf and returns its text, without blanks."""
    import subprocess
    import xsuite
    d.click(preview, 186, 37)  # PDF로 저장
    dialog = d.wait_window("PDF로 저장")
    d.wait_until(lambda: d.focused() == dialog, "the save dialog takes the keyboard", timeout=5)
    d.type(name)
    d.key("Return")
    # The dialog starts in the work folder, which is the folder of the last save.
    def saved():
        for folder, _, files in os.walk(d.work_dir):
            if name + ".pdf" in files and os.path.getsize(os.path.join(folder, name + ".pdf")) > 0:
                return os.path.join(folder, name + ".pdf")
        return None
    pdf = d.wait_until(saved, "the PDF saved", timeout=20)
    d.wait_gone(dialog)
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
    os.remove(pdf)
    return text.replace(" ", "")


def open_register_on_first_preliminary(d):
    """Starts the program, opens the register by Alt+L and chooses 1기 예정 (January to March); returns the
    main window and the register."""
    import xsuite
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, 356, 150)
    d.key("alt+l")
    register = d.wait_window("^문서목록")
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
    d.key("alt+p")
    d.key("Down")  # 1기 예정 (1~3월)
    return main, register
