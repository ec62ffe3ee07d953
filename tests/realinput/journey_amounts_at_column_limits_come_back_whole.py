"""Amounts at the limits of their columns, positive and negative, typed through the X server into a tax
invoice, a statement and a quotation: saved, reopened and saved again, every amount comes back to the won
and the file to the byte. A statement whose tax sum no tax invoice line can hold is refused with a message
when it is opened on the tax invoice page, never shown with a blank tax."""

import os
import time

import places
import xsuite
from xsuite import check

# Per page: the lines typed, each an item name and the cells typed after it (column, text), and what the
# saved file must hold for it.
LINES = {
    "tax": [
        ("음수단가", [("quantity", "1"), ("price", "-999999999")],
         {"price": -999999999, "supply": -999999999, "tax": -99999999}),
        ("음수세액", [("supply", "-100000000"), ("tax", "-999999999")],
         {"supply": -100000000, "tax": -999999999}),
        ("최대공급", [("supply", "9999999999")], {"supply": 9999999999, "tax": 999999999}),
        ("소수수량", [("quantity", "-9999.9999"), ("price", "10")],
         {"quantity": -9999.9999, "price": 10, "supply": -99999, "tax": -9999}),
    ],
    "statement": [
        ("큰공급1", [("supply", "5000000000")], {"supply": 5000000000, "tax": 500000000}),
        ("큰공급2", [("supply", "5000000000")], {"supply": 5000000000, "tax": 500000000}),
        ("작은수량", [("quantity", "0.0001"), ("price", "999999999")],
         {"quantity": 0.0001, "price": 999999999, "supply": 100000}),
    ],
    "quotation": [
        ("최대단가", [("quantity", "9"), ("price", "999999999")], None),
        ("소수수량", [("quantity", "99999.9999"), ("price", "1")], None),
    ],
}
# The rows of the grid that must look the same once reopened (left, top, right, bottom in the editor).
GRID_ROWS = {"tax": (1, 229, 658, 309), "statement": (1, 209, 666, 269), "quotation": (1, 219, 638, 259)}


def type_lines(d, editor, kind):
    for row, (item, cells, _) in enumerate(LINES[kind], start=1):
        d.click(editor, *places.cell(kind, row, "item"))
        d.type(item)
        d.key("Return")
        for column, text in cells:
            d.click(editor, *places.cell(kind, row, column))
            d.type(text)
            d.key("Return")
    d.click(editor, *places.cell(kind, 5, "item"))  # the same cell chosen before both pictures


def saved_again(d, path):
    """Saves under the document's own name and returns the file's bytes once it has been written."""
    before = os.stat(path).st_mtime_ns
    time.sleep(0.05)
    d.key("alt+s")
    d.wait_until(lambda: os.stat(path).st_mtime_ns != before, "the file saved again")
    return xsuite.file_bytes(path)


def round_trip(d, main, kind):
    editor = places.open_editor(d, main, kind)
    type_lines(d, editor, kind)
    typed = d.window_shot(editor, f"{kind}-typed")
    d.key("alt+s")
    name = f"limits-{kind}"
    path = xsuite.save_as(d, name, name + places.EXTENSIONS[kind])
    d.click(editor, *places.EDITOR_CAPTION[kind])
    first = xsuite.file_bytes(path)

    if kind != "quotation":
        for item, _, expected in LINES[kind]:
            line = xsuite.invoice_line(path, item)
            for column, value in expected.items():
                check(abs(line[column] - value) < 1e-9, f"{kind} '{item}': {column} {value} saved, not {line[column]}")

    places.close_editor(d, editor)
    editor = places.open_editor(d, main, kind)
    places.open_file(d, editor, os.path.basename(path), kind)
    d.click(editor, *places.EDITOR_CAPTION[kind])
    d.click(editor, *places.cell(kind, 5, "item"))
    reopened = d.window_shot(editor, f"{kind}-reopened")
    region = GRID_ROWS[kind]
    check(not xsuite.differs(typed.crop(region), reopened.crop(region)),
          f"the {kind} lines look after reopening as they were typed")
    check(saved_again(d, path) == first, f"the reopened {kind} saves to the same bytes")
    places.close_editor(d, editor)
    return path


def journey(d):
    d.start()
    main = places.main_window(d)
    for kind in ("tax", "statement", "quotation"):
        round_trip(d, main, kind)

    # The statement's tax sum is 1,000,000,000: one tax invoice line cannot hold it.
    editor = places.open_editor(d, main, "tax")
    fresh = d.window_shot(editor, "tax-fresh")
    before = tuple(d.windows(f"^{xsuite.APP_TITLE}$"))
    places.open_file(d, editor, "limits-statement.Gy5", "tax")
    message = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=before + (main,))
    d.window_shot(message, "statement-refused")
    d.key("Return")
    d.wait_gone(message)
    d.click(editor, *places.EDITOR_CAPTION["tax"])
    after = d.window_shot(editor, "tax-after-refusal")
    check(not xsuite.differs(fresh.crop(GRID_ROWS["tax"]), after.crop(GRID_ROWS["tax"])),
          "nothing of the refused statement was put on the tax invoice")
    places.close_editor(d, editor)


xsuite.run(journey)
