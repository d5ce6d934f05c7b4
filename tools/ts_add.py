#!/usr/bin/env python3
"""Adds or updates translations in a Qt .ts file.

    tools/ts_add.py FILE.ts CONTEXT SOURCE TRANSLATION [CONTEXT SOURCE TRANSLATION ...]
    tools/ts_add.py FILE.ts --from LIST   (LIST: lines "context<TAB>source<TAB>translation")

Entries are kept sorted by context, then in order of arrival. Safe to run from
several shells at once (the file is locked while it is rewritten). Run the
ZelGui_lupdate target afterwards to refresh source locations.
"""
import fcntl
import sys
import xml.etree.ElementTree as ET


def load_pairs(argv):
    if len(argv) == 2 and argv[0] == "--from":
        with open(argv[1], encoding="utf-8") as f:
            rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]
        return [tuple(r) for r in rows]
    if len(argv) % 3 != 0 or not argv:
        sys.exit(__doc__)
    return [tuple(argv[i:i + 3]) for i in range(0, len(argv), 3)]


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    path = sys.argv[1]
    entries = load_pairs(sys.argv[2:])
    with open(path, "r+", encoding="utf-8") as f:
        fcntl.flock(f, fcntl.LOCK_EX)
        root = ET.fromstring(f.read())
        contexts = {c.findtext("name"): c for c in root.findall("context")}
        for context, source, translation in entries:
            ctx = contexts.get(context)
            if ctx is None:
                ctx = ET.SubElement(root, "context")
                ET.SubElement(ctx, "name").text = context
                contexts[context] = ctx
            for message in ctx.findall("message"):
                if message.findtext("source") == source:
                    break
            else:
                message = ET.SubElement(ctx, "message")
                ET.SubElement(message, "source").text = source
            node = message.find("translation")
            if node is None:
                node = ET.SubElement(message, "translation")
            node.attrib.pop("type", None)
            node.text = translation
        for ctx in sorted(root.findall("context"), key=lambda c: c.findtext("name")):
            root.remove(ctx)
            root.append(ctx)
        ET.indent(root, space="    ")
        text = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + ET.tostring(root, encoding="unicode") + "\n"
        f.seek(0)
        f.truncate()
        f.write(text)


if __name__ == "__main__":
    main()
