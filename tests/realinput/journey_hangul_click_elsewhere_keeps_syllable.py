"""A click on another field or cell while a syllable is being composed (ibus-hangul or fcitx5-hangul, the
first argument): the syllable stays in the field or cell it was typed in, once, and nothing of it lands in
the one clicked (ibus used to send it there a second time), on all three documents. Alt+S keeps a syllable
still being composed, and the save dialog takes a file name typed in Hangul."""

import os
import time

import hangul_input
import places
import xsuite
from places import cell
from xsuite import check

METHOD = hangul_input.method_from_argv()
NAME_FIELD = {"tax": places.BUYER_NAME, "statement": places.BUYER_NAME, "quotation": places.QUOTATION_RECIPIENT}
PERSON_FIELD = {"tax": places.BUYER_PERSON, "statement": places.BUYER_PERSON,
                "quotation": places.QUOTATION_PERSON}
ADDRESS_FIELD = {"tax": places.BUYER_ADDRESS, "statement": places.BUYER_ADDRESS,
                 "quotation": places.QUOTATION_ADDRESS}


def journey(d):
    im = hangul_input.start(d, METHOD)
    d.start()
    main = places.main_window(d)
    for number, kind in enumerate(("tax", "statement", "quotation")):
        editor = places.open_editor(d, main, kind)
        d.click(editor, *PERSON_FIELD[kind])
        im.type("김철수")
        d.click(editor, *ADDRESS_FIELD[kind])
        d.click(editor, *cell(kind, 2, "item"))
        im.type("공책")
        d.click(editor, *cell(kind, 4, "item"))
        d.screenshot(f"{kind}-clicked")
        # Alt+S while the last syllable is still being composed, and a Hangul file name typed the same way.
        d.click(editor, *NAME_FIELD[kind])
        im.type("한빛")
        d.key("alt+s")
        dialog = d.wait_window("저장")
        # The input method takes a new window's keys once it knows the window, a moment after it shows.
        d.wait_until(lambda: d.focused() == dialog, "the save dialog takes the keyboard", timeout=5)
        time.sleep(0.5)
        im.type(f"문서{number}")
        d.key("Return")
        path = os.path.join(d.work_dir, f"문서{number}{places.EXTENSIONS[kind]}")
        d.wait_until(lambda: os.path.exists(path), f"the file named in Hangul: {os.listdir(d.work_dir)}")
        d.wait_gone(dialog)
        party = xsuite.document_party(path)
        check((party["name"], party["person"], party["address"]) == ("한빛", "김철수", ""),
              f"{kind}: 한빛 kept at Alt+S, 김철수 in the person field and nothing in the address clicked, not {party}")
        items = [line["item"] for line in xsuite.document_lines(path)[:4]]
        check(items == ["", "공책", "", ""], f"{kind}: 공책 in line 2 and nothing in line 4, not {items}")
        places.close_editor(d, editor)


xsuite.run(journey, name=f"{os.path.splitext(os.path.basename(__file__))[0]}_{METHOD}")
