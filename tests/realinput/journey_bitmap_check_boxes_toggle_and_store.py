"""The bitmap check boxes of the print dialog (흑백전용, 날짜없이인쇄, and 흑백 전용으로 인쇄 하기 on the
statement page) toggle under a click instead of starting a drag of the dialog; 확인 stores 흑백 as PKind."""

import xsuite
from xsuite import check

import places


def glyph(d, dialog, place, label):
    """The 13-pixel box of a bitmap check box, as the screen shows it."""
    x, y = place
    return d.window_shot(dialog, label).crop((x - 7, y - 7, x + 7, y + 7))


def toggle(d, dialog, place, label):
    before = glyph(d, dialog, place, f"{label}-before")
    position = d.geometry(dialog)[:2]
    d.click(dialog, *place)
    check(d.geometry(dialog)[:2] == position, f"a click on {label} does not move the dialog")
    d.wait_until(lambda: xsuite.differs(before, glyph(d, dialog, place, f"{label}-after")),
                 f"{label} shows its new state")


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    dialog = places.open_print_dialog(d, editor)
    toggle(d, dialog, places.PAGE0_BLACK_WHITE, "black-white")
    toggle(d, dialog, places.PAGE0_NO_DATE, "no-date")
    d.click(dialog, *places.PAGE0_OK)
    preview = places.preview_window(d, main)
    check(d.settings().get("등록", {}).get("PKind") == "1", "흑백전용 stored as PKind=1")
    places.close_preview(d, preview)
    places.close_print_dialog(d, dialog)
    places.close_editor(d, editor)

    # The statement page's box starts checked (the stored value) and is unchecked by a click.
    editor = places.open_editor(d, main, "statement")
    dialog = places.open_print_dialog(d, editor)
    toggle(d, dialog, places.PAGE1_BLACK_WHITE, "statement-black-white")
    d.click(dialog, *places.PAGE1_OK)
    preview = places.preview_window(d, main)
    check(d.settings().get("등록", {}).get("PKind") == "0", "unchecked on the statement page: PKind=0")
    places.close_preview(d, preview)
    places.close_print_dialog(d, dialog)
    places.close_editor(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
