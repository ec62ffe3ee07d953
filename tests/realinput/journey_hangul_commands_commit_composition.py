"""A syllable still being composed when a tool-bar icon is clicked (the icons take no focus) belongs to
the document: typed through the input method (ibus-hangul or fcitx5-hangul, the first argument) in a header
field and in a cell, and saved by the save icon, it is in the file whole; typed and printed by the print
icon, the preview shows it as the saved document does. Nothing is doubled afterwards, on all three
documents."""

import os

import hangul_input
import places
import xsuite
from places import cell
from xsuite import check

METHOD = hangul_input.method_from_argv()
NAME_FIELD = {"tax": places.BUYER_NAME, "statement": places.BUYER_NAME, "quotation": places.QUOTATION_RECIPIENT}
PERSON_FIELD = {"tax": places.BUYER_PERSON, "statement": places.BUYER_PERSON,
                "quotation": places.QUOTATION_PERSON}


def journey(d):
    im = hangul_input.start(d, METHOD)
    d.start()
    main = places.main_window(d)
    for number, kind in enumerate(("tax", "statement", "quotation")):
        editor = places.open_editor(d, main, kind)

        d.click(editor, *NAME_FIELD[kind])
        im.type("가나다라마바")
        d.click(editor, *places.EDITOR_SAVE)
        name = f"{number}{len(METHOD)}"
        path = xsuite.save_as(d, name, name + places.EXTENSIONS[kind])
        party = xsuite.document_party(path)
        check(party["name"] == "가나다라마바", f"{kind}: the name saved by the icon whole, not {party['name']!r}")

        d.click(editor, *cell(kind, 1, "item"))
        im.type("가위")
        before = xsuite.file_bytes(path)
        d.click(editor, *places.EDITOR_SAVE)
        xsuite.wait_rewritten(d, path, before)
        item = xsuite.document_lines(path)[0]["item"]
        check(item == "가위", f"{kind}: the cell saved by the icon whole, not {item!r}")

        d.click(editor, *PERSON_FIELD[kind])
        im.type("한빛")
        printed = places.preview_pages(d, editor, kind, main, f"{kind}-printed-while-composing")
        before = xsuite.file_bytes(path)
        d.key("alt+s")
        xsuite.wait_rewritten(d, path, before)
        party = xsuite.document_party(path)
        check(party["person"] == "한빛", f"{kind}: the person printed by the icon kept whole, not {party['person']!r}")
        again = places.preview_pages(d, editor, kind, main, f"{kind}-printed-again")
        check(not xsuite.differs(printed, again), f"{kind}: the preview shows the syllable being composed")

        # Nothing came back twice: the fields and the cell hold what was typed, once.
        lines = xsuite.document_lines(path)
        check(party["name"] == "가나다라마바" and lines[0]["item"] == "가위",
              f"{kind}: {party['name']!r} and {lines[0]['item']!r} unchanged after the commands")
        places.close_editor(d, editor)


xsuite.run(journey, name=f"{os.path.splitext(os.path.basename(__file__))[0]}_{METHOD}")
