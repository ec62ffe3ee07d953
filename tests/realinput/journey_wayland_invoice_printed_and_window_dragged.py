"""The program on Wayland: weston runs on the test display (its X11 back end, so that input still goes in
through the X server) and the program talks only Wayland to it. The main window shows, the editor opens
over it, a tax invoice is typed and saved and comes back whole from its file, the print dialog opens over
the editor and Enter shows the preview, and the main window is dragged by its title strip.

On Wayland the program cannot place its windows: each names its parent (xdg_toplevel.set_parent), and
the compositor puts it over that as it sees fit (GNOME and KDE centre it on the parent; weston places
every window by itself). The journey reads the program's protocol messages to see that every window but
the main one names its parent. Windows are found by the colours of their title strips, as a person finds
them."""

import os
import re
import shutil
import subprocess
import time

import xsuite
from xsuite import check

# Title strips: their colours, and how many pixels of a row they cover at least.
MAIN_STRIP = ((40, 70, 130), 400)
EDITOR_STRIP = ((0, 0, 128), 400)
DIALOG_STRIP = ((0, 0, 64), 250)
PREVIEW_STRIP = ((13, 90, 132), 400)

MAIN_TAX_INVOICE = (50, 38)
EDITOR_BUYER_NUMBER = (440, 55)
EDITOR_FIRST_ITEM = (133, 238)


def strip(image, colour_and_width):
    """The box (left, top, right, bottom) of a title strip on the screen, or None: the rows with an
    unbroken run of the strip's colour at least as wide as the strip (other things of that colour, the
    main window's picture, stand beside it)."""
    colour, width = colour_and_width
    w, h = image.size
    pixels = image.load()
    rows = []
    for y in range(h):
        best, start = (0, 0, 0), None
        for x in range(w + 1):
            inside = x < w and pixels[x, y] == colour
            if inside and start is None:
                start = x
            elif not inside and start is not None:
                if x - start > best[0]:
                    best = (x - start, start, x - 1)
                start = None
        if best[0] >= width:
            rows.append((y, best[1], best[2]))
    if not rows:
        return None
    return (min(r[1] for r in rows), rows[0][0], max(r[2] for r in rows), rows[-1][0])


class Wayland:
    def __init__(self, d):
        self.d = d
        self.socket = "zaru-wayland"
        self.runtime = d.env["XDG_RUNTIME_DIR"]
        env = dict(os.environ, DISPLAY=d.display, XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        self.log = open(os.path.join(d.root, "weston.log"), "wb")
        self.proc = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", f"--socket={self.socket}", "--width=1200",
             "--height=960", "--idle-time=0"], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        d.on_close(self.stop)
        d.wait_until(lambda: os.path.exists(os.path.join(self.runtime, self.socket)), "weston's socket", timeout=20)
        time.sleep(1.0)  # its desktop shell draws the background and panel

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()

    def start_program(self):
        # No X display at all: the program can only be a Wayland client.
        self.d.start({"WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland", "WAYLAND_DEBUG": "client"},
                     wrapper=("env", "-u", "DISPLAY"))

    def windows_without_parent(self):
        """The program's top-level windows (as the protocol numbers them) that named no parent."""
        log = self.d.program_output()
        made = re.findall(r"get_toplevel\(new id xdg_toplevel@(\d+)\)", log)
        parented = set(re.findall(r"xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@\d+\)", log))
        return made, [t for t in made if t not in parented]


def wait_strip(d, which, what, timeout=15, moved_from=None):
    """The title strip once it has come to rest: the compositor lets a new window grow into place."""
    found = {"last": None}

    def shown():
        box = strip(d.screenshot(what), which)
        settled = box is not None and box == found["last"] and box != moved_from
        found["last"] = box
        if settled:
            found["box"] = box
        return settled

    d.wait_until(shown, what, timeout=timeout, interval=0.5)
    return found["box"]


def wait_no_strip(d, which, what, timeout=10):
    d.wait_until(lambda: strip(d.screenshot(what), which) is None, what, timeout=timeout, interval=0.5)


