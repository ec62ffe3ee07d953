"""A unit price typed without Enter and saved at once with Alt+S: the saved file holds the price and the
supply and tax computed from it, and closing afterwards asks nothing, for nothing is left unsaved."""

import places
import xsuite
from xsuite import check
from places import EDITOR_CLOSE


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")

    places.type_line(d, editor, "볼펜", "2", "5000")  # no Enter: the cell is still being edited
    d.key("alt+s")
    path = xsuite.save_as(d, "edited", "edited.Dy5")

    line = xsuite.invoice_line(path, "볼펜")
    check(line["quantity"] == 2, f"quantity 2 saved, not {line['quantity']}")
    check(line["price"] == 5000, f"the typed unit price 5000 saved, not {line['price']}")
    check(line["supply"] == 10000, f"supply 10,000 saved, not {line['supply']}")
    check(line["tax"] == 1000, f"tax 1,000 saved, not {line['tax']}")

    # Saved: the editor closes without a question.
    d.click(editor, *EDITOR_CLOSE)
    d.wait_gone(editor)
    check(d.windows(f"^{xsuite.APP_TITLE}$") == [main], "no question is left open after closing a saved document")


xsuite.run(journey)
