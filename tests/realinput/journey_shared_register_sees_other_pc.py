"""Two PCs share one work folder (local, or a network drive through sshfs); the second has the register
(문서목록) open while the first saves into the folder. 새로 읽기 shows the first PC's change to a document;
a document the first PC saves afterwards is listed as soon as the second PC's program comes back to the
front (from another program), without 새로 읽기. Each is seen by finding it with the register's text filter
and opening it: the document is held open on the first PC, so the second is told so."""

import datetime
import os
import subprocess
import time

import places
import register_docs
import shared_folder
import xsuite
from xsuite import check

REGISTER_NEUTRAL = (600, 12)  # a bare point near the register's top edge: a click there moves no focus


def find_and_open(d, register, text):
    """Types text into the register's filter and opens the first row found with Enter."""
    d.key("alt+f")
    d.key("ctrl+a")
    d.type(text)
    d.key("Tab")
    d.key("Return")


def journey(d):
    pc2, shared = shared_folder.two_pcs(d, "register")
    served = os.path.join(shared.server_dir, "1월.Dy5")
    register_docs.write_document(served, datetime.date(datetime.date.today().year, 1, 5), "123-45-67891",
                                 "Alpha Store", [("복사지", 100000, 10000)])

    d.start()
    pc2.start()
    main1 = places.main_window(d)
    main2 = places.main_window(pc2)
    pc2.click(main2, 356, 150)
    pc2.key("alt+l")
    register = pc2.wait_window("^문서목록$")
    pc2.wait_until(lambda: pc2.focused() == register, "the register takes the keyboard", timeout=5)
    time.sleep(1)

    # The first PC renames the buyer of the listed document and saves it.
    editor1 = places.open_editor(d, main1)
    places.open_file(d, editor1, os.path.join(shared.paths[0], "1월.Dy5"))
    before = xsuite.file_bytes(served)
    d.click(editor1, *places.BUYER_NAME)
    d.key("ctrl+a")
    d.type("Bravo Store")
    d.key("alt+s")
    xsuite.wait_rewritten(d, served, before, "the first PC's save")

    # 새로 읽기 on the second PC: the new name is found, and opening it tells who has it open.
    pc2.key("alt+r")
    time.sleep(1)
    shown = tuple(pc2.windows(f"^{xsuite.APP_TITLE}$"))
    find_and_open(pc2, register, "Bravo")
    asked = shared_folder.question(pc2, exclude=shown)
    pc2.screenshot("changed-document-found-after-reload")
    pc2.key("Escape")  # 취소: nothing opens, not even an empty editor
    pc2.wait_gone(asked)
    time.sleep(0.5)
    check(not pc2.windows("^세금계산서 작성"), "no editor left open after 취소")
    pc2.click(register, *REGISTER_NEUTRAL)

    # The second PC's user goes to another program; meanwhile the first PC saves a new document.
    other = subprocess.Popen(["xmessage", "-name", "other-program", "다른 프로그램"],
                             env=dict(os.environ, DISPLAY=pc2.display), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    pc2.on_close(other.kill)
    other_window = pc2.wait_window("other-program|xmessage")
    pc2.x("xdotool", "windowfocus", "--sync", str(other_window))
    time.sleep(0.5)

    d.click(editor1, *places.EDITOR_CAPTION["tax"])
    d.key("alt+n")
    time.sleep(0.5)
    places.type_buyer(d, "2208162517", "Charlie Store")
    places.type_line(d, editor1, "toner", "2", "50000")
    d.key("Return")
    d.key("alt+s")
    xsuite.save_as(d, "new", "new.Dy5", title="^다른 이름으로 저장", folder=shared.server_dir)

    # Back to the register: it reads the folder again by itself.
    time.sleep(2.5)
    pc2.click(register, *REGISTER_NEUTRAL)
    pc2.wait_until(lambda: pc2.focused() == register, "the register has the keyboard again", timeout=5)
    time.sleep(1.5)
    find_and_open(pc2, register, "Charlie")
    asked = shared_folder.question(pc2, exclude=shown)
    pc2.screenshot("new-document-found-after-coming-back")
    pc2.key("Escape")
    pc2.wait_gone(asked)


xsuite.run(journey)
