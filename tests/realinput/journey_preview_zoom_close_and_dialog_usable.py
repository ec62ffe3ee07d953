"""The preview opened by 확인 of the print dialog takes the mouse: its zoom changes the pages, its close
button and its "x" each end the preview, and the print dialog stays usable afterwards (a second preview,
then 취소 closes the dialog)."""

import xsuite
from xsuite import check

import places

ZOOM_DOWN = (87, 43)


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    dialog = places.open_print_dialog(d, editor)

    d.click(dialog, *places.PAGE0_OK)
    preview = places.preview_window(d, main)
    _, _, width, height = d.geometry(preview)
    pages = (10, 70, width - 20, height - 10)
    before = d.window_shot(preview, "preview-80").crop(pages)
    d.click(preview, *ZOOM_DOWN)
    d.wait_until(lambda: xsuite.differs(before, d.window_shot(preview, "preview-60").crop(pages)),
                 "the pages redrawn at the new zoom")

    d.click(preview, width - 23, 36)  # the tool bar's close button
    d.wait_gone(preview)
    check(dialog in d.windows(), "the print dialog stays open after the preview")

    d.click(dialog, *places.PAGE0_OK)
    preview = places.preview_window(d, main)
    d.click(preview, width - 17, 11)  # the "x" on the title strip
    d.wait_gone(preview)

    d.click(dialog, *places.PAGE0_CANCEL)
    d.wait_gone(dialog)
    check(editor in d.windows(), "the editor is back")
    d.click(editor, *places.EDITOR_CLOSE)
    d.wait_gone(editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
