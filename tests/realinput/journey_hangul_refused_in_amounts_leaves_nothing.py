"""Hangul keys in an amount column and in a number field (ibus-hangul or fcitx5-hangul, the first argument):
nothing of them shows or is kept there, the digits typed after them are, and no syllable is left pending in
the input method to land in the field clicked next, on all three documents."""

import os
import time

import hangul_input
import places
import xsuite
from places import cell
from xsuite import check

METHOD = hangul_input.method_from_argv()
# The unit price of a quotation line: an 8-byte integer of ten-thousandths.
QUOTATION_PRICE_OFFSET = 125
NAME_FIELD = {"tax": places.BUYER_NAME, "statement": places.BUYER_NAME, "quotation": places.QUOTATION_RECIPIENT}


def amount_of(path, kind):
    """The unit price of line 1 as the file holds it."""
    if kind == "quotation":
        with open(path, "rb") as f:
            data = f.read()
        record = data[-20 * xsuite.QUOTATION_RECORD:][:xsuite.QUOTATION_RECORD]
        return int.from_bytes(record[QUOTATION_PRICE_OFFSET:QUOTATION_PRICE_OFFSET + 8], "little", signed=True) / 10000
    return xsuite.amount_of(xsuite.invoice_records(path)[3][7])


def keys(d, *names):
    d.x("xdotool", "key", "--delay", "100", *names)
    time.sleep(0.5)


def journey(d):
    hangul_input.start(d, METHOD)
    d.start()
    main = places.main_window(d)
    for number, kind in enumerate(("tax", "statement", "quotation")):
        editor = places.open_editor(d, main, kind)
        d.click(editor, *cell(kind, 1, "price"))
        keys(d, "r", "k")                     # 가, refused
        d.click(editor, *NAME_FIELD[kind])    # nothing of it may land here
        d.screenshot(f"{kind}-name-clicked")
        d.click(editor, *cell(kind, 1, "price"))
        keys(d, "1", "5", "0", "0", "Return")
        if kind == "quotation":
            d.click(editor, *places.QUOTATION_PHONE)
            keys(d, "r", "k")
            d.click(editor, *places.QUOTATION_PERSON)
            d.click(editor, *places.QUOTATION_PHONE)
            keys(d, "0", "2")
            d.click(editor, *places.QUOTATION_PERSON)
        d.screenshot(f"{kind}-after")
        d.key("alt+s")
        name = f"{number}{len(METHOD)}"
        path = xsuite.save_as(d, name, name + places.EXTENSIONS[kind])
        party = xsuite.document_party(path)
        check(party["name"] == "" and party["person"] == "",
              f"{kind}: nothing lands in the fields clicked next, not {party}")
        price = amount_of(path, kind)
        check(price == 1500, f"{kind}: the unit price 1,500 typed after the refused keys, not {price}")
        if kind == "quotation":
            phone = xsuite.quotation_records(path)[0][3]
            check(phone.replace(" ", "").replace("-", "") == "02", f"the telephone holds 02, not {phone!r}")
        places.close_editor(d, editor)


xsuite.run(journey, name=f"{os.path.splitext(os.path.basename(__file__))[0]}_{METHOD}")
