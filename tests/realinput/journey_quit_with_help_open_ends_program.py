"""Quitting from the main window while the help window is open ends the program, and the help window
goes with it (before, the program kept running and the next start only brought the old copy back)."""

import xsuite
from xsuite import check

import places


def journey(d):
    d.start()
    main = places.main_window(d)
    d.click(main, *places.MAIN_HELP)
    d.wait_window("^도움말")
    check(places.quit_program(d, main) == 0, "the program ends while its help window is open")
    check(not d.windows("^도움말"), "no help window is left on the screen")


xsuite.run(journey)
