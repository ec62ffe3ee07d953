"""Drives the real program on a display of its own, as a person does.

Every journey starts its own Xvfb, copies the built application folder into a private temporary folder
(its settings file, work folder and single-instance socket are its own) and starts the program there.
Input reaches the program only through the X server (the XTEST extension, by xdotool): nothing here calls
a widget. Results are read from what a person could see or keep: window titles and geometry, screenshots,
saved files, printed PDFs, the settings file.

A journey is a script:

    import xsuite

    def journey(d):
        d.start()
        main = d.wait_window("켈모르소프트")
        d.click(main, 40, 35)
        ...

    xsuite.run(journey)

Coordinates given to click() are relative to the window's top left corner. On failure the journey's
screenshots and a last picture of the screen are kept in $ZARU_REALINPUT_ARTIFACTS (default: a folder
named after the journey under the system's temporary folder) and their paths are printed.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

try:
    from PIL import Image
except ImportError:  # pragma: no cover - the install script installs python3-pil
    Image = None

APP_TITLE = "켈모르소프트 세금계산서"
SKIP_CODE = 77


class JourneyFailed(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise JourneyFailed(message)


def _tool(name):
    path = shutil.which(name)
    if not path:
        print(f"SKIP: {name} is not installed (scripts/install-deps.sh installs it)")
        sys.exit(SKIP_CODE)
    return path


class Desktop:
    """One X display with one copy of the program on it."""

    def __init__(self, name, width=1280, height=1024):
        self.name = name
        self.size = (width, height)
        self.root = tempfile.mkdtemp(prefix=f"zaru-x-{name}-")
        self.artifacts = os.environ.get("ZARU_REALINPUT_ARTIFACTS") or os.path.join(
            tempfile.gettempdir(), f"zaru-realinput-{name}")
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts, exist_ok=True)
        self.shots = 0
        self.closers = []
        self.proc = None
        self.xvfb = None
        self.display = None
        self._start_xvfb()
        source = os.environ.get("ZARU_APP_DIR")
        check(source and os.path.isdir(source), "ZARU_APP_DIR must name the built application folder")
        self.app_dir = os.path.join(self.root, "app")
        shutil.copytree(source, self.app_dir, symlinks=True)
        self.tmp = os.path.join(self.root, "tmp")
        os.makedirs(self.tmp)
        self.env = self._program_environment()

    # --- the display -----------------------------------------------------------------------------------

    def _start_xvfb(self):
        _tool("xdotool")
        xvfb = _tool("Xvfb")
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            [xvfb, "-displayfd", str(write_end), "-screen", "0", f"{self.size[0]}x{self.size[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        check(number.strip().isdigit(), "Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def _program_environment(self):
        env = dict(os.environ)
        for k in ("QT_QPA_PLATFORM", "ZARU_TEST_PROMPTS_LOG", "ZARU_TEST_ANSWER_YES", "WAYLAND_DISPLAY",
                  "SESSION_MANAGER", "XDG_SESSION_TYPE"):
            env.pop(k, None)
        env.update({
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "TMPDIR": os.path.join(self.root, "tmp"),
            "XDG_DATA_HOME": os.path.join(self.root, "data"),
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_CACHE_HOME": os.path.join(self.root, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(self.root, "runtime"),
            # A locale every machine has; the program is Korean whatever the locale says.
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            "QT_ACCESSIBILITY": "0",
            "NO_AT_BRIDGE": "1",
        })
        for d in ("data", "config", "cache", "runtime"):
            os.makedirs(os.path.join(self.root, d), mode=0o700, exist_ok=True)
        return env

    def x(self, *args, check_rc=True, timeout=20):
        """Runs an X client (xdotool, xprop, ...) on this display and returns its output."""
        # The clients read window titles through the locale: a UTF-8 one, or Korean titles do not match.
        env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8")
        r = subprocess.run(list(args), env=env, capture_output=True, text=True, timeout=timeout)
        if check_rc and r.returncode != 0:
            raise JourneyFailed(f"{' '.join(args)} failed: {r.stderr.strip()}")
        return r.stdout

    # --- the program -----------------------------------------------------------------------------------

    @property
    def program(self):
        return os.path.join(self.app_dir, "zaruziz")

    def start(self, extra_env=None, wrapper=(), args=()):
        """Starts the program; wrapper: a command that runs it (for example one that drops rights); args:
        its command line."""
        env = dict(self.env)
        if extra_env:
            env.update(extra_env)
        self.log = open(os.path.join(self.root, "program.log"), "wb")
        self.proc = subprocess.Popen([*wrapper, self.program, *args], cwd=self.root, env=env, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        return self.proc

    def run_again(self, *args, timeout=15):
        """Runs another copy of the program on this display, as the desktop does for a double-clicked file;
        returns its exit status and output once it has ended."""
        r = subprocess.run([self.program, *args], cwd=self.root, env=self.env, capture_output=True, text=True,
                           timeout=timeout)
        return r.returncode, r.stdout + r.stderr

    def as_ordinary_user(self):
        """A wrapper that runs the program without a superuser's right to read past file permissions, as an
        ordinary user runs it (nothing when this is no superuser)."""
        if os.geteuid() != 0:
            return ()
        _tool("setpriv")
        return ("setpriv", "--bounding-set=-dac_override,-dac_read_search")

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=10):
        """Waits for the program to end by itself; returns its exit code, or None if it is still running."""
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def program_output(self):
        path = os.path.join(self.root, "program.log")
        with open(path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def settings(self):
        """The settings file as {section: {key: value}}, names as written, values trimmed."""
        path = os.path.join(self.app_dir, "ZaruZiz.ini")
        result = {}
        if not os.path.exists(path):
            return result
        with open(path, "rb") as f:
            text = f.read().decode("cp949", "replace")
        section = None
        for line in text.splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1].strip()
                result.setdefault(section, {})
            elif "=" in line and section is not None:
                k, v = line.split("=", 1)
                result[section].setdefault(k.strip(), v.strip())
        return result

    def write_settings(self, sections):
        """Writes a settings file before the program starts: {section: {key: value}} in CP949 with CRLF."""
        lines = []
        for section, values in sections.items():
            lines.append(f"[{section}]")
            lines.extend(f"{k}={v}" for k, v in values.items())
        with open(os.path.join(self.app_dir, "ZaruZiz.ini"), "wb") as f:
            f.write(("\r\n".join(lines) + "\r\n").encode("cp949"))

    @property
    def work_dir(self):
        return os.path.join(self.app_dir, "Work")

    # --- windows ---------------------------------------------------------------------------------------

    def windows(self, name=".", visible=True):
        args = ["xdotool", "search"]
        if visible:
            args.append("--onlyvisible")
        args += ["--name", name]
        out = self.x(*args, check_rc=False)
        return [int(w) for w in out.split()]

    def window_name(self, wid):
        return self.x("xdotool", "getwindowname", str(wid), check_rc=False).strip()

    def titles(self):
        """The titles of the visible windows that have one."""
        return [t for t in (self.window_name(w) for w in self.windows()) if t]

    def wait_window(self, name, timeout=15, exclude=()):
        """Waits for a visible window whose title matches the regular expression `name`."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for w in self.windows(name):
                if w not in exclude and self.window_name(w):
                    return w
            check(self.proc is None or self.alive(), f"the program ended while waiting for '{name}'"
                  f" (exit {self.proc.returncode if self.proc else None})\n{self.program_output()[-3000:]}")
            time.sleep(0.1)
        raise JourneyFailed(f"no window '{name}' after {timeout} s; visible: {self.titles()}")

    def wait_gone(self, wid, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if wid not in self.windows():
                return
            time.sleep(0.1)
        raise JourneyFailed(f"window '{self.window_name(wid)}' is still open after {timeout} s")

    def geometry(self, wid):
        """(x, y, width, height) of a window on the screen."""
        out = self.x("xdotool", "getwindowgeometry", "--shell", str(wid))
        g = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def focused(self):
        out = self.x("xdotool", "getwindowfocus", "-f", check_rc=False).strip()
        return int(out) if out.isdigit() else None

    # --- input, only through the X server -------------------------------------------------------------

    def pointer(self):
        out = self.x("xdotool", "getmouselocation", "--shell")
        g = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(g["X"]), int(g["Y"])

    def move(self, wid, x, y):
        gx, gy, _, _ = self.geometry(wid)
        target = (gx + x, gy + y)
        # "--sync" waits for the pointer to move, which it never does when it is there already.
        if self.pointer() != target:
            self.x("xdotool", "mousemove", "--sync", str(target[0]), str(target[1]))

    def click(self, wid, x, y, button=1, double=False, settle=0.25):
        """A click at (x, y) inside window `wid`."""
        self.move(wid, x, y)
        time.sleep(0.05)
        args = ["xdotool", "click"]
        if double:
            args += ["--repeat", "2", "--delay", "80"]
        self.x(*args, str(button))
        time.sleep(settle)

    def drag(self, wid, x0, y0, x1, y1):
        self.move(wid, x0, y0)
        self.x("xdotool", "mousedown", "1")
        time.sleep(0.1)
        self.move(wid, (x0 + x1) // 2, (y0 + y1) // 2)
        time.sleep(0.05)
        self.move(wid, x1, y1)
        time.sleep(0.1)
        self.x("xdotool", "mouseup", "1")
        time.sleep(0.2)

    def key(self, *keys, settle=0.15):
        """Key strokes in xdotool's names: "Return", "Tab", "alt+s", "Escape", "F1"."""
        for k in keys:
            self.x("xdotool", "key", "--clearmodifiers", k)
            time.sleep(settle)

    def type(self, text, settle=0.15):
        """Types text as key strokes; Hangul syllables arrive as committed characters, as from an input
        method.

        Characters that the keyboard map lacks are first put on spare key codes, and stay there while
        they are typed: left to itself, xdotool maps each one for a moment and restores the map at once,
        and a program that reads the map after the restore (a loaded machine) sees another character."""
        for chunk in self._chunks_for_spare_keys(text):
            self._bind_spare_keys(chunk)
            self.x("xdotool", "type", "--delay", "40", "--", chunk, timeout=60)
        time.sleep(settle)

    def _spare_keycodes(self):
        if not hasattr(self, "_spare"):
            _tool("xmodmap")
            out = self.x("xmodmap", "-pke")
            self._spare = [int(line.split()[1]) for line in out.splitlines()
                           if len(line.split()) == 3 and int(line.split()[1]) > 8]
            self._half = 0
            check(len(self._spare) >= 4, "the keyboard map has no spare key codes")
        return self._spare

    def _chunks_for_spare_keys(self, text):
        # Each chunk needs at most half of the spare key codes; the halves take turns, so a chunk never
        # re-maps the keys of the chunk just typed, whose key events the program may still be reading.
        limit = len(self._spare_keycodes()) // 2
        chunks, current, needed = [], "", set()
        for ch in text:
            if ord(ch) > 0x7E and ch not in needed:
                if len(needed) == limit:
                    chunks.append(current)
                    current, needed = "", set()
                needed.add(ch)
            current += ch
        if current:
            chunks.append(current)
        return chunks

    def _bind_spare_keys(self, chunk):
        wanted = sorted({ch for ch in chunk if ord(ch) > 0x7E})
        if not wanted:
            return
        spare = self._spare_keycodes()
        half = len(spare) // 2
        codes = spare[self._half * half:(self._half + 1) * half]
        self._half ^= 1
        args = ["xmodmap"]
        for code, ch in zip(codes, wanted):
            args += ["-e", f"keycode {code} = 0x{0x1000000 + ord(ch):x}"]
        self.x(*args)
        time.sleep(0.3)  # the program takes the new map before the keys arrive

    # --- what a person sees ----------------------------------------------------------------------------

    def screenshot(self, label="screen"):
        """A picture of the whole screen, kept with the journey's artifacts; returns a PIL image."""
        self.shots += 1
        path = os.path.join(self.artifacts, f"{self.shots:02d}-{label}.png")
        env = dict(os.environ, DISPLAY=self.display)
        subprocess.run(["import", "-window", "root", path], env=env, check=True, capture_output=True,
                       timeout=30)
        self.last_shot = path
        if Image is None:
            return None
        return Image.open(path).convert("RGB")

    def window_shot(self, wid, label="window"):
        """A picture of one window as it shows on the screen."""
        img = self.screenshot(label)
        x, y, w, h = self.geometry(wid)
        return img.crop((x, y, x + w, y + h))

    def wait_until(self, condition, what, timeout=10, interval=0.1):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(interval)
        raise JourneyFailed(f"{what}: not within {timeout} s")

    # --- the end ---------------------------------------------------------------------------------------

    def on_close(self, stop):
        """Runs `stop` when the desktop closes, after the program has ended (helpers such as an input
        method)."""
        self.closers.append(stop)

    def close(self):
        if self.alive():
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        for stop in self.closers:
            stop()
        self.closers = []
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        shutil.rmtree(self.root, ignore_errors=True)


def dark_pixels(image, threshold=100):
    """How many pixels of a picture are dark (ink)."""
    return sum(1 for p in image.getdata() if sum(p[:3]) < threshold * 3)


def differs(a, b):
    """Whether two pictures of the same size differ in any pixel."""
    return a.size != b.size or a.tobytes() != b.tobytes()


def run(journey, name=None):
    """Runs one journey on a desktop of its own and exits with its verdict."""
    name = name or os.path.splitext(os.path.basename(sys.argv[0]))[0]
    desktop = None
    started = time.monotonic()
    try:
        desktop = Desktop(name)
        journey(desktop)
    except SystemExit:
        raise
    except BaseException:
        traceback.print_exc()
        if desktop is not None:
            try:
                desktop.screenshot("at-failure")
                print(f"screenshots of this journey: {desktop.artifacts}")
                print("program output:\n" + desktop.program_output()[-3000:])
            except Exception:  # the display may be gone
                pass
            desktop.close()
        print(f"FAILED: {name}")
        sys.exit(1)
    desktop.close()
    print(f"PASSED: {name} ({time.monotonic() - started:.1f} s)")
    sys.exit(0)


# --- reading the saved document files back ---------------------------------------------------------------

# Slots (offset of the length byte, capacity) of a record of a tax invoice or statement file (228 bytes).
INVOICE_RECORD = 228
INVOICE_SLOTS = [(0, 10), (11, 2), (14, 2), (17, 35), (53, 20), (74, 14), (89, 25), (115, 25), (141, 70),
                 (212, 7)]
QUOTATION_RECORD = 171


def _slot_text(record, offset, capacity):
    n = min(record[offset], capacity)
    return record[offset + 1:offset + 1 + n].decode("cp949", "replace")


def invoice_records(path):
    """The records of a saved tax invoice or statement (.Dy5, .Gy5): each the list of its ten slot texts."""
    with open(path, "rb") as f:
        data = f.read()
    check(len(data) % INVOICE_RECORD == 0, f"{path}: {len(data)} bytes are not whole records")
    return [[_slot_text(data[at:at + INVOICE_RECORD], o, c) for o, c in INVOICE_SLOTS]
            for at in range(0, len(data), INVOICE_RECORD)]


def amount_of(text):
    """A saved amount text as a number (blanks, separators and the won sign removed; empty is 0)."""
    bare = text.replace(",", "").replace(" ", "").replace("\u20a9", "")
    return float(bare) if bare not in ("", "-") else 0.0


def invoice_line(path, item):
    """The item line of a saved tax invoice or statement whose item name is `item`, as
    {'quantity', 'price', 'supply', 'tax'} numbers."""
    for slots in invoice_records(path):
        if slots[8].strip() == item:
            return {"quantity": amount_of(slots[6]), "price": amount_of(slots[7]),
                    "supply": amount_of(slots[5]), "tax": amount_of(slots[4])}
    raise JourneyFailed(f"no line '{item}' in {path}")


def quotation_records(path):
    """The records of a saved quotation (.Prc): each the texts of its slots A (name, item), B (spec), C (unit)
    and D (telephone, remark). The item lines are the last twenty."""
    with open(path, "rb") as f:
        data = f.read()
    check(len(data) % QUOTATION_RECORD == 0, f"{path}: {len(data)} bytes are not whole records")
    return [[_slot_text(data[at:at + QUOTATION_RECORD], o, c) for o, c in ((0, 90), (91, 20), (112, 4), (133, 15))]
            for at in range(0, len(data), QUOTATION_RECORD)]


def document_lines(path):
    """The item lines of a saved document of any kind, as [{'item', 'spec'}], first line first."""
    if path.endswith(".Prc"):
        return [{"item": r[0], "spec": r[1]} for r in quotation_records(path)[-20:]]
    return [{"item": r[8], "spec": r[3]} for r in invoice_records(path)[3:]]


def document_party(path):
    """The counterparty of a saved document: {'name', 'person', 'address'} (the buyer of a tax invoice or
    statement, the recipient of a quotation)."""
    if path.endswith(".Prc"):
        records = quotation_records(path)
        return {"name": records[0][0], "person": records[1][0], "address": records[3][0]}
    buyer = invoice_records(path)[1]
    return {"name": buyer[3], "person": buyer[4], "address": buyer[8]}


def quotation_item_names(path):
    """The texts of the first slot of every record of a saved quotation (.Prc)."""
    with open(path, "rb") as f:
        data = f.read()
    check(len(data) % QUOTATION_RECORD == 0, f"{path}: {len(data)} bytes are not whole records")
    return [_slot_text(data[at:at + QUOTATION_RECORD], 0, 90) for at in range(0, len(data), QUOTATION_RECORD)]


def save_as(d, typed, file_name, title="저장", folder=None):
    """Answers the save dialog that is opening by typing a name; returns the path of the saved file
    (file_name in folder, by default the work folder) once it is there."""
    dialog = d.wait_window(title)
    time.sleep(0.5)  # the dialog's name field takes the focus once it is shown
    d.type(typed)
    d.key("Return")
    folder = folder or d.work_dir
    path = os.path.join(folder, file_name)
    try:
        d.wait_until(lambda: os.path.exists(path), f"the saved file {file_name}")
    except JourneyFailed:
        found = os.listdir(folder) if os.path.isdir(folder) else []
        raise JourneyFailed(f"no {file_name} in {folder}, which holds {found}")
    d.wait_gone(dialog)
    return path


def file_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def wait_rewritten(d, path, before, what="the file saved again"):
    """Waits until the file at path holds other bytes than `before` (a save replaced it)."""
    d.wait_until(lambda: os.path.exists(path) and file_bytes(path) != before, what)


def close_editor_dropping_changes(d, editor):
    """Closes an editor that holds unsaved changes by the "x" of its title strip: the question whether to
    save them comes first and is answered 저장 안 함 (Alt+N)."""
    before = tuple(d.windows(f"^{APP_TITLE}$"))
    _, _, width, _ = d.geometry(editor)
    d.click(editor, width - 17, 10)
    question = d.wait_window(f"^{APP_TITLE}$", exclude=before)
    d.key("alt+n")
    d.wait_gone(question)
    d.wait_gone(editor)
