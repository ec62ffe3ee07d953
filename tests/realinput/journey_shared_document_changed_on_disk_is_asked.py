"""Two PCs share one work folder (local, or a network drive through sshfs) and both have one tax invoice
open (the second chose 그래도 열기 over the first's lock). The second saves its change; the first's save
then finds the file changed since it opened it and asks (덮어쓰기 / 다른 이름으로 저장 / 취소) instead of
overwriting it silently: 취소 writes nothing, 다른 이름으로 저장 keeps both changes in two files, 덮어쓰기
writes the first's. A save over a file that the other PC holds open is asked about as well."""

import datetime
import os
import time

import places
import register_docs
import shared_folder
import xsuite
from xsuite import check


def set_person(d, editor, text):
    """Types the buyer's 대표 over what the field holds."""
    d.click(editor, *places.BUYER_PERSON)
    d.key("ctrl+a")
    d.type(text)


def person(path):
    return xsuite.document_party(path)["person"]


def journey(d):
    pc2, shared = shared_folder.two_pcs(d, "changed")
    served = os.path.join(shared.server_dir, "공유.Dy5")
    register_docs.write_document(served, datetime.date.today(), "123-45-67891", "가나상회",
                                 [("복사지", 100000, 10000)], rep="Original")
    on_pc = [os.path.join(folder, "공유.Dy5") for folder in shared.paths]

    d.start()
    pc2.start()
    main1 = places.main_window(d)
    main2 = places.main_window(pc2)
    editor1 = places.open_editor(d, main1)
    places.open_file(d, editor1, on_pc[0])
    editor2 = places.open_editor(pc2, main2)
    places.open_file(pc2, editor2, on_pc[1])
    asked = shared_folder.question(pc2, exclude=(main2,))
    pc2.key("alt+o")  # 그래도 열기
    pc2.wait_gone(asked)

    # The second PC saves first: it holds the lock and nobody changed the file, so nothing is asked.
    before = xsuite.file_bytes(served)
    time.sleep(1.1)  # a network drive's file times are whole seconds
    set_person(pc2, editor2, "PC Two")
    pc2.key("alt+s")
    xsuite.wait_rewritten(pc2, served, before, "the second PC's save")
    check(person(served) == "PC Two", f"the second PC's change saved: {person(served)}")
    check(len(pc2.windows(f"^{xsuite.APP_TITLE}$")) == 1, "no question for the second PC's save")

    # The first PC's save finds the file changed: 취소 writes nothing.
    set_person(d, editor1, "PC One")
    d.key("alt+s")
    asked = shared_folder.question(d, exclude=(main1,))
    d.screenshot("changed-on-disk")
    d.key("Escape")
    d.wait_gone(asked)
    time.sleep(1)
    check(person(served) == "PC Two", f"취소 kept the other PC's change: {person(served)}")

    # 다른 이름으로 저장: both changes kept, each in its own file.
    d.click(editor1, *places.EDITOR_CAPTION["tax"])
    d.key("alt+s")
    asked = shared_folder.question(d, exclude=(main1,))
    d.key("alt+a")
    mine = os.path.join(shared.server_dir, "한쪽.Dy5")
    xsuite.save_as(d, "한쪽", "한쪽.Dy5", title="^다른 이름으로 저장", folder=shared.server_dir)
    check(person(mine) == "PC One", f"the first PC's change in the file saved as: {person(mine)}")
    check(person(served) == "PC Two", "the other PC's file untouched by the save as")

    # The first PC opens the shared document again, taking the lock over (그래도 열기).
    places.open_file(d, editor1, on_pc[0])
    asked = shared_folder.question(d, exclude=(main1,))
    d.key("alt+o")
    d.wait_gone(asked)

    # The second PC's next save is over a file the first holds open: asked, and 덮어쓰기 writes it.
    before = xsuite.file_bytes(served)
    time.sleep(1.1)
    set_person(pc2, editor2, "PC Two B")
    pc2.key("alt+s")
    asked = shared_folder.question(pc2, exclude=(main2,))
    pc2.screenshot("held-open-elsewhere")
    pc2.key("alt+o")
    pc2.wait_gone(asked)
    xsuite.wait_rewritten(pc2, served, before, "the second PC's save after 덮어쓰기")
    check(person(served) == "PC Two B", f"덮어쓰기 wrote the second PC's change: {person(served)}")

    # And the first PC's save, the file changed again since it opened it: 덮어쓰기 writes its change.
    before = xsuite.file_bytes(served)
    time.sleep(1.1)
    set_person(d, editor1, "PC One B")
    d.key("alt+s")
    asked = shared_folder.question(d, exclude=(main1,))
    d.key("alt+o")
    d.wait_gone(asked)
    xsuite.wait_rewritten(d, served, before, "the first PC's save after 덮어쓰기")
    check(person(served) == "PC One B", f"덮어쓰기 wrote the first PC's change: {person(served)}")


xsuite.run(journey)
