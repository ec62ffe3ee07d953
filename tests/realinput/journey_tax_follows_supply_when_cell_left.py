"""A unit price typed and left by a click on another cell, without Enter: the tax shown and saved is 10 %
of the supply shown, not of the supply of the keystroke before."""

import places
import xsuite
from xsuite import check

EDITOR_SECOND_ITEM = (133, 258)


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")

    places.type_line(d, editor, "공책", "1", "10000")
    d.click(editor, *EDITOR_SECOND_ITEM)  # leaves the price cell without Enter
    d.key("alt+s")
    path = xsuite.save_as(d, "taxleft", "taxleft.Dy5")

    line = xsuite.invoice_line(path, "공책")
    check(line["price"] == 10000, f"unit price 10,000 saved, not {line['price']}")
    check(line["supply"] == 10000, f"supply 10,000 saved, not {line['supply']}")
    check(line["tax"] == 1000, f"tax 1,000 (10 % of the supply), not {line['tax']}")


xsuite.run(journey)
