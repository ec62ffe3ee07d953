"""Hangul typed as Korean users type it: Latin keys on the dubeolsik layout, composed into syllables by an
input method (ibus with ibus-hangul, or fcitx5 with fcitx5-hangul) running in a private session bus of the
journey's own.

    import hangul_input

    def journey(d):
        im = hangul_input.start(d, "ibus")   # before d.start(): the program finds the input method
        d.start()
        ...
        im.type("볼펜")                        # q h f v p s, one key at a time through the X server

A journey run by both input methods takes the method from its command line (see method_from_argv).
"""

import os
import shutil
import subprocess
import sys
import time

import xsuite

# The keys of the dubeolsik layout: initial consonants, vowels and final consonants in Unicode's order.
_INITIAL = ["r", "R", "s", "e", "E", "f", "a", "q", "Q", "t", "T", "d", "w", "W", "c", "z", "x", "v", "g"]
_VOWEL = ["k", "o", "i", "O", "j", "p", "u", "P", "h", "hk", "ho", "hl", "y", "n", "nj", "np", "nl", "b",
          "m", "ml", "l"]
_FINAL = ["", "r", "R", "rt", "s", "sw", "sg", "e", "f", "fr", "fa", "fq", "ft", "fx", "fv", "fg", "a", "q",
          "qt", "t", "T", "d", "w", "c", "z", "x", "v", "g"]


def keys_of(word):
    """The keys that type `word` (Hangul syllables, digits, Latin letters) on the dubeolsik layout."""
    keys = []
    for ch in word:
        code = ord(ch) - 0xAC00
        if 0 <= code < 11172:
            initial, rest = divmod(code, 21 * 28)
            vowel, final = divmod(rest, 28)
            keys += list(_INITIAL[initial] + _VOWEL[vowel] + _FINAL[final])
        elif ch == " ":
            keys.append("space")
        elif ch.isascii() and ch.isalnum():
            keys.append(ch)
        else:
            raise ValueError(f"no dubeolsik keys for {ch!r}")
    return keys


class InputMethod:
    """One input method in a session bus of its own, serving one desktop."""

    def __init__(self, desktop, method, hangul_at_start=True):
        self.d = desktop
        self.hangul_at_start = hangul_at_start
        self.method = method
        self.processes = []
        self.bus_pid = None
        home = os.path.join(desktop.root, "home")
        os.makedirs(home, exist_ok=True)
        self.env = dict(desktop.env, HOME=home)
        self._start_bus()
        if method == "ibus":
            self._start_ibus()
        elif method == "fcitx5":
            self._start_fcitx5()
        else:
            raise ValueError(method)
        module = "ibus" if method == "ibus" else "fcitx"
        # The program starts in the same session, and asks its input method for every field.
        desktop.env.update({
            "HOME": home,
            "DBUS_SESSION_BUS_ADDRESS": self.env["DBUS_SESSION_BUS_ADDRESS"],
            "QT_IM_MODULE": module,
            "GTK_IM_MODULE": module,
            "XMODIFIERS": f"@im={module}",
        })
        desktop.on_close(self.stop)

    def _tool(self, name):
        if not shutil.which(name):
            print(f"SKIP: {name} is not installed (scripts/install-deps.sh installs it)")
            sys.exit(xsuite.SKIP_CODE)

    def _start_bus(self):
        self._tool("dbus-launch")
        out = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, capture_output=True, text=True,
                             timeout=20, check=True).stdout
        for line in out.splitlines():
            if "=" not in line:
                continue
            name, value = line.split("=", 1)
            value = value.split(";")[0].strip().strip("'")
            if name == "DBUS_SESSION_BUS_ADDRESS":
                self.env[name] = value
            elif name == "DBUS_SESSION_BUS_PID":
                self.bus_pid = int(value)
        xsuite.check("DBUS_SESSION_BUS_ADDRESS" in self.env, "no session bus")

    def _run(self, *args, timeout=20):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True, timeout=timeout)

    def _start_ibus(self):
        for tool in ("ibus-daemon", "ibus", "gsettings"):
            self._tool(tool)
        self._run("gsettings", "set", "org.freedesktop.ibus.engine.hangul", "initial-input-mode", "hangul")
        self._run("gsettings", "set", "org.freedesktop.ibus.general", "preload-engines", "['hangul']")
        # ibus-daemon ends when its parent does: this script is its parent for the journey's length.
        self.processes.append(subprocess.Popen(
            ["ibus-daemon", "--replace", "--xim", "--panel", "disable"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self._run("ibus", "engine", "hangul").returncode == 0 and \
                    self._run("ibus", "engine").stdout.strip() == "hangul":
                return
            time.sleep(0.3)
        raise xsuite.JourneyFailed("ibus did not take the hangul engine")

    def _start_fcitx5(self):
        self._tool("fcitx5")
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "fcitx5")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "profile"), "w") as f:
            f.write("[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=hangul\n\n"
                    "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
                    "[Groups/0/Items/1]\nName=hangul\nLayout=\n\n"
                    "[GroupOrder]\n0=Default\n")
        with open(os.path.join(config, "config"), "w") as f:
            active = "True" if self.hangul_at_start else "False"
            f.write(f"[Behavior]\nActiveByDefault={active}\nShareInputState=No\n")
        self.processes.append(subprocess.Popen(
            ["fcitx5", "--replace", "--disable", "kimpanel,notificationitem,classicui,clipboard"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            r = self._run("dbus-send", "--session", "--print-reply", "--dest=org.fcitx.Fcitx5", "/controller",
                          "org.fcitx.Fcitx.Controller1.CurrentInputMethod")
            if r.returncode == 0:
                return
            time.sleep(0.3)
        raise xsuite.JourneyFailed("fcitx5 did not start")

    def type(self, word, delay_ms=100):
        """Types `word` key by key through the X server, as a person on the dubeolsik layout does."""
        self.d.x("xdotool", "key", "--delay", str(delay_ms), *keys_of(word), timeout=60)
        time.sleep(0.3)

    def stop(self):
        for p in self.processes:
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
        self.processes = []
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, 15)
            except ProcessLookupError:
                pass
            self.bus_pid = None


def start(desktop, method, hangul_at_start=True):
    """Starts the input method for the desktop's program; with hangul_at_start False, fcitx5 starts in
    its Latin (inactive) state."""
    return InputMethod(desktop, method, hangul_at_start)


def method_from_argv(default="ibus"):
    """The input method a journey runs under: its first argument (ibus or fcitx5)."""
    return sys.argv[1] if len(sys.argv) > 1 else default
