"""The buyer book: on a new tax invoice, typing the number of a buyer the work folder's documents know
fills that buyer's 상호, 대표, 주소, 업태 and 종목 from the latest of them; the saved document carries them,
though only the number was typed."""

import datetime
import os

import register_docs
import xsuite
from xsuite import check


def journey(d):
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "지난달.Dy5"), datetime.date(2026, 1, 5), "123-45-67891",
                                 "가나상회", [("복사지", 1000, 100)], rep="박옛날", addr="부산광역시")
    register_docs.write_document(os.path.join(work, "이번달.Gy5"), datetime.date(2026, 2, 5), "123-45-67891",
                                 "가나상회(주)", [("토너", 2000, 200)], statement=True, rep="박대표",
                                 addr="서울특별시 중구 을지로 1", uptea="도소매", upjong="문구")

    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, 50, 38)  # 세금계산서
    editor = d.wait_window("^세금계산서 작성")
    blank = d.window_shot(editor, "blank")
    d.type("1234567891")  # the buyer number has the focus
    d.wait_until(lambda: xsuite.differs(blank.crop((340, 50, 685, 140)),
                                        d.window_shot(editor, "filled").crop((340, 50, 685, 140))),
                 "the buyer's fields filled", timeout=5)

    d.key("alt+s")
    dialog = d.wait_window("저장")
    d.wait_until(lambda: d.focused() == dialog, "the save dialog takes the keyboard", timeout=5)
    d.type("newdoc")
    d.key("Return")
    path = os.path.join(work, "newdoc.Dy5")
    d.wait_until(lambda: os.path.exists(path), "the saved file")
    d.wait_gone(dialog)
    text = open(path, "rb").read().decode("cp949", "replace")
    for word in ("가나상회(주)", "박대표", "서울특별시 중구 을지로 1", "도소매", "문구", "123-45-67891"):
        check(word in text, f"'{word}' in the saved document")
    check("박옛날" not in text and "부산광역시" not in text, "the latest document's details, not older ones")

    _, _, w, _ = d.geometry(editor)
    d.click(editor, w - 17, 10)
    d.wait_gone(editor)


xsuite.run(journey)
