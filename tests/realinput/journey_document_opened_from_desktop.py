"""Documents opened from the desktop, as a file manager opens them (`zaruziz FILE`): started with a tax
invoice, the program opens it on the tax invoice page. A statement handed over by a later copy, while the
tax invoice has unsaved changes, is asked about first (저장 안 함 here); the tax invoice's editor closes and
the statement opens on its page, in the running copy, and the later copy ends at once. A second statement
opens in the same editor. Each open document holds its lock, which shows which program copy opened it."""

import datetime
import os
import time

import places
import register_docs
import xsuite
from xsuite import check


def lock_pid(path):
    lock = os.path.join(os.path.dirname(path), ".~" + os.path.basename(path) + ".lock")
    try:
        with open(lock, encoding="utf-8", errors="replace") as f:
            return dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line).get("pid")
    except FileNotFoundError:
        return None


def stacking(d):
    """The display's top-level windows from the top to the bottom (as xwininfo lists them)."""
    out = d.x("xwininfo", "-root", "-children")
    return [int(line.split()[0], 16) for line in out.splitlines() if line.strip().startswith("0x")]


def journey(d):
    work = d.work_dir
    today = datetime.date.today()
    invoice = os.path.join(work, "세금.Dy5")
    register_docs.write_document(invoice, today, "123-45-67891", "가나상회", [("복사지", 100000, 10000)])
    statement = os.path.join(work, "명세.Gy5")
    register_docs.write_document(statement, today, "220-81-62517", "다라물산", [("볼트", 5000, 500)],
                                 statement=True)
    second = os.path.join(work, "명세2.Gy5")
    register_docs.write_document(second, today, "220-81-62517", "마바상사", [("너트", 3000, 300)],
                                 statement=True)
    original = xsuite.file_bytes(invoice)

    d.start(args=[invoice])
    main = places.main_window(d)
    editor = d.wait_window("^세금계산서 작성")
    d.wait_until(lambda: lock_pid(invoice) == str(d.proc.pid), "the tax invoice opened by the program started on it")
    d.screenshot("started-on-the-tax-invoice")

    # Unsaved changes, then a statement handed over by a later copy.
    d.click(editor, *places.BUYER_PERSON)
    d.type("Changed")
    shown = tuple(d.windows(f"^{xsuite.APP_TITLE}$"))
    code, output = d.run_again(statement)
    check(code == 0, f"the later copy ends at once, handing the file over: {code} {output}")
    asked = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=shown)
    d.screenshot("asked-before-replacing")
    d.key("alt+n")  # 저장 안 함
    d.wait_gone(asked)
    d.wait_gone(editor)
    editor = d.wait_window("^거래명세서 작성")
    d.wait_until(lambda: lock_pid(statement) == str(d.proc.pid), "the statement opened in the running copy")
    check(lock_pid(invoice) is None, "the tax invoice left, its lock released")
    check(xsuite.file_bytes(invoice) == original, "저장 안 함 left the tax invoice's file as it was")

    # The same page: the open editor takes the next statement.
    code, _ = d.run_again(second)
    check(code == 0, "the later copy ends at once")
    d.wait_until(lambda: lock_pid(second) == str(d.proc.pid), "the second statement opened in the same editor")
    check(editor in d.windows("^거래명세서 작성"), "the same editor window")
    check(lock_pid(statement) is None, "the first statement left, its lock released")

    # What is no document is refused with a message, nothing opened.
    text = os.path.join(work, "메모.txt")
    with open(text, "w") as f:
        f.write("not a document")
    shown = tuple(d.windows(f"^{xsuite.APP_TITLE}$"))
    code, _ = d.run_again(text)
    check(code == 0, "the later copy ends")
    told = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=shown)
    d.screenshot("not-a-document")
    d.key("Return")
    d.wait_gone(told)
    time.sleep(0.3)
    check(lock_pid(second) == str(d.proc.pid), "the statement shown stays open")
    check(stacking(d).index(editor) < stacking(d).index(main), "the editor stays over the main window")


xsuite.run(journey)
