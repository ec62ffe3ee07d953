"""Enter in 위쪽여백 of the print dialog is 확인 of the page shown, also after the keyboard has been through
the page's buttons (before, 취소 had become the default and Enter closed the dialog): the statement page
stores its offset and opens its preview."""

import xsuite
from xsuite import check

import places


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "statement")
    dialog = places.open_print_dialog(d, editor)
    d.click(dialog, *places.PAGE1_TOP_OFFSET)
    d.key("ctrl+a")
    d.type("5")
    d.key(*["Tab"] * 20, settle=0.05)
    x, y = places.PAGE1_TOP_OFFSET
    d.click(dialog, x + 4, y)
    d.key("End", "Return")
    preview = places.preview_window(d, main)
    check(dialog in d.windows(), "the dialog stays open under its preview")
    check(d.settings().get("여백", {}).get("fgTop") == "5", "the statement's top offset stored as typed")
    places.close_preview(d, preview)

    # Enter once more after the preview: the same page prints again.
    d.click(dialog, *places.PAGE1_TOP_OFFSET)
    d.key("Return")
    preview = places.preview_window(d, main)
    places.close_preview(d, preview)
    places.close_print_dialog(d, dialog)
    places.close_editor(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
