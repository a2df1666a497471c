#!/usr/bin/python3
"""Renames a TrueType font to the family the editor's window asks for.

Usage: rename_font.py SOURCE.ttf TARGET.ttf

Rewrites the naming entries (family, style, unique id, full name, PostScript
name, typographic family and style) on every platform record, drops the
digital signature that no longer matches the changed file, and keeps the
copyright, licence and designer entries as the font's licence requires.
The glyphs are untouched. The output is byte-for-byte reproducible: the
modification date in the 'head' table is kept as it was.

Needs Debian's fonttools (apt-get install fonttools).
"""

import sys

from fontTools.ttLib import TTFont

FAMILY = "Formal436 BT"
STYLE = "Regular"
FULL_NAME = FAMILY + " " + STYLE
POSTSCRIPT_NAME = "Formal436BT-Regular"

# Name ids of the OpenType 'name' table.
FAMILY_ID, STYLE_ID, UNIQUE_ID, FULL_NAME_ID, POSTSCRIPT_ID = 1, 2, 3, 4, 6
DESCRIPTION_ID, TYPO_FAMILY_ID, TYPO_STYLE_ID = 10, 16, 17


def rename(source_path, target_path):
    font = TTFont(source_path, recalcTimestamp=False)
    if "glyf" not in font:
        sys.exit(f"{source_path}: not a glyf-based TrueType font")

    names = font["name"]
    old_full_name = names.getDebugName(FULL_NAME_ID)
    version = names.getDebugName(5) or "Version 1.000"
    new_names = {
        FAMILY_ID: FAMILY,
        STYLE_ID: STYLE,
        UNIQUE_ID: version.replace("Version ", "") + ";" + POSTSCRIPT_NAME,
        FULL_NAME_ID: FULL_NAME,
        POSTSCRIPT_ID: POSTSCRIPT_NAME,
        DESCRIPTION_ID: f"Renamed copy of {old_full_name}, "
                        "SIL Open Font License 1.1.",
    }
    # Typographic names are only rewritten where the source has them.
    present = {record.nameID for record in names.names}
    for typo_id, value in ((TYPO_FAMILY_ID, FAMILY), (TYPO_STYLE_ID, STYLE)):
        if typo_id in present:
            new_names[typo_id] = value

    platforms = {(r.platformID, r.platEncID, r.langID) for r in names.names}
    for name_id, value in new_names.items():
        names.removeNames(nameID=name_id)
        for platform_id, encoding_id, language_id in sorted(platforms):
            names.setName(value, name_id, platform_id, encoding_id, language_id)

    # A signature over the old bytes would be invalid now.
    if "DSIG" in font:
        del font["DSIG"]

    font.save(target_path)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    rename(argv[1], argv[2])


if __name__ == "__main__":
    main(sys.argv)
