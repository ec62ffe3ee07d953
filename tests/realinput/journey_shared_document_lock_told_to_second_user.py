"""Two PCs share one work folder (local, or a network drive through sshfs): the first opens a tax invoice,
which leaves a lock beside it naming that PC. The second opening it is asked (읽기 전용으로 열기 / 그래도 열기 /
취소): 취소 opens nothing, 읽기 전용 shows it and sends Alt+S to the save as dialog, so the first PC's file
stays as it was. Once the first PC closes its editor the lock is gone and the second opens the document
without a question, holding the lock itself."""

import datetime
import os
import time

import places
import register_docs
import shared_folder
import xsuite
from xsuite import check


def lock_of(path):
    lock = os.path.join(os.path.dirname(path), ".~" + os.path.basename(path) + ".lock")
    try:
        with open(lock, encoding="utf-8", errors="replace") as f:
            return dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line)
    except FileNotFoundError:
        return None


def journey(d):
    pc2, shared = shared_folder.two_pcs(d, "lock")
    served = os.path.join(shared.server_dir, "공유.Dy5")
    register_docs.write_document(served, datetime.date.today(), "123-45-67891", "가나상회",
                                 [("복사지", 100000, 10000)])
    original = xsuite.file_bytes(served)
    on_pc1 = os.path.join(shared.paths[0], "공유.Dy5")
    on_pc2 = os.path.join(shared.paths[1], "공유.Dy5")

    d.start()
    pc2.start()
    main1 = places.main_window(d)
    main2 = places.main_window(pc2)

    editor1 = places.open_editor(d, main1)
    places.open_file(d, editor1, on_pc1)
    d.wait_until(lambda: lock_of(served), "the first PC's lock beside the document")
    check(lock_of(served)["pid"] == str(d.proc.pid), f"the lock names the first PC's program: {lock_of(served)}")

    editor2 = places.open_editor(pc2, main2)
    places.open_file(pc2, editor2, on_pc2)
    asked = shared_folder.question(pc2, exclude=(main2,))
    pc2.screenshot("told-who-has-it")
    pc2.key("Escape")  # 취소
    pc2.wait_gone(asked)

    places.open_file(pc2, editor2, on_pc2)
    asked = shared_folder.question(pc2, exclude=(main2,))
    pc2.key("alt+r")  # 읽기 전용으로 열기
    pc2.wait_gone(asked)
    time.sleep(0.5)
    pc2.screenshot("opened-read-only")
    pc2.click(editor2, *places.BUYER_PERSON)
    pc2.key("ctrl+a")
    pc2.type("Read Only")
    pc2.key("alt+s")
    xsuite.save_as(pc2, "사본", "사본.Dy5", title="^다른 이름으로 저장", folder=shared.server_dir)
    check(xsuite.file_bytes(served) == original, "the read-only copy never wrote the first PC's document")
    check(xsuite.document_party(os.path.join(shared.server_dir, "사본.Dy5"))["person"] == "Read Only",
          "the change went into the copy saved under another name")
    check(lock_of(served)["pid"] == str(d.proc.pid), "the lock stays the first PC's")

    places.close_editor(d, editor1)
    d.wait_until(lambda: lock_of(served) is None, "the lock gone once the first PC closed the document")

    before = tuple(pc2.windows(f"^{xsuite.APP_TITLE}$"))
    pc2.click(editor2, *places.EDITOR_CAPTION["tax"])
    places.open_file(pc2, editor2, on_pc2)
    pc2.wait_until(lambda: lock_of(served), "the second PC's lock")
    check(lock_of(served)["pid"] == str(pc2.proc.pid), "the second PC holds the lock now")
    check(tuple(pc2.windows(f"^{xsuite.APP_TITLE}$")) == before, "no question for a document nobody has open")


xsuite.run(journey)