def click_at(d, box, dx, dy):
    d.x("xdotool", "mousemove", str(box[0] + dx), str(box[1] + dy))
    time.sleep(0.1)
    d.x("xdotool", "click", "1")
    time.sleep(0.3)


def journey(d):
    if shutil.which("weston") is None:
        print("SKIP: weston is not installed (scripts/install-deps.sh installs it)")
        raise SystemExit(xsuite.SKIP_CODE)
    plugin = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so"
    if not os.path.exists(plugin):
        print("SKIP: Qt's Wayland platform is not installed (scripts/install-deps.sh installs qt6-wayland)")
        raise SystemExit(xsuite.SKIP_CODE)
    wayland = Wayland(d)
    wayland.start_program()

    main = wait_strip(d, MAIN_STRIP, "main window")
    check("wayland" in open(f"/proc/{d.proc.pid}/maps").read(), "the program runs on Qt's Wayland platform")

    # The editor, over the main window.
    click_at(d, main, *MAIN_TAX_INVOICE)
    editor = wait_strip(d, EDITOR_STRIP, "editor")

    # A tax invoice typed: the buyer's number, then one line.
    click_at(d, editor, *EDITOR_BUYER_NUMBER)
    d.type("1234567891")
    d.key("Return")
    d.type("wayland")
    d.key("Return")
    click_at(d, editor, *EDITOR_FIRST_ITEM)
    d.type("pen")
    d.key("Return")
    d.type("A4")
    d.key("Return")
    d.type("3")
    d.key("Return")
    d.type("12500")
    d.key("Return")
    d.screenshot("typed")

    # Saved through the save dialog (Qt's own, over the editor): the amounts come back whole.
    d.key("alt+s")
    time.sleep(2.0)
    d.screenshot("save-dialog")
    d.type("wayland1")
    d.key("Return")
    path = os.path.join(d.work_dir, "wayland1.Dy5")
    d.wait_until(lambda: os.path.exists(path), "the saved file", timeout=15)
    line = xsuite.invoice_line(path, "pen")
    check(line == {"quantity": 3, "price": 12500, "supply": 37500, "tax": 3750}, f"the saved line: {line}")

    # The print dialog, over the editor: Enter prints the shown page to the preview.
    time.sleep(1.0)
    d.key("alt+p")
    dialog = wait_strip(d, DIALOG_STRIP, "print dialog")
    d.key("Return")
    preview = wait_strip(d, PREVIEW_STRIP, "preview", timeout=20)
    d.screenshot("preview")
    click_at(d, preview, preview[2] - preview[0] - 17, 11)  # its "x"
    wait_no_strip(d, PREVIEW_STRIP, "preview closed")
    click_at(d, dialog, 365, 9)  # its "x"
    wait_no_strip(d, DIALOG_STRIP, "print dialog closed")

    # The editor closed by its "x"; the main window dragged by its title strip follows the pointer.
    editor = wait_strip(d, EDITOR_STRIP, "editor again")
    click_at(d, editor, editor[2] - editor[0] - 12, 8)
    wait_no_strip(d, EDITOR_STRIP, "editor closed")
    main = wait_strip(d, MAIN_STRIP, "main window again")
    x0, y0 = main[0] + 200, main[1] + 10
    d.x("xdotool", "mousemove", str(x0), str(y0))
    d.x("xdotool", "mousedown", "1")
    time.sleep(0.2)
    for step in range(1, 11):
        d.x("xdotool", "mousemove", str(x0 + 12 * step), str(y0 + 8 * step))
        time.sleep(0.05)
    d.x("xdotool", "mouseup", "1")
    time.sleep(0.5)
    moved = wait_strip(d, MAIN_STRIP, "main window dragged", moved_from=main)
    check(abs(moved[0] - main[0] - 120) <= 6 and abs(moved[1] - main[1] - 80) <= 6,
          f"the main window moved with the pointer: {main} -> {moved}")

    # The editor, the save dialog, the print dialog and the preview each named their parent.
    made, orphans = wayland.windows_without_parent()
    check(len(made) >= 5, f"the main window, editor, save dialog, print dialog and preview: {made}")
    check(orphans == made[:1], f"every window but the main one names its parent; without: {orphans} of {made}")


xsuite.run(journey)
