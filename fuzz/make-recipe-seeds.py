#!/usr/bin/env python3
"""Writes the recipe fuzzer's seed corpus from the fixture site's files.

Each seed holds one row's play page and second download in the layout the
fuzzer reads: the second download as a length-delimited string at the front,
the page after it, and the row and the choices at the very end.
"""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SITES = os.path.join(ROOT, "tests", "fixtures", "sites")
ROWS = [
    ("www.hi193.com/play/10193.htm", "www.hi193.com/geturl/10193"),
    ("www.djkk.com/play/1.html", None),
    ("www.92cc.com/dance/20292.html", "static.92cc.com/mp/mp.js"),
    ("www.djrrr.com/dj/30303.html", "www.djrrr.com/playlist/30303.xml"),
    ("www.3378dj.com/play/40404.html", None),
    ("www.hcdj.com/play/50505.html", "www.hcdj.com/play/playwma.js"),
    ("www.dj97.com/dance/60606.html", "www.dj97.com/common/player.js"),
    ("www.mixdj.com/play/70707.html", None),
    ("www.mvpdj.com/song/80808", None),
    ("www.dj520.com/play/90909.html", "www.dj520.com/js/djcode.js"),
    ("www.9ku.com/play/101010.htm", "dz.9ku.com/index"),
    ("www.ccc333.com/dj/12345.htm", None),
    ("www.mydj99.com/play/121212.html", "cache.mydj99.com/script/server.js"),
]


def read(path):
    if path is None:
        return b""
    with open(os.path.join(SITES, path), "rb") as f:
        return f.read()


def main():
    out = os.path.join(ROOT, "fuzz", "corpus", "recipes")
    os.makedirs(out, exist_ok=True)
    for row, (page, second) in enumerate(ROWS):
        escaped = read(second).replace(b"\\", b"\\\\") + b"\\x"
        # From the end: the row, the pause that closes the view (0: none),
        # and the choice of the plain example address.
        seed = escaped + read(page) + bytes([1, 0, row])
        with open(os.path.join(out, f"row{row:02d}"), "wb") as f:
            f.write(seed)


if __name__ == "__main__":
    main()
