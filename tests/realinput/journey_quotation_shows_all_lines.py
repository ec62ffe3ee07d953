"""The quotation editor shows its grid whole: all twenty lines are in view (moving to line 20 does not
scroll the grid) and the window covers the main window down to its status bar."""

import xsuite
from xsuite import check

import places

FIRST_ITEM = (120, 233)
LINE_NUMBERS = (2, 210, 18, 605)  # the "No" column from the header row down to line 19


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "quotation")
    mx, my, mw, mh = d.geometry(main)
    ex, ey, ew, eh = d.geometry(editor)
    check(ey + eh >= my + mh, f"the quotation window ({ey}+{eh}) reaches the main window's bottom ({my}+{mh})")

    d.click(editor, *FIRST_ITEM)
    numbers = d.window_shot(editor, "line-1").crop(LINE_NUMBERS)
    d.key(*["Down"] * 19, settle=0.05)
    d.type("마지막줄")
    d.key("Return")
    after = d.window_shot(editor, "line-20")
    check(not xsuite.differs(numbers, after.crop(LINE_NUMBERS)),
          "going to line 20 leaves the grid where it was: no line is hidden below the window")
    check(xsuite.dark_pixels(after.crop((24, 610, 200, 626))) > 10, "line 20 shows what was typed into it")

    # A line was typed and not saved: closing asks first.
    xsuite.close_editor_dropping_changes(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
