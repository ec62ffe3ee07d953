"""Help opened with F1 from an open editor takes the mouse and the keyboard: its page scrolls and its 닫기
button closes it, while the editor stays open and usable underneath. The same from the print dialog."""

import xsuite
from xsuite import check

import places


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    d.key("F1")
    help_window = d.wait_window("^도움말")
    _, _, width, height = d.geometry(help_window)
    page = (10, 40, width - 30, height - 10)
    before = d.window_shot(help_window, "help-top").crop(page)
    d.click(help_window, *places.HELP_PAGE)
    d.key("Next")
    d.wait_until(lambda: xsuite.differs(before, d.window_shot(help_window, "help-scrolled").crop(page)),
                 "the help page scrolled by Page Down")

    d.click(help_window, *places.HELP_CLOSE)
    d.wait_gone(help_window)
    check(editor in d.windows(), "the editor is still open")

    # From the print dialog of the same editor: help comes and goes by its own button.
    dialog = places.open_print_dialog(d, editor)
    d.key("F1")
    help_window = d.wait_window("^도움말")
    d.click(help_window, *places.HELP_CLOSE)
    d.wait_gone(help_window)
    places.close_print_dialog(d, dialog)

    # The editor takes input again: its close button ends it.
    d.click(editor, *places.EDITOR_CLOSE)
    d.wait_gone(editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
