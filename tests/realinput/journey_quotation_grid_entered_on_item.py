"""Enter through the quotation's header fields reaches the item grid on the item name: what is typed
there is saved as the first item, and the line number stays."""

import places
import xsuite
from xsuite import check


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "quotation")

    # 제출처, 전화, 견적일자, 담당자, 납품일자, 주소, then the grid.
    d.type("다라상사")
    d.key("Return", "Return", "Return", "Return", "Return", "Return")
    d.type("의자")
    d.key("Return")
    d.window_shot(editor, "typed")
    d.key("alt+s")
    path = xsuite.save_as(d, "quote1", "quote1.Prc")

    names = xsuite.quotation_item_names(path)
    check("의자" in names, f"the typed item '의자' saved as an item name; first slots: {names}")


xsuite.run(journey)
