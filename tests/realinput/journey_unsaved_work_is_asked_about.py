"""A tax invoice never saved, with a buyer typed: closing the editor asks whether to save. 취소 (Escape)
keeps the editor and what was typed; asked again, 저장 (the default, Enter) opens the save dialog, the
file is written with the typed buyer and the editor closes."""

import xsuite
from xsuite import check

MAIN_TAX_INVOICE = (50, 38)
EDITOR_CLOSE = (668, 10)


def journey(d):
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, *MAIN_TAX_INVOICE)
    editor = d.wait_window("^세금계산서 작성")

    d.type("1234567891")
    d.key("Return")
    d.type("을지상사")
    d.key("Return")

    d.click(editor, *EDITOR_CLOSE)
    question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("Escape")  # 취소
    d.wait_gone(question)
    check(editor in d.windows(), "취소 keeps the editor open")

    d.click(editor, *EDITOR_CLOSE)
    question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("Return")  # 저장
    path = xsuite.save_as(d, "asked", "asked.Dy5")
    d.wait_gone(editor)
    text = open(path, "rb").read().decode("cp949", "replace")
    check("을지상사" in text, "the typed buyer is in the saved file")


xsuite.run(journey)
