"""The special character picker (F11 in an item cell) used twice in a row: each choice is appended to the
cell, the program keeps running, and the saved file holds both characters. (The picker's library was
unmapped after its first use, which left Qt with dangling type records and crashed a later use.)"""

import os

import xsuite
from xsuite import check

import places


def pick(d, editor, *keys):
    d.key("F11")
    picker = d.wait_window("^특수문자", exclude=(editor,))
    d.key(*keys)
    d.wait_gone(picker)
    check(d.alive(), "the program is still running after the picker closed")


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    d.click(editor, *places.EDITOR_FIRST_ITEM)
    pick(d, editor, "Return")  # the first symbol of the first tab, ※
    pick(d, editor, "Return")  # and again
    pick(d, editor, "Escape")  # cancelled: nothing is added

    x, y = places.EDITOR_FIRST_ITEM
    d.click(editor, x + 200, y)
    d.key("alt+s")
    dialog = d.wait_window("저장")
    d.type("symbols")
    d.key("Return")
    path = os.path.join(d.work_dir, "symbols.Dy5")
    d.wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, "the saved file")
    d.wait_gone(dialog)
    text = open(path, "rb").read().decode("cp949", "replace")
    check("※※" in text and "※※※" not in text, "the item name holds the two picked symbols")

    places.close_editor(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
