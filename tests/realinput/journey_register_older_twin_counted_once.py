"""An older-generation document opened from the register and saved: the new file is written beside it as
"<name>.Dy5" (in the program's own case), the register lists the older file as replaced, and the VAT
summary counts the document once. The register keeps its own folder after the save (the save made the
subfolder the work folder): the next summary still covers the whole folder."""

import datetime
import os

import register_docs
import xsuite
from xsuite import check

FIRST_ROW = (350, 97)


def summary_text(d, main, name):
    d.click(main, 356, 150)  # the main window back in front (the test display has no window manager)
    d.key("alt+l")
    register = d.wait_window("^문서목록")
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
    d.key("alt+p")
    d.key("Down")  # 1기 예정 (1~3월)
    d.key("alt+v")
    preview = d.wait_window("^켈모르소프트( —.*)?$", exclude=(main,))
    text = register_docs.summary_pdf_text(d, preview, name)
    d.click(preview, d.geometry(preview)[2] - 18, 10)
    d.wait_gone(preview)
    d.key("Escape")
    d.wait_gone(register)
    return text


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "a.Dy5"), datetime.date(year, 1, 10), "123-45-67891",
                                 "가나상회", [("복사지", 100000, 10000)])
    register_docs.write_older(os.path.join(work, "old", "0119-58.Dnt"), datetime.date(year, 2, 1),
                              "220-81-62517", "다라물산", [("볼트", 70000, 7000)])
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    before = summary_text(d, main, "before")
    check("170,000" in before and "17,000" in before, "both documents in the summary before the save")

    # The older file opened from the register and saved as it is.
    d.click(main, 356, 150)
    d.key("alt+l")
    register = d.wait_window("^문서목록")
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard", timeout=5)
    d.key("alt+f")
    d.type("0119")
    d.click(register, *FIRST_ROW, double=True)
    editor = d.wait_window("^세금계산서 작성")
    d.key("alt+s")
    saved = os.path.join(work, "old", "0119-58.Dy5")
    d.wait_until(lambda: os.path.exists(saved), f"the document saved beside the older file: {os.listdir(os.path.dirname(saved))}")
    # Besides the lock of the document held open (".~NAME.lock"), one new file.
    documents = sorted(n for n in os.listdir(os.path.dirname(saved)) if not n.startswith(".~"))
    check(documents == ["0119-58.Dnt", "0119-58.Dy5"], f"one new file, in the program's case: {documents}")
    _, _, width, _ = d.geometry(editor)
    d.click(editor, width - 17, 10)
    d.wait_gone(editor)
    shot = d.window_shot(register, "register-after-save")
    d.key("Escape")
    d.wait_gone(register)
    check(shot is None or xsuite.dark_pixels(shot) > 0, "the register shown after the save")

    after = summary_text(d, main, "after")
    check("가나상회" in after, "the register still covers the whole folder after a save into a subfolder")
    check("170,000" in after and "17,000" in after and "240,000" not in after,
          "the document counted once after its older file was saved again")


xsuite.run(journey)
