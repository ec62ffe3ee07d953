"""fcitx5 started in its Latin state: keys typed in a header field stay Latin (the user's choice), and
entering the item grid switches the input method to Hangul, so the same keys there compose the item name."""

import hangul_input
import places
import xsuite
from places import cell
from xsuite import check


def journey(d):
    im = hangul_input.start(d, "fcitx5", hangul_at_start=False)
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    d.click(editor, *places.BUYER_NAME)
    d.x("xdotool", "key", "--delay", "100", "a", "b", "c")
    d.click(editor, *cell("tax", 1, "item"))
    im.type("볼펜")
    d.key("Return")
    d.key("alt+s")
    path = xsuite.save_as(d, "35", "35.Dy5")
    check(xsuite.document_party(path)["name"] == "abc", "Latin letters in the header field, as the user chose")
    item = xsuite.document_lines(path)[0]["item"]
    check(item == "볼펜", f"Hangul in the grid, switched on as it was entered: {item!r}")


xsuite.run(journey)
