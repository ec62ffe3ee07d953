"""A subfolder the user cannot read (run as an ordinary user would run the program): the register lists it
with its reason, and the VAT summary of the period is made only when the user says so; the question's
default, 취소, makes none."""

import datetime
import os
import time

import register_docs
import xsuite
from xsuite import check

TOTALS_LINE = (300, 617)


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "a.Dy5"), datetime.date(year, 1, 10), "123-45-67891",
                                 "가나상회", [("복사지", 100000, 10000)])
    locked = os.path.join(work, "locked")
    register_docs.write_document(os.path.join(locked, "b.Dy5"), datetime.date(year, 2, 1), "220-81-62517",
                                 "다라물산", [("볼트", 70000, 7000)])
    os.chmod(locked, 0)
    try:
        d.start(wrapper=d.as_ordinary_user())
        main = d.wait_window(f"^{xsuite.APP_TITLE}$")
        d.click(main, 356, 150)
        d.key("alt+l")
        register = d.wait_window("^문서목록")
        d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
        d.window_shot(register, "unreadable-listed")
        d.key("alt+p")
        d.key("Down")
        windows = set(d.windows())
        d.key("alt+v")
        question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
        d.screenshot("question")
        d.key("Return")  # the default: 취소
        d.wait_gone(question)
        time.sleep(2)
        check(set(d.windows()) <= windows, f"no summary after 취소: {d.titles()}")
        # Asked again and answered by its other button, the summary of what could be read shows.
        d.click(register, *TOTALS_LINE)  # the register back in front (the test display has no window manager)
        d.key("alt+v")
        question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
        d.key("Left", "Return")
        preview = d.wait_window("^켈모르소프트( —.*)?$", exclude=(main,))
        text = register_docs.summary_pdf_text(d, preview, "read")
        check("가나상회" in text and "다라물산" not in text, "the summary of the documents that could be read")
    finally:
        os.chmod(locked, 0o755)


xsuite.run(journey)
