"""A zero-tax invoice put into the 세금계산서합계표 (영세율) from the register's menu stays there after the
register's index is deleted: the choice is kept beside the documents, not in the index."""

import datetime
import os

import register_docs
import xsuite
from xsuite import check

FIRST_ROW = (350, 97)


def open_register(d, main):
    d.click(main, 356, 150)  # the main window back in front (the test display has no window manager)
    d.key("alt+l")
    register = d.wait_window("^문서목록")
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
    return register


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "zero.Dy5"), datetime.date(year, 1, 5), "123-45-67891",
                                 "영세상사", [("수출품", 50000, 0)])
    register_docs.write_document(os.path.join(work, "a.Dy5"), datetime.date(year, 1, 6), "220-81-62517",
                                 "가나", [("품목", 1000, 100)])
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    register = open_register(d, main)
    d.click(register, *FIRST_ROW, button=3)
    d.key("Down", "Down", "Return")  # 열기, then 세금계산서합계표에 넣기 (영세율)
    d.wait_until(lambda: os.path.exists(os.path.join(work, "ZaruZiz-register.json")), "the choice kept beside the documents")
    d.key("Escape")
    d.wait_gone(register)

    index = os.path.join(d.root, "data", "zaruziz", "register.sqlite")
    check(os.path.exists(index), "the register's index")
    os.remove(index)

    register = open_register(d, main)
    d.key("alt+p")
    d.key("Down")
    d.key("alt+v")
    preview = d.wait_window("^켈모르소프트( —.*)?$", exclude=(main,))
    text = register_docs.summary_pdf_text(d, preview, "zero")
    check("영세상사" in text and "50,000" in text, "the zero-rated invoice in the 세금계산서합계표")
    d.click(preview, d.geometry(preview)[2] - 18, 10)
    d.wait_gone(preview)


xsuite.run(journey)
