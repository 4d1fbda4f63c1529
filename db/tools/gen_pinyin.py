#!/usr/bin/env python3
"""Build db/data/pinyin.tsv (toneless syllable -> characters) from Unihan kMandarin.

Usage: gen_pinyin.py [Unihan_Readings.txt.bz2] [--out FILE]
"""
import argparse
import bz2
import os
import re
import sys
import unicodedata

DEFAULT_SOURCE = "/usr/share/unicode/Unihan_Readings.txt.bz2"

# kMandarin gives the common-word reading; customer search needs the
# surname / place-name one for these.
OVERRIDES = {
    "厦": "xia",  # kMandarin shà; 厦门
    "曾": "zeng",  # kMandarin céng; surname
}

SYLLABLE = re.compile(r"[a-z]+\Z")


def toneless(reading):
    s = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    s = "".join(c for c in s if not unicodedata.combining(c))
    if not SYLLABLE.match(s):
        sys.exit("gen_pinyin: cannot reduce %r to ASCII" % reading)
    return s


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("source", nargs="?", default=DEFAULT_SOURCE)
    ap.add_argument("--out", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "pinyin.tsv"))
    args = ap.parse_args()

    first = {}
    version = None
    with bz2.open(args.source, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            if not line.startswith("U+"):
                continue
            cp, field, value = line.rstrip("\n").split("\t", 2)
            if field != "kMandarin":
                continue
            ch = chr(int(cp[2:], 16))
            if ch in first:
                sys.exit("gen_pinyin: duplicate kMandarin for %s" % cp)
            first[ch] = toneless(value.split()[0])

    for ch, syl in OVERRIDES.items():
        if ch not in first:
            sys.exit("gen_pinyin: override for %s, which has no kMandarin" % ch)
        first[ch] = syl

    groups = {}
    for ch in sorted(first):
        groups.setdefault(first[ch], []).append(ch)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        for syl in sorted(groups):
            f.write("%s\t%s\n" % (syl, "".join(groups[syl])))
    print("Unicode %s: %d characters, %d syllables" % (version, len(first), len(groups)))


if __name__ == "__main__":
    main()
