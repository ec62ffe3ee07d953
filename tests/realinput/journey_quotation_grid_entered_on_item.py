"""Enter through the quotation's header fields reaches the item grid on the item name: what is typed
there is saved as the first item, and the line number stays."""

import xsuite
from xsuite import check

MAIN_QUOTATION = (236, 38)


def journey(d):
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, *MAIN_QUOTATION)
    editor = d.wait_window("^견적서 작성")

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
