#!/usr/bin/python3
"""Writes the four embedded blocks of the element tree from one table.

    make_tree_blocks.py [--check] [OUTPUT_DIR]

OUTPUT_DIR defaults to resources/tree beside this script's repository. Each
block holds one line per node in tree order, CR LF between lines and none after
the last:

    NodeTree.txt         caption, preceded by one TAB per level (Windows-1252)
    NodeIndex.txt        element code
    NodeStatusIndex.txt  picture number
    TreeImageIndex.txt   initial change status, "0" on every line

With --check nothing is written; the exit status is 1 when a block on disk
differs from what the table gives.
"""

import os
import sys

# (level, caption, element code, picture number), in tree order. Code 0 marks a
# category, 15 a building, 100 to 113 a house level.
NODES = [
    (0, 'Bevölkerung', 0, 1),
    (1, 'Einfache Wohnungen', 0, 2),
    (2, 'Einfache Wohnung Bauplatz', 15, 2),
    (2, 'Unterstand', 100, 2),
    (2, 'Hütte', 101, 2),
    (2, 'Einfaches Häuschen', 102, 2),
    (2, 'Attraktives Häuschen', 103, 2),
    (2, 'Geräumiges Haus', 104, 2),
    (2, 'Elegantes Haus', 105, 2),
    (2, 'Verziertes Haus', 106, 2),
    (2, 'Luxuriöses Haus', 107, 2),
    (1, 'Gehobene Wohnung', 0, 3),
    (2, 'Gehobene Wohnung Bauplatz', 15, 3),
    (2, 'Verlassenes Siheyuan', 108, 3),
    (2, 'Bescheidenes Siheyuan', 109, 3),
    (2, 'Üppiges Siheyuan', 110, 3),
    (2, 'Bescheidene Residenz', 111, 3),
    (2, 'Beeindruckendes Anwesen', 112, 3),
    (2, 'Himmlisches Anwesen', 113, 3),
    (0, 'Landwirtschaft', 0, 4),
    (1, 'Farmen', 0, 5),
    (2, 'Bauernhaus', 15, 5),
    (2, 'Hanffarm', 15, 5),
    (1, 'Feldfrüchte', 0, 6),
    (2, 'Sojabohnenfeld', 15, 6),
    (2, 'Kohlfeld', 15, 6),
    (2, 'Hirsefeld', 15, 6),
    (2, 'Reisfeld', 15, 6),
    (2, 'Weizenfeld', 15, 6),
    (2, 'Hanffeld', 15, 6),
    (1, 'Bewässerung', 0, 7),
    (2, 'Bewässerungsgraben', 15, 7),
    (2, 'Bewässerungspumpe', 15, 7),
    (1, 'Plantagensammelstellen', 0, 8),
    (2, 'Seidenraupenhütte', 15, 8),
    (2, 'Teesammelstelle', 15, 8),
    (2, 'Lackveredelung', 15, 8),
    (1, 'Plantagen', 0, 9),
    (2, 'Maulbeerbaum', 15, 9),
    (2, 'Teestrauch', 15, 9),
    (2, 'Lackbaum', 15, 9),
    (1, 'Land und Meer', 0, 10),
    (2, 'Jägerzelt', 15, 10),
    (2, 'Fischerkai', 15, 10),
    (0, 'Gewerbe', 0, 11),
    (1, 'Tongrube', 15, 12),
    (1, 'Rohmaterial', 0, 13),
    (2, 'Holzsammelstelle', 15, 13),
    (2, 'Steinhauerlager', 15, 13),
    (1, 'Schmelzen', 0, 14),
    (2, 'Bronzeschmelze', 15, 14),
    (2, 'Eisenschmelzer', 15, 14),
    (2, 'Stahlschmelzer', 15, 14),
    (1, 'Werkstätten', 0, 15),
    (2, 'Brennofen', 15, 15),
    (2, 'Bronzewarenbetrieb', 15, 15),
    (2, 'Lackwarenbetrieb', 15, 15),
    (1, 'Kunsthandwerker', 0, 16),
    (2, 'Weberei', 15, 16),
    (2, 'Jadeschnitzerwerkstatt', 15, 16),
    (2, 'Papiermühle', 15, 16),
    (0, 'Handel', 0, 17),
    (1, 'Mühle', 15, 18),
    (1, 'Marktplätze', 0, 19),
    (2, 'Einfacher Marktplatz', 15, 19),
    (2, 'Grosser Marktplatz', 15, 19),
    (1, 'Läden', 0, 20),
    (2, 'Nahrung', 15, 20),
    (2, 'Hanfladen', 15, 20),
    (2, 'Keramikladen', 15, 20),
    (2, 'Teeladen', 15, 20),
    (2, 'Seidenladen', 15, 20),
    (2, 'Bronzewarenladen', 15, 20),
    (2, 'Lackwarenladen', 15, 20),
    (1, 'Lagerhaus', 15, 21),
    (1, 'Handelsstation', 15, 22),
    (1, 'Handelskai', 15, 23),
    (0, 'Sicherheit', 0, 24),
    (1, 'Brunnen', 15, 25),
    (1, 'Kräuterstand', 15, 26),
    (1, 'Akupunkturklinik', 15, 27),
    (1, 'Inspektorenturm', 15, 28),
    (1, 'Wachturm', 15, 29),
    (0, 'Regierung', 0, 30),
    (1, 'Verwaltungszentrum', 15, 31),
    (1, 'Steuerbüro', 15, 32),
    (1, 'Palast', 15, 33),
    (1, 'Brücke', 15, 34),
    (1, 'Fähre', 15, 35),
    (1, 'Stadtkasse', 0, 36),
    (2, 'Münzerei', 15, 37),
    (2, 'Gelddruckerei', 15, 37),
    (0, 'Unterhaltung', 0, 37),
    (1, 'Musikschule', 15, 38),
    (1, 'Akrobatenschule', 15, 39),
    (1, 'Schauspielschule', 15, 40),
    (1, 'Theaterpavillion', 15, 41),
    (0, 'Religion', 0, 42),
    (1, 'Ahnen-Schrein', 15, 43),
    (1, 'Taoistische Gebäude', 0, 44),
    (2, 'Taoisten Schrein', 15, 44),
    (2, 'Taoisten Tempel', 15, 44),
    (1, 'Buddistische Gebäude', 0, 45),
    (2, 'Buddisten Schrein', 15, 45),
    (2, 'Buddisten Pagode', 15, 45),
    (1, 'Konfuzianische Akademie', 15, 46),
    (0, 'Militär', 0, 47),
    (1, 'Armbrustschützen', 15, 48),
    (1, 'Infantrie', 15, 49),
    (1, 'Kavallerie', 15, 50),
    (1, 'Wagenlenker', 15, 50),
    (1, 'Katapult', 15, 51),
    (1, 'Befestigungen', 0, 52),
    (2, 'Turm', 15, 52),
    (2, 'Stadtmauer', 15, 52),
    (2, 'Stadttor', 15, 52),
    (1, 'Waffenschmiede', 15, 53),
    (0, 'Ästhetik', 0, 54),
    (1, 'Gärten', 15, 55),
    (1, 'Skulpturen', 0, 56),
    (2, 'Soldaten-Skulptur', 15, 56),
    (2, 'Frauen-Skulptur', 15, 56),
    (2, 'Gelehrten-Skulptur', 15, 56),
    (2, 'Adels-Skulptur', 15, 56),
    (2, 'Quirin-Skulptur', 15, 56),
    (2, 'Löwen-Skulptur', 15, 56),
    (2, 'Drachen-Skulptur', 15, 56),
    (2, 'Hunde-Skulptur', 15, 56),
    (1, 'Erholungsgebiete', 0, 57),
    (2, 'Runder Strassenpavillion', 15, 57),
    (2, 'Quadratischer Strassenpavillion', 15, 57),
    (2, 'Teich mit Brücke', 15, 57),
    (2, 'Naturteich', 15, 57),
    (2, 'Tai Chi Park', 15, 57),
    (2, 'Privater Garten', 15, 58),
    (1, 'Ästhetische Strassen', 0, 58),
    (2, 'Grosser Weg', 15, 58),
    (2, 'Kaiserlicher Weg', 15, 59),
    (1, 'Wohngebietmauern', 0, 59),
    (2, 'Rote Wohngebietmauer', 15, 59),
    (2, 'Braune Wohngebietmauer', 15, 59),
    (2, 'Hellbraune Wohngebietmauer', 15, 59),
    (2, 'Graue Wohngebietmauer', 15, 59),
    (2, 'Wohngebiettor rot', 15, 59),
    (2, 'Wohngebiettor braun', 15, 59),
    (2, 'Wohngebiettor hellbraun', 15, 59),
    (2, 'Wohngebiettor grau', 15, 60),
    (1, 'Ästhetische Bäume', 0, 60),
    (2, 'Blühender Pflaumenbaum', 15, 60),
    (2, 'Blühender Pfirsichbaum', 15, 60),
    (2, 'Blühender Kirschbaum', 15, 60),
    (0, 'Monumente', 0, 61),
    (1, 'Arbeiterlager', 15, 62),
    (1, 'Baugilden', 0, 63),
    (2, 'Zimmermannsgilde', 15, 63),
    (2, 'Keramikergilde', 15, 63),
    (2, 'Maurergilde', 15, 63),
    (0, 'Bauoptionen', 0, 64),
    (1, 'Strassen bauen', 15, 65),
    (1, 'Sperre setzen', 15, 66),
    (1, 'Planieren', 15, 67),
]

