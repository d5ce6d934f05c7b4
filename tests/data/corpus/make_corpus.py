#!/usr/bin/env python3
# Writes the damaged image files and header states of the corpus next to this
# script. The two files under settings/ are written by hand and committed as
# they are (docs/reliability.md lists what each holds).
#
# Deterministic: the same files on every run (random bytes come from a fixed
# seed; the pictures the damaged image files start from are drawn by
# ImageMagick's `convert` from a gradient; only its png output carries a
# creation date). Run it again after changing it and commit the result:
#
#     tests/data/corpus/make_corpus.py
import os
import random
import shutil
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
rng = random.Random(20261206)

# Every format the image list reads through Qt's readers: the built-in ones
# and the gif, ico and jpeg plugins.
FORMATS = ["png", "jpg", "bmp", "gif", "ico", "ppm", "pgm", "pbm", "xbm", "xpm"]


def write_all(folder, files):
    out = os.path.join(HERE, folder)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


def random_bytes(count):
    return bytes(rng.randrange(256) for _ in range(count))


def images():
    files = {}
    with tempfile.TemporaryDirectory() as tmp:
        for fmt in FORMATS:
            whole = os.path.join(tmp, "whole." + fmt)
            subprocess.run(["convert", "-size", "48x32", "gradient:navy-orange", whole], check=True)
            data = open(whole, "rb").read()
            third = len(data) // 3
            # 24 bytes from a third of the way in, xor-ed
            middle = bytes(b ^ 0x5A if third <= i < third + 24 else b for i, b in enumerate(data))
            files["zero-length." + fmt] = b""
            files["truncated-half." + fmt] = data[: len(data) // 2]
            files["header-only." + fmt] = data[:20]
            files["random-bytes." + fmt] = random_bytes(700)
            files["scrambled-middle." + fmt] = middle
    write_all("images", files)


def header_states():
    files = {
        "empty.bin": b"",
        "random-bytes.bin": random_bytes(300),
        "text.bin": b"not a header state\n",
        # A header's stream marker and version with nothing after them.
        "marker-only.bin": struct.pack(">ii", 0xFF, 0),
        # Section counts that promise far more than follows.
        "huge-counts.bin": struct.pack(">iii", 0xFF, 0, 1) + struct.pack(">I", 0x7FFFFFFF) * 8,
        # Laid out as a splitter keeps its state: another widget's bytes.
        "foreign-splitter.bin": struct.pack(">iiIii", 0xFF, 0, 2, 100, 200) + b"\x01\xff\xff\xff\xff\x01\0\0\0\x01\0",
        # A window state's marker: another widget again.
        "foreign-window.bin": struct.pack(">ii", 0xFD, 0) + bytes(40),
    }
    write_all("headerstates", files)


if __name__ == "__main__":
    images()
    header_states()
