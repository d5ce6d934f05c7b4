#!/usr/bin/env python3
"""Writes the corpus of damaged inputs next to this script.

Deterministic: the same files on every run (random bytes come from a fixed
seed; the pictures the damaged image files start from are drawn by
ImageMagick's `convert` from a gradient). Run it again after changing it and
commit the result:

    tests/data/corpus/make_corpus.py
"""
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


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def images():
    out = os.path.join(HERE, "images")
    shutil.rmtree(out, ignore_errors=True)
    with tempfile.TemporaryDirectory() as tmp:
        for fmt in FORMATS:
            whole = os.path.join(tmp, "whole." + fmt)
            subprocess.run(["convert", "-size", "48x32", "gradient:navy-orange", whole], check=True)
            data = open(whole, "rb").read()
            middle = bytearray(data)
            for i in range(len(data) // 3, len(data) // 3 + 24):
                if i < len(middle):
                    middle[i] ^= 0x5A
            write(os.path.join(out, "zero-length." + fmt), b"")
            write(os.path.join(out, "truncated-half." + fmt), data[: len(data) // 2])
            write(os.path.join(out, "header-only." + fmt), data[:20])
            write(os.path.join(out, "random-bytes." + fmt), bytes(rng.randrange(256) for _ in range(700)))
            write(os.path.join(out, "scrambled-middle." + fmt), bytes(middle))


def header_states():
    out = os.path.join(HERE, "headerstates")
    shutil.rmtree(out, ignore_errors=True)
    write(os.path.join(out, "empty.bin"), b"")
    write(os.path.join(out, "random-bytes.bin"), bytes(rng.randrange(256) for _ in range(300)))
    write(os.path.join(out, "text.bin"), b"not a header state\n")
    # A header's stream marker and version with nothing after them.
    write(os.path.join(out, "marker-only.bin"), struct.pack(">ii", 0xFF, 0))
    # Section counts that promise far more than follows.
    write(os.path.join(out, "huge-counts.bin"),
          struct.pack(">iii", 0xFF, 0, 1) + struct.pack(">I", 0x7FFFFFFF) * 8)
    # Laid out as a splitter keeps its state: another widget's bytes.
    write(os.path.join(out, "foreign-splitter.bin"),
          struct.pack(">iiI", 0xFF, 0, 2) + struct.pack(">ii", 100, 200) + b"\x01" + struct.pack(">i", -1)
          + b"\x01" + struct.pack(">i", 1) + b"\x00")
    # A window state's marker: another widget again.
    write(os.path.join(out, "foreign-window.bin"), struct.pack(">ii", 0xFD, 0) + bytes(40))


# One wrong-typed value under every key the library registers.
WRONG_TYPES = [
    ("general", "icon_size", "large"),
    ("general", "language", "Klingon"),
    ("mav", "mainwindow\\window_state", "@Variant(\\0\\0\\0\\x7f)"),
    ("mav", "mainwindow\\window_geometry", "12"),
    ("mav", "mainwindow\\maximized", "perhaps"),
    ("mav", "raster_format", "@Point(1 2)"),
    ("document", "working_directory", "/home/someone"),
    ("general", "last_cfg_dir", "@Rect(0 0 10 10)"),
    ("general", "display_precision", "3.5.1"),
    ("general", "max_image_side", "wide"),
    ("element", "fps_period", "@Size(4 4)"),
    ("general", "secpolicy", "strict"),
    ("core", "decimals", "many"),
    ("core", "numberformat", "@Variant(\\0\\0\\0\\n\\0\\0\\0\\0)"),
    ("general", "table_header_profiles", "profile1, profile2"),
    ("general", "first_run", "sometimes"),
    ("element", "ceconfig", "camera=1"),
    ("elements", "activeprofile", "Wide"),
    ("elements", "tableheaderstate", "not a hash"),
    ("element", "tray_message\\offset\\horizontal", "left"),
    ("element", "tray_message\\offset\\vertical", "@ByteArray(\\xff\\xfe)"),
    ("element", "tray_message\\lifetime", "forever"),
    ("element", "tray_message\\transparency", "half"),
    ("element", "tray_message\\stacked", "2, 3"),
    ("notifications", "success_load", "yes please"),
    ("notifications", "failed_load", "@Variant(\\0)"),
    ("notifications", "fast_capture_success", "7"),
    ("notifications", "fast_capture_failed", ""),
    ("notifications", "auto_capture_success", "@Size(1 1)"),
    ("notifications", "auto_capture_failed", "null"),
    ("notifications", "panorama", "@Invalid()"),
]


def settings():
    out = os.path.join(HERE, "settings")
    shutil.rmtree(out, ignore_errors=True)
    sections = {}
    for section, key, value in WRONG_TYPES:
        sections.setdefault(section, []).append((key, value))
    text = ""
    for section, entries in sections.items():
        # QSettings keeps a section called "general" apart from its own root as "%General".
        text += "[%s]\n" % ("%General" if section == "general" else section)
        for key, value in entries:
            text += "%s=%s\n" % (key, value)
        text += "\n"
    write(os.path.join(out, "wrong-types.ini"), text.encode())

    broken = (
        b"[%General\n"                     # a section that never closes
        b"icon_size=24\n"
        b"no equals sign on this line\n"
        b"=value without a key\n"
        b"[element]\n"
        b"tray_message\\lifetime=3\n"
        b"tray_message\\lifetime=9\n"      # the same key twice
        b"tray_message\\transparency=@Variant(\\0\\0\\0\n"  # a cut variant
        b"\xff\xfe\x00binary\x01junk\n"
        b"[]\n"
        b"tray_message\\offset\\horizontal=" + b"9" * 4000 + b"\n"
        b"[notifications]\n"
        b"panorama=false\n"
        b"success_load\n"
        b"[elements]\n"
        b"tableheaderstate=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x0fHeaderViewState\\0\\0\\0\\0\\x05)\n"
        b"[%General]\n"
        b"language=@Variant(\\0\\0\\0\\x02\\0\\0\\0"  # cut off without a line end
    )
    write(os.path.join(out, "broken-lines.ini"), broken)


if __name__ == "__main__":
    images()
    header_states()
    settings()
