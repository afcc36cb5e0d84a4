#!/usr/bin/env python3
"""Compares two folders of window pictures pixel for pixel (PNG metadata aside).

Usage: scripts/compare-screens.py BEFORE AFTER
"""
import glob
import os
import sys

from PIL import Image, ImageChops


def main():
    before, after = sys.argv[1], sys.argv[2]
    same = different = 0
    for path in sorted(glob.glob(os.path.join(before, "*.png"))):
        name = os.path.basename(path)
        other = os.path.join(after, name)
        if not os.path.exists(other):
            print("missing:", name)
            different += 1
            continue
        a = Image.open(path).convert("RGB")
        b = Image.open(other).convert("RGB")
        if a.size != b.size:
            print("size differs:", name, a.size, b.size)
            different += 1
        elif ImageChops.difference(a, b).getbbox():
            print("pixels differ:", name, ImageChops.difference(a, b).getbbox())
            different += 1
        else:
            same += 1
    print(f"{same} identical, {different} different")
    return 1 if different else 0


if __name__ == "__main__":
    sys.exit(main())
