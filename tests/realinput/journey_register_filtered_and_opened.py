"""The register (문서목록) opened with Alt+L from the main window over a work folder that holds documents:
a VAT period and a text narrow the list (the unreadable file stays listed), Enter opens the document in the editor on its own page
(the statement page), bound to its file: saving it writes that file again without asking for a name."""

import datetime
import os
import time

import places
import register_docs
import xsuite
from xsuite import check


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "1월.Dy5"), datetime.date(year, 1, 1), "123-45-67891",
                                 "가나상회", [("복사지", 100000, 10000)])
    statement = os.path.join(work, "거래처", "3월.Gy5")
    register_docs.write_document(statement, datetime.date(year, 3, 31), "220-81-62517", "다라물산",
                                 [("볼트", 250000, 25000), ("너트", 1000, 100)], statement=True)
    register_docs.write_document(os.path.join(work, "4월.Gy5"), datetime.date(year, 4, 1), "220-81-62517",
                                 "다라물산", [("와셔", 5000, 500)], statement=True)
    with open(os.path.join(work, "깨진파일.Dy5"), "wb") as f:
        f.write(b"not a document")

    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, 356, 150)  # a bare point: the main window takes the keyboard
    d.key("alt+l")
    register = d.wait_window("^문서목록$")
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
    d.screenshot("register")

    d.key("alt+p")      # the period box
    d.key("Down")       # 1기 예정 (1~3월) of this year
    d.key("alt+f")      # the text filter
    d.type("220-81")   # part of the buyer's number
    d.key("Tab")        # into the list: its first row, the unreadable file (listed, with no date)
    d.key("Down")       # the statement
    d.screenshot("filtered")
    before = os.path.getmtime(statement)
    time.sleep(1.1)     # file times in whole seconds on some file systems
    d.key("Return")
    editor = d.wait_window("^거래명세서 작성")
    d.screenshot("opened")

    # Bound to its file: saving asks for no name and writes the same file, with what was loaded.
    d.key("alt+s")
    d.wait_until(lambda: os.path.getmtime(statement) > before, "the opened statement saved over its file")
    check(not d.windows("저장"), "no save dialog for a document opened from the register")
    text = open(statement, "rb").read().decode("cp949", "replace")
    for word in ("다라물산", "볼트", "너트"):
        check(word in text, f"'{word}' in the statement saved from the editor")

    places.close_editor(d, editor)
    d.key("Escape")
    d.wait_gone(register)
    d.click(main, 689, 37)
    d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("Return")
    check(d.wait_exit(10) == 0, "the program ends after the quit question")


xsuite.run(journey)
