"""Hangul typed through the input method (ibus-hangul or fcitx5-hangul, the first argument) into the item
grids of all three documents: a cell reached by a click, by Enter, by an arrow key, by Tab and after Alt+D
takes the word whole from its first syllable, and the saved file holds every word as it was typed (never
loose letters such as "ㅂㅗㄹ펜"). Last, a name the list of earlier items offers while it is being typed:
the list opens beside the cell and the syllables stay whole."""

import os
import time

import hangul_input
import places
import xsuite
from places import cell
from xsuite import check

METHOD = hangul_input.method_from_argv()


def type_cells(d, im, editor, kind):
    d.click(editor, *cell(kind, 1, "item"))
    im.type("볼펜")                       # reached by a click
    d.key("Return")
    im.type("가위")                       # reached by Enter
    d.key("Return")
    d.key("Down", "Left")                 # row 2's 규격 cell, reached by arrow keys
    im.type("공책")
    d.key("Return")
    first = "date" if kind != "quotation" else "number"
    d.click(editor, *cell(kind, 3, first))
    d.key("Tab")                          # the item of row 3, reached by Tab
    im.type("한빛")
    d.key("Return")
    d.click(editor, *cell(kind, 4, "item"))
    im.type("홍길동")
    d.key("Return", "Left")
    d.key("alt+d")                        # line 4 deleted: the empty line 5 moves up, the cell stays
    im.type("김철수")
    d.key("Return")


def journey(d):
    im = hangul_input.start(d, METHOD)
    d.start()
    main = places.main_window(d)
    for number, kind in enumerate(("tax", "statement", "quotation")):
        editor = places.open_editor(d, main, kind)
        type_cells(d, im, editor, kind)
        d.screenshot(f"{kind}-typed")
        d.key("alt+s")
        name = f"{number}{len(METHOD)}"  # digits: the input method passes them through
        path = xsuite.save_as(d, name, name + places.EXTENSIONS[kind])
        lines = xsuite.document_lines(path)
        got = [(line["item"], line["spec"]) for line in lines[:4]]
        want = [("볼펜", "가위"), ("", "공책"), ("한빛", ""), ("김철수", "")]
        check(got == want, f"{kind} under {METHOD}: lines {want} saved, not {got}")
        places.close_editor(d, editor)
        time.sleep(0.3)

    # The item names saved above are offered once the editor reads the register again.
    editor = places.open_editor(d, main, "tax")
    d.click(editor, *cell("tax", 1, "item"))
    windows = len(program_windows(d))
    im.type("볼펜")
    check(len(program_windows(d)) > windows, "the list of earlier item names opens as 볼 is typed")
    d.screenshot("offered")
    d.key("Return")                       # nothing chosen in the list: Enter keeps the name typed
    d.key("alt+s")
    path = xsuite.save_as(d, "9", "9.Dy5")
    item = xsuite.document_lines(path)[0]["item"]
    check(item == "볼펜", f"under {METHOD}: the name typed while the list was open saved whole, not {item!r}")


def program_windows(d):
    """The program's visible windows, those without a title (a list shown beside a cell) too."""
    out = d.x("xdotool", "search", "--onlyvisible", "--pid", str(d.proc.pid), check_rc=False)
    return out.split()


xsuite.run(journey, name=f"{os.path.splitext(os.path.basename(__file__))[0]}_{METHOD}")
