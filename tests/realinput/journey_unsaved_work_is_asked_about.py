"""A tax invoice never saved, with a buyer typed: closing the editor asks whether to save. 취소 (Escape)
keeps the editor and what was typed; asked again, 저장 (the default, Enter) opens the save dialog, the
file is written with the typed buyer and the editor closes."""

import places
import xsuite
from xsuite import check
from places import EDITOR_CLOSE


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")

    places.type_buyer(d, "1234567891", "을지상사")

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
