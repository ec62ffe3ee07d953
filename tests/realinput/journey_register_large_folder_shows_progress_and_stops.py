"""A folder of twenty thousand documents opened in the register for the first time: the reading shows its
progress over the register after half a second, and 그만 읽기 stops it; the register stays open and usable
(it says the reading was stopped, 새로 읽기 reads again)."""

import datetime
import os
import time

import register_docs
import xsuite
from xsuite import check


def journey(d):
    year = datetime.date.today().year
    first = os.path.join(d.work_dir, "0.Dy5")
    register_docs.write_document(first, datetime.date(year, 1, 5), "123-45-67891", "가나상회", [("품목", 1000, 100)])
    with open(first, "rb") as f:
        data = f.read()
    for i in range(1, 20000):
        folder = os.path.join(d.work_dir, f"f{i // 1000:02d}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"{i}.Dy5"), "wb") as f:
            f.write(data)
    d.start()
    main = d.wait_window(f"^{xsuite.APP_TITLE}$")
    d.click(main, 356, 150)
    d.key("alt+l")
    register = d.wait_window("^문서목록")
    progress = d.wait_window("^문서목록", exclude=(register,), timeout=10)
    _, _, width, height = d.geometry(progress)
    check(width < 400 and height < 200, "the progress window over the register")
    d.screenshot("progress")
    d.click(progress, width - 57, height - 22)  # 그만 읽기
    d.wait_gone(progress, timeout=10)
    time.sleep(0.5)
    check(register in d.windows(), "the register stays open after the reading is stopped")
    d.window_shot(register, "stopped")
    d.key("Escape")
    d.wait_gone(register)


xsuite.run(journey)