BLOCKS = {
    "NodeTree.txt": lambda n: "\t" * n[0] + n[1],
    "NodeIndex.txt": lambda n: str(n[2]),
    "NodeStatusIndex.txt": lambda n: str(n[3]),
    "TreeImageIndex.txt": lambda n: "0",
}


def check_table():
    """Stops with a message when the table breaks the tree's own rules."""
    problems = []
    captions = set()
    for pos, (level, caption, code, picture) in enumerate(NODES):
        previous = NODES[pos - 1][0] if pos else 0
        if level > previous + 1:
            problems.append("%d: level %d follows level %d" % (pos, level, previous))
        has_children = pos + 1 < len(NODES) and NODES[pos + 1][0] > level
        if has_children != (code == 0):
            problems.append("%d: code %d does not fit its children" % (pos, code))
        if code not in (0, 15) and not 100 <= code <= 113:
            problems.append("%d: unknown code %d" % (pos, code))
        if not 1 <= picture <= 67:
            problems.append("%d: picture %d outside 1..67" % (pos, picture))
        if caption in captions:
            problems.append("%d: caption %r twice" % (pos, caption))
        captions.add(caption)
    house_codes = sorted(n[2] for n in NODES if n[2] >= 100)
    if house_codes != list(range(100, 114)):
        problems.append("house codes are not 100..113 once each")
    if len(NODES) != 161:
        problems.append("%d nodes instead of 161" % len(NODES))
    if problems:
        sys.exit("tree table is broken:\n  " + "\n  ".join(problems))


def block_bytes(line_of):
    text = "\r\n".join(line_of(node) for node in NODES)
    return text.encode("cp1252")


def main(argv):
    check_only = "--check" in argv
    paths = [a for a in argv if a != "--check"]
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = paths[0] if paths else os.path.join(here, "..", "..", "resources", "tree")
    check_table()
    differing = []
    for name, line_of in BLOCKS.items():
        path = os.path.join(out_dir, name)
        data = block_bytes(line_of)
        if check_only:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        differing.append(name)
            except OSError:
                differing.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if differing:
        print("blocks differ from the table: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
