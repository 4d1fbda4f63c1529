#!/usr/bin/python3
"""Writes the font the program prints with: the Simplified Chinese face of Noto Sans CJK, made so
that a printed PDF reads back as the characters printed.

A PDF viewer reads a printed glyph back as the code point that the embedded font's character map
gives that glyph. Noto Sans CJK gives many glyphs two code points: an ideograph and its radical
(用 and U+2F64, 见 and U+2EC5), ／ and U+2215; the PDF then reads back the lowest, so a printed
用 reads as the radical. And a glyph that a substitution puts in (the digits of Latin text, another
language's forms) has no code point, so it reads back as nothing. Here every glyph keeps the one
code point a user types (the others print from another font), and no substitution is left.

usage: printfont.py <NotoSansCJK-Regular.ttc> <output.otf>
"""
import sys

from fontTools.ttLib import TTCollection

SOURCE_FAMILY = "Noto Sans CJK SC"
FAMILY = "DezArod Print"
POSTSCRIPT = "DezArodPrint-Regular"


def rank(cp):
    """Lower ranks win a glyph shared by several code points."""
    if 0x3400 <= cp <= 0x9FFF or 0x20000 <= cp <= 0x3FFFF:
        return 0  # ideographs
    if 0xFF01 <= cp <= 0xFF60 or 0xFFE0 <= cp <= 0xFFE6:
        return 1  # full-width forms, typed with a Chinese input method
    if 0x3000 <= cp <= 0x303F:
        return 2  # CJK symbols and punctuation
    if 0x2E80 <= cp <= 0x2FDF:
        return 4  # radicals: only where no other code point has the glyph
    return 3


def main(source, target):
    collection = TTCollection(source, lazy=True)
    fonts = [f for f in collection.fonts if f["name"].getDebugName(1) == SOURCE_FAMILY]
    if not fonts:
        sys.exit("%s has no face %s" % (source, SOURCE_FAMILY))
    font = fonts[0]

    cmap = font["cmap"]
    by_glyph = {}
    for cp, glyph in cmap.getBestCmap().items():
        by_glyph.setdefault(glyph, []).append(cp)
    dropped = set()
    for cps in by_glyph.values():
        if len(cps) > 1:
            keep = min(cps, key=lambda cp: (rank(cp), cp))
            dropped.update(cp for cp in cps if cp != keep)
    for table in cmap.tables:
        if table.isUnicode():
            for cp in dropped:
                table.cmap.pop(cp, None)
    # The variation-sequence table could still lead a dropped code point to a glyph.
    cmap.tables = [t for t in cmap.tables if t.format != 14]

    # A glyph that a substitution puts in (a digit in Latin text, a ligature, another language's
    # form) has no code point at all and reads back as nothing: every character prints with the
    # glyph of the character map.
    del font["GSUB"]

    # The glyph order was read from the outlines; unchanged, they are copied as they stand, which
    # spares recompiling 65,535 glyphs.
    for tag in ("CFF ", "post"):
        if font.isLoaded(tag):
            del font.tables[tag]

    names = font["name"]
    # Only the new names, in every language: the font must not pass for the system's face.
    for name_id in (1, 2, 3, 4, 6, 16, 17, 21, 22):
        names.removeNames(nameID=name_id)
    for name_id, text in ((1, FAMILY), (2, "Regular"), (3, POSTSCRIPT), (4, FAMILY), (6, POSTSCRIPT)):
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
