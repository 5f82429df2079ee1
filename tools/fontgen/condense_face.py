#!/usr/bin/python3
"""Makes Brasswick, the game's run-time text face, from PT Sans Narrow.

    condense_face.py SOURCE.ttf LICENCE_IN FACE_OUT.ttf LICENCE_OUT

The score tables leave 76 pixels for a name at 20 pixels a line, and PT Sans
Narrow draws the longest default names some 13 pixels wider than that. The
outlines are narrowed to WIDTH of their width and then thickened sideways by
STEM_GAIN, so the vertical stems keep their weight and the text reads as a
designed condensed cut rather than a squeezed one. Heights are untouched.

The ParaType Free Font License allows modified copies, but not under the
original name and only together with the licence and the copyright notice:
hence the new name and the licence file written beside the face.

Needs Debian's python3-fonttools (run with /usr/bin/python3).
"""
import math
import sys

from fontTools.ttLib import TTFont

WIDTH = 0.78
STEM_GAIN = 12  # font units per 1000 to the em, split between both sides

NAME = "Brasswick"
DESCRIPTION = (
    "Brasswick is the text face of the game Orvessa: ParaType's PT Sans Narrow "
    "with its outlines condensed to 78 percent and its stems thickened back. "
    "A modified version, distributed under the ParaType Free Font License.")

LICENCE_HEADER = """\
Brasswick.ttf, the text face embedded in Orvessa, is a modified version of
PT Sans Narrow by ParaType Ltd (Debian package fonts-paratype): its outlines
are condensed to 78 percent of their width and thickened sideways, and its
kerning tables are left out. As the licence below requires, the modified
face does not carry the original name. Its copyright notice and licence:

"""


def neighbour(points, i, step):
    # The next point along the contour that does not sit on point i.
    n = len(points)
    j = (i + step) % n
    while points[j] == points[i] and j != i:
        j = (j + step) % n
    return points[j]


def unit_normal(a, b):
    # The normal of a -> b on the side of the ink, for TrueType's clockwise
    # outer contours (and, reversed, their holes).
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    if length == 0:
        return None
    return -dy / length, dx / length


def thicken_contour(points, half):
    # Each point moves along the bisector of its two edges' normals, far
    # enough that both edges move out by `half`; only sideways, so the
    # heights the hinting keeps on the pixel grid stay where they were.
    moved = []
    for i, p in enumerate(points):
        before = unit_normal(neighbour(points, i, -1), p)
        after = unit_normal(p, neighbour(points, i, 1))
        if before is None or after is None:
            moved.append(p)
            continue
        # Sharp corners would spike; limit how far they reach.
        dot = max(1 + before[0] * after[0] + before[1] * after[1], 0.2)
        moved.append((p[0] + (before[0] + after[0]) / dot * half, p[1]))
    return moved


def condense_glyph(glyph, gain):
    if glyph.isComposite():
        for component in glyph.components:
            component.x = round(component.x * WIDTH)
        return
    if glyph.numberOfContours <= 0:
        return
    coordinates = glyph.coordinates
    coordinates.scale((WIDTH, 1))
    start = 0
    for end in glyph.endPtsOfContours:
        contour = [tuple(coordinates[i]) for i in range(start, end + 1)]
        for offset, point in enumerate(thicken_contour(contour, gain / 2)):
            coordinates[start + offset] = point
        start = end + 1
    coordinates.toInt()


def condense(font):
    glyf, hmtx = font["glyf"], font["hmtx"]
    gain = STEM_GAIN * font["head"].unitsPerEm / 1000
    order = font.getGlyphOrder()
    for name in order:
        condense_glyph(glyf[name], gain)
    for name in order:
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        advance, bearing = hmtx[name]
        # The bearing must match the outline's left edge or the glyph shifts.
        bearing = glyph.xMin if glyph.numberOfContours else round(bearing * WIDTH)
        hmtx[name] = (round(advance * WIDTH + gain), bearing)
    # Widths cached for the old outlines, a signature they no longer match,
    # and kerning in the old units: the game lays glyphs by advance alone.
    for table in ("hdmx", "LTSH", "DSIG", "kern", "GPOS"):
        if table in font:
            del font[table]
    os2 = font["OS/2"]
    os2.usWidthClass = 2  # extra-condensed
    os2.recalcAvgCharWidth(font)


def rename(font):
    names = font["name"]
    version = "%.3f" % font["head"].fontRevision
    wanted = {1: NAME, 2: "Regular", 3: "Orvessa: %s: %s" % (NAME, version), 4: NAME,
              6: NAME + "-Regular", 10: DESCRIPTION}
    # Typographic and other family names would still say the original name.
    names.names = [r for r in names.names if r.nameID not in wanted and r.nameID < 16]
    for name_id, text in wanted.items():
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)


def main(source, licence_in, face_out, licence_out):
    # Keep the source's timestamp so every build writes the same bytes.
    font = TTFont(source, recalcTimestamp=False)
    condense(font)
    rename(font)
    font.save(face_out)
    with open(licence_in, encoding="utf-8") as f:
        licence = f.read()
    with open(licence_out, "w", encoding="utf-8") as f:
        f.write(LICENCE_HEADER + licence)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__.split("\n\n")[1])
    main(*sys.argv[1:])
