"""Helpers of compare.sh.

older_generations.py <typed> <out>: copies every saved document of <typed> into <out>, and every tax
invoice and statement also converted to the 220-byte ("Dnt", "Gnt") and 156-byte ("Dty", "Gty") records of
the older generations.
older_generations.py --compare <folder>: compares typed-base with typed-new and reopen-base with reopen-new
file by file and reports the counts."""

import os
import shutil
import sys

CURRENT = [(0, 10), (11, 2), (14, 2), (17, 35), (53, 20), (74, 14), (89, 25), (115, 25), (141, 70), (212, 7)]
V31 = [(0, 10), (11, 2), (14, 2), (17, 25), (43, 10), (54, 12), (67, 15), (83, 15), (99, 52)]


def records(data, size):
    return [data[i:i + size] for i in range(0, len(data), size)]


def as_v35(data):
    return b"".join(r[:212] + r[220:228] for r in records(data, 228))


def cut(text, capacity):
    """A slot's text cut to capacity bytes without splitting a two-byte character."""
    out, i = b"", 0
    while i < len(text):
        n = 2 if text[i] >= 0x80 and i + 1 < len(text) else 1
        if len(out) + n > capacity:
            break
        out += text[i:i + n]
        i += n
    return out


def as_v31(data):
    out = b""
    for r in records(data, 228):
        new = bytearray(156)
        for (o, c), (no, nc) in zip(CURRENT, V31):
            text = cut(r[o + 1:o + 1 + min(r[o], c)], nc)
            new[no] = len(text)
            new[no + 1:no + 1 + len(text)] = text
        new[152:156] = r[220:224]
        out += bytes(new)
    return out


def prepare(typed, out):
    os.makedirs(out, exist_ok=True)
    for name in sorted(os.listdir(typed)):
        path = os.path.join(typed, name)
        shutil.copy(path, os.path.join(out, name))
        stem, ext = os.path.splitext(name)
        if ext in (".Dy5", ".Gy5"):
            data = open(path, "rb").read()
            letter = ext[1]
            open(os.path.join(out, f"{stem}.{letter}nt"), "wb").write(as_v35(data))
            open(os.path.join(out, f"{stem}.{letter}ty"), "wb").write(as_v31(data))


def compare(folder):
    total = 0
    for kind in ("typed", "reopen"):
        base, new = os.path.join(folder, f"{kind}-base"), os.path.join(folder, f"{kind}-new")
        names = sorted(set(os.listdir(base)) | set(os.listdir(new)))
        differ = [n for n in names
                  if not (os.path.exists(os.path.join(base, n)) and os.path.exists(os.path.join(new, n)))
                  or open(os.path.join(base, n), "rb").read() != open(os.path.join(new, n), "rb").read()]
        by_ext = {}
        for n in names:
            by_ext[os.path.splitext(n)[1]] = by_ext.get(os.path.splitext(n)[1], 0) + 1
        print(f"{kind}: {len(names)} files {dict(sorted(by_ext.items()))}, {len(differ)} differ")
        for n in differ[:20]:
            print("  differs:", n)
        total += len(differ)
    sys.exit(1 if total else 0)


if __name__ == "__main__":
    if sys.argv[1] == "--compare":
        compare(sys.argv[2])
    else:
        prepare(sys.argv[1], sys.argv[2])
