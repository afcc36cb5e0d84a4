#!/usr/bin/env python3
"""Keeps translations/tagwell_ja.ts in step with the sources.

  scripts/translate.py update            re-read every text of src/ into the .ts file; a text
                                          that moved to another class keeps its Japanese
  scripts/translate.py missing           list the texts that have no Japanese yet (TSV)
  scripts/translate.py fill FILE.tsv     take Japanese texts from FILE.tsv
                                          (context <TAB> English <TAB> Japanese, one per line;
                                          write a line break inside a text as \\n)

Every command holds a lock, so several people (or agents) can work on the same tree."""
import fcntl
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS = os.path.join(ROOT, "translations", "tagwell_ja.ts")
LUPDATE = "/usr/lib/qt6/bin/lupdate"


def locked(action):
    with open(os.path.join("/tmp", "tagwell-ts.lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        return action()


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def run_lupdate():
    subprocess.run([LUPDATE, "-silent", "-no-obsolete", "-locations", "none",
                    "-extensions", "cpp,h", os.path.join(ROOT, "src"), "-ts", TS], check=True)


def update():
    # Japanese already given to an English text, by context, so that a text moved from one class
    # to another (a new context) keeps its translation.
    known = {}
    for name, message in messages(ET.parse(TS)):
        translation = message.find("translation")
        if translation is not None and translation.get("type") != "unfinished" and translation.text:
            known.setdefault(message.findtext("source"), {})[name] = translation.text
    run_lupdate()
    carried = {}
    for name, message in messages(ET.parse(TS)):
        translation = message.find("translation")
        source = message.findtext("source")
        if translation is not None and translation.get("type") == "unfinished" and source in known:
            choices = set(known[source].values())
            if len(choices) == 1:
                carried[(name, source)] = choices.pop()
    if carried:
        write_translations(carried)
        run_lupdate()  # back into lupdate's own form


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def missing():
    tree = ET.parse(TS)
    for name, message in messages(tree):
        translation = message.find("translation")
        if translation is not None and translation.get("type") == "unfinished":
            print(f"{name}\t{escape(message.findtext('source'))}\t")


def fill(path):
    wanted = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 3 or not parts[2]:
                sys.exit(f"{path}:{number}: want context<TAB>English<TAB>Japanese")
            wanted[(parts[0], unescape(parts[1]))] = unescape(parts[2])
    used = write_translations(wanted)
    for key in sorted(set(wanted) - used):
        print(f"not in the sources (run update first?): {key[0]}\t{escape(key[1])}", file=sys.stderr)


def write_translations(wanted):
    tree = ET.parse(TS)
    used = set()
    for name, message in messages(tree):
        key = (name, message.findtext("source"))
        if key in wanted:
            translation = message.find("translation")
            translation.text = wanted[key]
            translation.attrib.pop("type", None)
            used.add(key)
    tree.write(TS, encoding="utf-8", xml_declaration=True)
    with open(TS, encoding="utf-8") as f:
        body = f.read()
    body = body.replace("<?xml version='1.0' encoding='utf-8'?>",
                        '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
    with open(TS, "w", encoding="utf-8") as f:
        f.write(body if body.endswith("\n") else body + "\n")
    return used


if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in ("update", "missing", "fill"):
        sys.exit(__doc__)
    command = sys.argv[1]
    if command == "update":
        locked(update)
    elif command == "missing":
        locked(missing)
    else:
        locked(lambda: fill(sys.argv[2]))
