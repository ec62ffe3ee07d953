"""A tax invoice typed through the X server, saved through the save dialog, read back from its file and
reopened in the editor with the same fields; quitting from the main window ends the program."""

import os

import places
import xsuite
from places import EDITOR_CLOSE
from xsuite import check

MAIN_QUIT = (689, 37)
# Regions (left, top, right, bottom) that must look the same after reopening: the buyer's fields, the
# digit boxes of supply and tax, the totals row.
SAME_AFTER_REOPENING = [(340, 50, 685, 140), (263, 183, 655, 204), (0, 355, 520, 378)]


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")

    # The buyer number has the focus: its check passes, Enter moves on through 상호 and 대표.
    places.type_buyer(d, "1234567891", "대한상사")
    d.type("김철수")
    places.type_line(d, editor, "볼펜", "2", "5000", spec="A4")
    d.key("Return")
    typed = d.window_shot(editor, "typed")

    d.key("alt+s")
    dialog = d.wait_window("저장")
    d.type("trade1")
    d.key("Return")
    path = os.path.join(d.work_dir, "trade1.Dy5")
    d.wait_until(lambda: os.path.exists(path), "the saved file")
    d.wait_gone(dialog)

    data = open(path, "rb").read()
    check(len(data) > 0 and len(data) % 228 == 0, f"a file of 228-byte records, not {len(data)} bytes")
    text = data.decode("cp949", "replace")
    for word in ("대한상사", "김철수", "볼펜", "1234567891"):
        check(word in text.replace("-", ""), f"'{word}' in the saved file")

    d.click(editor, *EDITOR_CLOSE)
    d.wait_gone(editor)
    editor = places.open_editor(d, main, "tax")
    d.key("alt+o")
    dialog = d.wait_window("열기")
    d.type("trade1.Dy5")
    d.key("Return")
    d.wait_gone(dialog)
    reopened = d.window_shot(editor, "reopened")
    for region in SAME_AFTER_REOPENING:
        check(not xsuite.differs(typed.crop(region), reopened.crop(region)),
              f"the reopened document looks as it was typed in {region}")

    d.click(editor, *EDITOR_CLOSE)
    d.wait_gone(editor)
    d.click(main, *MAIN_QUIT)
    question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("Return")
    d.wait_gone(question)
    check(d.wait_exit(10) == 0, "the program ends after the quit question is answered 예")


xsuite.run(journey)
