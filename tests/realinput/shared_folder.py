"""Two PCs on one shared work folder, as an office has them: a second desktop with its own copy of the
program (its own display, settings, temporary folder and single-instance socket), both pointed at one
folder for their documents and their register.

The folder is either local to both copies ("local") or a network drive ("sshfs"): an ssh server started
here for the journey serves the folder, and each copy gets its own sshfs mount of it, with a network file
system's caching, whole-second file times and no inotify for the other side's changes. Where FUSE, sshfs
or the ssh server is missing the network journeys skip with a notice.
"""

import getpass
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

import places
import xsuite

NETWORK = "sshfs"
LOCAL = "local"


def variant():
    """The journey's variant from its command line: local (default) or sshfs."""
    return sys.argv[1] if len(sys.argv) > 1 else LOCAL


def _skip(why):
    print(f"SKIP: {why}")
    sys.exit(xsuite.SKIP_CODE)


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class SharedFolder:
    """The shared folder and, for a network drive, its server and the two mounts. paths[0] is where the
    first PC sees the folder, paths[1] where the second does."""

    def __init__(self, mode):
        self.mode = mode
        self.base = tempfile.mkdtemp(prefix="zaru-share-")
        self.server_dir = os.path.join(self.base, "served")
        os.makedirs(self.server_dir)
        self.mounts = []
        self.sshd = None
        if mode == LOCAL:
            self.paths = [self.server_dir, self.server_dir]
            return
        try:
            self._serve_and_mount()
        except BaseException:
            self.close()
            raise

    def _serve_and_mount(self):
        for tool in ("sshfs", "ssh-keygen"):
            if not shutil.which(tool):
                _skip(f"{tool} is not installed (scripts/install-deps.sh installs sshfs and openssh-server)")
        sshd = "/usr/sbin/sshd"
        if not os.path.exists(sshd):
            _skip("the ssh server is not installed (scripts/install-deps.sh installs openssh-server)")
        if not os.path.exists("/dev/fuse"):
            _skip("this machine has no FUSE (/dev/fuse): the network drive journeys need it")
        keys = os.path.join(self.base, "keys")
        os.makedirs(keys, mode=0o700)
        host_key = os.path.join(keys, "host")
        user_key = os.path.join(keys, "user")
        for key in (host_key, user_key):
            subprocess.run(["ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", key], check=True)
        authorized = os.path.join(keys, "authorized_keys")
        shutil.copy(user_key + ".pub", authorized)
        os.chmod(authorized, 0o600)
        port = _free_port()
        config = os.path.join(keys, "sshd_config")
        with open(config, "w") as f:
            f.write(f"Port {port}\nListenAddress 127.0.0.1\nHostKey {host_key}\n"
                    f"AuthorizedKeysFile {authorized}\nPasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                    f"PidFile {os.path.join(keys, 'sshd.pid')}\nStrictModes no\nUsePAM no\n"
                    "Subsystem sftp internal-sftp\n")
        if os.geteuid() == 0:
            os.makedirs("/run/sshd", mode=0o755, exist_ok=True)  # the server's privilege separation folder
        log = os.path.join(self.base, "sshd.log")
        self.sshd = subprocess.Popen([sshd, "-D", "-f", config, "-E", log], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if self.sshd.poll() is not None:
                _skip("the ssh server did not start: " + open(log, errors="replace").read()[-500:])
            with socket.socket() as s:
                if s.connect_ex(("127.0.0.1", port)) == 0:
                    break
            time.sleep(0.1)
        user = getpass.getuser()
        self.paths = []
        for name in ("pc1", "pc2"):
            mount = os.path.join(self.base, name)
            os.makedirs(mount)
            # The mount options an office's network drive would have: sshfs's own caching, left as it is.
            result = subprocess.run(
                ["sshfs", "-p", str(port), "-o",
                 f"IdentityFile={user_key},StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes",
                 f"{user}@127.0.0.1:{self.server_dir}", mount],
                capture_output=True, text=True, timeout=30)
            if result.returncode != 0:
                _skip("sshfs could not mount the shared folder (no FUSE here?): " + result.stderr.strip()[-300:])
            self.mounts.append(mount)
            self.paths.append(mount)

    def close(self):
        for mount in self.mounts:
            for tool in ("fusermount3", "fusermount"):
                if shutil.which(tool) and subprocess.run([tool, "-u", "-z", mount],
                                                         capture_output=True).returncode == 0:
                    break
        self.mounts = []
        if self.sshd and self.sshd.poll() is None:
            self.sshd.terminate()
            try:
                self.sshd.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.sshd.kill()
        shutil.rmtree(self.base, ignore_errors=True)


def two_pcs(d, name):
    """The journey's desktop d as the first PC and a second desktop as the second, both with settings that
    put their documents and their register into one shared folder (local or network, by the journey's
    command line). Returns (second desktop, shared folder); both close with d."""
    shared = SharedFolder(variant())
    second = xsuite.Desktop(name + "-pc2")
    second.artifacts = os.path.join(d.artifacts, "pc2")
    os.makedirs(second.artifacts, exist_ok=True)
    # The second desktop goes first, then the folder is unmounted once both programs have ended.
    d.on_close(second.close)
    d.on_close(shared.close)
    for desktop, folder in ((d, shared.paths[0]), (second, shared.paths[1])):
        desktop.write_settings({"작업폴더": {"wPath": folder + "/"}, "문서목록": {"rPath": folder}})
    return second, shared


def question(d, exclude):
    """The question box that opens now over the program (titled as the main window is)."""
    return d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=exclude)
