#!/usr/bin/python3
"""Writes resources/model/EmperorBuildingModels.txt, the embedded German model.

The rows the game's German edition is known to ship are kept verbatim below.
Every other building row carries the project's estimate of its thirteen values
(see resources/model/README.md). The file is Windows-1252 with CR LF after
every line, 298 lines, section headers at lines 0, 6, 276 and 282.

Run: /usr/bin/python3 tools/model/make_model.py [output-path]
"""

import os
import sys

BUILDING_COMMAS = 72
HOUSE_COMMAS = 32
ALLOWED_NON_ASCII = set("Üäöü")
ZERO_VALUES = "0 0 0 0 0 0 0 0 0 0 0 0 0"

BUILDING_MODIFIERS = [
    "0,Very Easy Modifiers,{,50,100,100,100,100,100,50,50,100,100,100,100,100,}",
    "1,Easy Modifiers,{,80,100,100,100,100,100,80,80,100,100,100,100,100,}",
    "2,Normal Modifier,{,100,100,100,100,100,100,100,100,100,100,100,100,100,}",
    "3,Hard Modifiers,{,120,100,100,100,100,100,120,120,100,100,100,100,100,}",
    "4,Very Hard Modifiers,{,150,100,100,100,100,100,150,150,100,100,100,100,100,}",
]

HOUSE_MODIFIERS = [
    "Very Easy Modifiers,{,-5,-5,0,0,0,0,0,0,0,0,0,0,0,0,-5,0,0,0,0,0,-5,0,0,0,,,,,,,",
    "Easy Modifiers,{,-2,-2,0,0,0,0,0,0,0,0,0,0,0,0,-2,0,0,0,0,0,-2,0,0,0,,,,,,,",
    "Normal Modifier,{,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,",
    "Hard Modifiers,{,3,3,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0,3,0,0,0,,,,,,,",
    "Very Hard Modifiers,{,8,8,0,0,0,0,0,0,0,0,0,0,0,0,8,0,0,0,0,0,8,0,0,0,,,,,,,",
]

HOUSES = [
    "Unterstand,{,-99,-10,0,0,0,0,0,0,0,0,0,0,0,0,17,10,0,7,0,0,20,0,0,0,,,,,,,",
    "Hütte,{,-14,-2,0,1,0,0,0,0,0,0,0,0,0,0,16,5,0,14,0,0,15,0,0,0,,,,,,,",
    "Einfaches Häuschen,{,-6,6,0,1,0,0,0,0,20,0,0,0,0,0,15,5,0,22,1,0,15,1,0,0,,,,,,,",
    "Attraktives Häuschen,{,2,14,0,1,0,0,0,0,30,1,0,0,0,0,14,0,0,31,1,0,10,1,0,0,,,,,,,",
    "Geräumiges Haus, {,10,22,1,1,0,1,0,0,30,1,0,0,0,0,13,0,0,41,1,0,10,1,0,0,,,,,,,",
    "Elegantes Haus,{,18,30,1,1,0,1,0,0,50,1,1,0,0,0,12,0,0,52,0,0,5,1,0,0,,,,,,",
    "Verziertes Haus,{,25,40,1,1,1,1,1,0,50,1,1,0,0,0,11,0,0,63,1,0,5,1,0,0,,,,,,,",
    "Luxuriöses Haus,{,35,100,1,1,1,1,1,0,50,1,1,1,0,0,10,0,0,74,2,0,5,1,0,1,,,,,,,",
    "Gehobene Wohnung Bauplatz,{,-99,40,0,0,0,0,0,0,0,0,0,0,0,0,-20,0,0,0,0,0,-100,0,0,0,,,,,,,",
    "Verlassenes Siheyuan,{,-99,40,0,0,0,0,0,0,0,0,0,0,0,0,-20,0,0,1,0,0,-100,0,0,0,,,,,,,",
    "Bescheidenes Siheyuan,{,35,50,0,0,0,0,0,0,0,1,1,0,0,0,-20,0,0,5,5,0,0,0,0,0,,,,,,,",
    "Üppiges Siheyuan,{,45,60,1,0,0,1,1,0,50,1,1,0,1,0,-20,0,0,10,18,0,0,1,0,0,,,,,,,",
    "Bescheidene Residenz,{,55,70,1,0,1,1,1,0,70,1,1,0,1,1,-20,0,0,15,20,0,0,1,0,0,,,,,,,",
    "Beeindruckendes Anwesen,{,65,80,1,0,1,1,1,0,70,1,1,0,1,1,-20,0,0,20,22,0,0,1,1,1,,,,,,,",
    "Himmlisches Anwesen,{,75,100,1,0,1,1,1,1,70,1,1,1,1,1,-20,0,0,25,24,0,0,1,1,1,,,,,,,",
]

# Building rows whose thirteen values the game ships as given here.
SHIPPED_VALUES = {
    2: "15 0 0 0 0 0 0 0 0 0 0 200 4",
    3: "0 0 0 0 0 0 18 11 0 0 0 200 4",
    4: "0 0 0 0 0 0 17 12 0 0 0 200 4",
    5: "0 0 0 0 0 0 16 13 0 0 0 200 4",
    6: "0 0 0 0 0 0 15 14 0 0 0 200 4",
    7: "0 0 0 0 0 0 14 15 0 0 0 200 4",
    8: "0 0 0 0 0 0 13 15 0 0 0 200 4",
    9: "0 0 0 0 0 0 12 16 0 0 0 200 4",
    10: "0 0 0 0 0 0 11 16 0 0 0 200 4",
    12: "0 -4 1 1 4 0 16 20 0 0 0 400 3",
    13: "0 2 2 -1 4 0 18 12 0 0 0 400 3",
    14: "0 3 2 -1 4 0 16 13 0 0 0 400 3",
    15: "0 4 2 -1 4 0 14 14 0 0 0 400 3",
    16: "0 6 2 -2 4 0 12 15 0 0 0 400 3",
    17: "0 8 2 -2 4 0 10 16 0 0 0 400 3",
    36: "120 -30 1 4 8 15 0 15 0 0 0 250 1",
    72: "25 4 2 -2 4 4 0 8 0 0 40 200 3",
    110: "250 18 3 -3 12 30 5 8 0 0 2500 2000 3",
    124: "16 -2 1 1 2 5 5 4 0 50 50 300 1",
    193: "50 -3 1 1 3 22 0 0 0 0 0 250 3",
    268: ZERO_VALUES,
}

# The project's estimates, in the order: cost, attractiveness, distance step,
# points per step, range, workers, fire risk, collapse risk, (unused), risk
# reduction, (unused), (unused), Feng Shui.
ESTIMATED_VALUES = {
    11: "30 0 0 0 0 0 0 0 0 0 0 200 4",
    22: "2 0 0 0 0 0 0 0 0 0 0 100 3",
    23: "1 0 0 0 0 0 0 0 0 0 0 0 3",
    26: "5 2 1 -1 2 0 0 0 0 0 0 100 3",
    27: "5 2 1 -1 2 0 0 0 0 0 0 100 3",
    28: "5 2 1 -1 2 0 0 0 0 0 0 100 3",
    29: "10 3 1 -1 3 0 0 0 0 0 0 100 3",
    31: "60 -8 1 2 4 10 0 10 0 0 0 250 1",
    33: "30 -4 1 1 3 6 5 0 0 0 0 200 1",
    35: "80 -20 1 4 5 12 0 12 0 0 0 250 1",
    37: "100 -25 1 5 6 15 0 15 0 0 0 250 1",
    38: "40 -10 1 2 4 10 10 5 0 0 0 200 1",
    39: "120 -30 1 6 6 20 20 10 0 0 0 300 1",
    40: "140 -30 1 6 6 20 20 10 0 0 0 300 1",
    41: "160 -35 1 7 7 24 22 10 0 0 0 300 1",
    42: "80 -12 1 3 4 12 12 6 0 0 0 250 1",
    43: "70 -15 1 3 4 12 18 6 0 0 0 250 1",
    44: "80 -10 1 2 4 12 14 6 0 0 0 250 1",
    45: "90 -12 1 3 4 14 15 8 0 0 0 250 1",
    46: "100 -8 1 2 3 12 8 6 0 0 0 250 1",
    47: "70 -6 1 2 3 12 14 6 0 0 0 250 1",
    48: "150 -10 1 2 4 16 10 8 0 0 0 300 1",
    49: "150 -8 1 2 4 16 14 8 0 0 0 300 1",
    51: "90 -6 1 2 3 10 6 6 0 0 0 250 1",
    52: "60 -6 1 2 3 12 12 6 0 0 0 250 1",
    53: "60 -10 1 2 4 10 12 8 0 0 0 250 1",
    54: "50 -8 1 2 3 8 10 8 0 0 0 300 1",
    56: "100 -10 1 2 4 12 8 10 0 0 0 300 1",
    57: "40 -4 1 1 3 6 6 6 0 0 0 200 1",
    58: "80 -6 1 2 4 10 8 8 0 0 0 250 1",
    59: "40 2 1 -1 3 8 6 4 0 0 0 200 3",
    60: "80 4 2 -1 4 14 8 6 0 0 0 300 3",
    61: "5 0 0 0 0 0 0 0 0 0 0 100 3",
    62: "10 0 0 0 0 0 0 0 0 0 0 200 3",
    64: "40 2 1 -1 2 5 6 4 0 0 0 200 3",
    65: "30 1 1 -1 2 4 6 4 0 0 0 200 3",
    66: "25 1 1 -1 2 4 6 4 0 0 0 200 3",
    67: "25 1 1 -1 2 4 8 4 0 0 0 200 3",
    68: "40 2 1 -1 2 5 8 4 0 0 0 200 3",
    69: "45 2 1 -1 2 5 8 4 0 0 0 200 3",
    70: "30 1 1 -1 2 4 6 4 0 0 0 200 3",
    71: "10 2 1 -1 2 0 0 0 0 0 0 100 3",
    75: "60 6 2 -2 4 8 6 6 0 0 0 250 3",
    89: "4 -1 1 1 1 0 0 2 0 0 0 400 3",
    90: "4 -1 1 1 1 0 0 2 0 0 0 400 3",
    91: "5 -1 1 1 1 0 0 2 0 0 0 400 3",
    104: "10 0 0 0 0 0 0 4 0 0 0 400 3",
    105: "10 0 0 0 0 0 0 4 0 0 0 400 3",
    106: "12 0 0 0 0 0 0 4 0 0 0 400 3",
    111: "12 2 1 -1 2 0 0 0 0 0 0 100 3",
    113: "20 4 1 -1 3 0 0 0 0 0 0 100 3",
    115: "12 3 1 -1 3 0 0 0 0 0 0 100 3",
    116: "60 8 2 -2 5 0 0 0 0 0 0 200 3",
    117: "60 8 2 -2 5 0 0 0 0 0 0 200 3",
    118: "15 3 1 -1 3 0 0 0 0 0 0 100 3",
    119: "40 6 2 -2 4 0 0 2 0 0 0 200 3",
    120: "50 8 2 -2 5 0 0 0 0 0 0 200 3",
    121: "60 10 2 -2 6 0 0 0 0 0 0 200 3",
    122: "30 5 1 -1 3 0 0 0 0 0 0 150 3",
    123: "40 0 0 0 0 0 0 4 0 0 0 300 3",
    125: "60 -2 1 1 2 8 6 4 0 0 20 250 3",
    126: "2 0 0 0 0 0 0 0 0 0 0 0 3",
    127: "40 -4 1 1 3 6 0 6 0 0 20 400 1",
    129: "8 -2 1 1 2 0 0 2 0 0 0 600 3",
    130: "30 -2 1 1 2 0 0 4 0 0 0 600 3",
    131: "40 -4 1 1 3 4 0 4 0 0 0 800 3",
    138: "0 -10 1 2 4 0 0 0 0 0 0 0 1",
    139: "0 0 0 0 0 0 0 0 0 0 0 0 1",
    150: "0 0 0 0 0 0 0 0 0 0 0 0 3",
    152: "0 -6 1 2 3 0 0 0 0 0 0 0 1",
    161: "0 -6 1 2 3 0 0 0 0 0 0 100 1",
    192: "50 -3 1 1 3 18 0 0 0 0 0 250 3",
    194: "5 -1 1 1 1 0 0 0 0 0 0 50 3",
    195: "5 -1 1 1 1 0 0 0 0 0 0 50 3",
    196: "5 -1 1 1 1 0 0 0 0 0 0 50 3",
    197: "6 -1 1 1 1 0 0 0 0 0 0 50 3",
    198: "5 -1 1 1 1 0 0 0 0 0 0 50 3",
    199: "5 -1 1 1 1 0 0 0 0 0 0 50 3",
    202: "4 0 0 0 0 0 0 0 0 0 0 100 3",
    203: "40 -4 1 1 3 6 0 6 0 0 0 200 3",
    207: "30 2 1 -1 3 4 4 4 0 0 0 200 3",
    208: "60 4 2 -1 4 8 4 6 0 0 0 250 3",
    209: "100 4 2 -1 4 10 6 6 0 50 50 300 3",
    210: "80 -4 1 1 3 6 4 8 0 0 0 300 1",
    211: "50 4 2 -1 4 8 6 4 0 0 0 250 3",
    212: "50 4 2 -1 4 8 6 4 0 0 0 250 3",
    213: "60 4 2 -1 4 10 6 4 0 0 0 250 3",
    214: "40 6 2 -2 4 2 4 2 0 0 0 200 3",
    215: "40 6 2 -2 4 2 4 2 0 0 0 200 3",
    216: "150 12 3 -3 8 10 6 6 0 0 0 400 3",
    217: "40 6 2 -2 4 2 4 2 0 0 0 200 3",
    218: "160 12 3 -3 8 10 6 8 0 0 0 500 3",
    219: "180 10 3 -3 8 12 6 6 0 0 0 400 3",
    220: "120 -12 2 3 6 0 6 6 0 0 0 500 1",
    221: "100 -12 2 3 6 0 6 6 0 0 0 500 1",
    223: "150 -15 2 3 6 0 8 6 0 0 0 500 1",
    224: "140 -12 2 3 6 0 8 6 0 0 0 500 1",
    225: "160 -12 2 3 6 0 8 6 0 0 0 500 1",
    226: "120 -20 1 4 5 16 18 8 0 0 0 300 1",
    231: "5 -1 1 1 1 0 0 2 0 0 0 400 3",
    232: "12 0 0 0 0 0 0 4 0 0 0 400 3",
    233: "40 -6 1 2 3 0 6 4 0 0 0 200 1",
    235: "60 -6 1 2 3 12 6 8 0 0 0 250 1",
    236: "60 -6 1 2 3 12 8 6 0 0 0 250 1",
    237: "40 -4 1 1 3 8 6 4 0 0 0 200 1",
    238: "40 -4 1 1 3 8 8 4 0 0 0 200 1",
    239: "50 -6 1 2 3 10 10 4 0 0 0 200 1",
    243: "60 8 2 -2 5 0 0 0 0 0 0 200 3",
    244: "60 8 2 -2 5 0 0 0 0 0 0 200 3",
    245: "70 10 2 -2 5 0 0 0 0 0 0 200 3",
    246: "80 12 2 -2 6 0 0 0 0 0 0 200 3",
    247: "80 12 2 -2 6 0 0 0 0 0 0 200 3",
    248: "50 6 2 -2 4 0 0 0 0 0 0 200 3",
    249: "15 3 1 -1 3 0 0 0 0 0 0 100 3",
    250: "15 3 1 -1 3 0 0 0 0 0 0 100 3",
    251: "40 6 2 -2 4 0 0 2 0 0 0 200 3",
    252: "30 5 1 -1 4 0 0 0 0 0 0 150 3",
}

MAP_NAMES = (
    "DIRT TREES BAMBOO_TREES WATER EARTHQUAKE SCRUB ROCKS MEADOW RAISE_ELEVATION "
    "LOWER_ELEVATION ROAD INVASION_POINT ENTRY_POINT EXIT_POINT RAMP_ELEVATION "
    "RIVER_IN RIVER_OUT FISHING_POINT KILLER_POINT BEACH URCHIN_POINT PREY_POINT "
    "ELEVATION ORDINARY_ROCK COPPER_ROCK SILVER_ROCK CLIFF_ROCK MARSHLAND "
    "MONSTER_POINT DISEMBARK_POINT"
).split()

SUBMENU = "(submenu)"
UNUSED = "** unused **"


def building_names():
    """The 269 building row names by row number, spaces exactly as shipped."""
    names = {}

    def put(first, last, name):
        for number in range(first, last + 1):
            names[number] = name

    put(0, 0, "BUILD_NOTHING")
    put(1, 1, "BUILD_UNDO")
    put(2, 2, "Einfache Wohnung Bauplatz")
    for number in range(3, 11):
        names[number] = "H%d" % (97 + number)
    put(11, 11, "Gehobene Wohnung Bauplatz")
    for number in range(12, 18):
        names[number] = "H%d" % (96 + number)
    listed = [
        (18, 21, SUBMENU), (22, 22, "Strassen bauen"), (23, 23, "Planieren"),
        (24, 25, SUBMENU), (26, 26, "Teestrauch"), (27, 27, "Lackbaum"),
        (28, 28, "Maulbeerbaum"), (29, 29, "Orchard"), (30, 30, SUBMENU),
        (31, 31, "Fischerkai"), (32, 32, UNUSED), (33, 33, "Jägerzelt"),
        (34, 34, SUBMENU), (35, 35, "Tongrube"), (36, 36, "Steinhauerlager"),
        (37, 37, "Salzmine"), (38, 38, "Holzsammelstelle"), (39, 39, "Bronzeschmelze"),
        (40, 40, "Eisenschmelzer"), (41, 41, "Stahlschmelzer"),
        (42, 42, "Bronzewarenbetrieb"), (43, 43, "Brennofen"),
        (44, 44, "Lackwarenbetrieb"), (45, 45, "Papiermühle"),
        (46, 46, "Jadeschnitzerwerkstatt"), (47, 47, "Weberei"), (48, 48, "Münzerei"),
        (49, 49, "Gelddruckerei"), (50, 50, SUBMENU), (51, 51, "Sculpture Studio"),
        (52, 52, "Zimmermannsgilde"), (53, 53, "Mühle"), (54, 54, "Lagerhaus"),
        (55, 55, UNUSED), (56, 56, "Handelskai"), (57, 57, "Dock House"),
        (58, 58, "Handelsstation"), (59, 59, "Einfacher Marktplatz"),
        (60, 60, "Grosser Marktplatz"), (61, 61, "Market Road"), (62, 62, "Empty Shop"),
        (63, 63, SUBMENU), (64, 64, "Bronzewarenladen"), (65, 65, "Keramikladen"),
        (66, 66, "Nahrung"), (67, 67, "Hanfladen"), (68, 68, "Lackwarenladen"),
        (69, 69, "Seidenladen"), (70, 70, "Teeladen"), (71, 71, "Entertainment Area"),
        (72, 72, "Brunnen"), (73, 74, UNUSED), (75, 75, "Theaterpavillion"),
        (76, 76, "BUILD_TUMULUS"), (77, 77, "BUILD_GRAND_TUMULUS"),
        (78, 78, "BUILD_GREAT_TEMPLE"), (79, 79, "BUILD_SPLENDID_TEMPLE"),
        (80, 80, "BUILD_TEMPLE_COMPLEX"), (81, 81, "BUILD_GRAND_TEMPLE_COMPLEX"),
        (82, 82, "BUILD_LARGE_PALACE"), (83, 83, "BUILD_GRAND_CANAL_SECTION"),
        (84, 84, "BUILD_UNDERGROUND_VAULT"), (85, 85, "BUILD_UNUSED4"),
        (86, 86, "BUILD_UNUSED5"), (87, 88, SUBMENU),
        (89, 89, "Braune Wohngebietmauer "), (90, 90, "Hellbraune Wohngebietmauer"),
        (91, 91, "Graue Wohngebietmauer"), (92, 92, "BUILD_CLOCK_TOWER"),
        (93, 93, "BUILD_GRAND_PAGODA"), (94, 103, UNUSED),
        (104, 104, "Wohngebiettor braun"), (105, 105, "Wohngebiettor hellbraun"),
        (106, 106, "Wohngebiettor grau"), (107, 107, SUBMENU), (108, 109, UNUSED),
        (110, 110, "Palast"), (111, 111, "Grosser Weg"), (112, 112, UNUSED),
        (113, 113, "Kaiserlicher Weg"), (114, 114, UNUSED), (115, 115, "Gärten"),
        (116, 116, "Soldaten-Skulptur"), (117, 117, "Quirin-Skulptur"),
        (118, 118, "Blühender Pflaumenbaum"), (119, 119, "Runder Strassenpavillion"),
        (120, 120, "Teich mit Brücke"), (121, 121, "Tai Chi Park"),
        (122, 122, "Privater Garten"), (123, 123, "Brücke"),
        (124, 124, "Inspektorenturm"), (125, 125, "Steuerbüro"),
        (126, 126, "Sperre setzen"), (127, 127, "Wachturm"), (128, 128, UNUSED),
        (129, 129, "Stadtmauer"), (130, 130, "Stadttor"), (131, 131, "Turm"),
        (132, 137, SUBMENU), (138, 138, "Stone Quarry (terrain)"),
        (139, 139, "Lightning"), (140, 148, UNUSED), (149, 149, SUBMENU),
        (150, 150, "Half Slope"), (151, 151, UNUSED), (152, 152, "Flood"),
        (153, 156, " ** SPECIAL ** "), (157, 159, UNUSED), (160, 160, "** SPECIAL **"),
        (161, 161, "Ruin"),
    ]
    for first, last, name in listed:
        put(first, last, name)
    for offset, suffix in enumerate(MAP_NAMES):
        names[162 + offset] = "BUILD_MAP_" + suffix
    listed = [
        (192, 192, "Hanffarm"), (193, 193, "Bauernhaus"), (194, 194, "Hanffeld"),
        (195, 195, "Weizenfeld"), (196, 196, "Hirsefeld"), (197, 197, "Reisfeld"),
        (198, 198, "Kohlfeld"), (199, 199, "Sojabohnenfeld"), (200, 201, SUBMENU),
        (202, 202, "Bewässerungsgraben"), (203, 203, "Bewässerungspumpe"),
        (204, 206, SUBMENU), (207, 207, "Kräuterstand"), (208, 208, "Akupunkturklinik"),
        (209, 209, "Verwaltungszentrum"), (210, 210, "Fähre"),
        (211, 211, "Musikschule"), (212, 212, "Akrobatenschule"),
        (213, 213, "Schauspielschule"), (214, 214, "Ahnen-Schrein"),
        (215, 215, "Taoisten Schrein"), (216, 216, "Taoisten Tempel"),
        (217, 217, "Buddisten Schrein"), (218, 218, "Buddisten Pagode"),
        (219, 219, "Konfuzianische Akademie"), (220, 220, "Armbrustschützen Fort"),
        (221, 221, "Infantrie Fort"), (222, 222, SUBMENU), (223, 223, "Katapult Fort"),
        (224, 224, "Kavallerie Fort"), (225, 225, "Wagenlenker Fort"),
        (226, 226, "Waffenschmiede"), (227, 228, UNUSED), (229, 230, SUBMENU),
        (231, 231, "Rote Wohngebietmauer"), (232, 232, "Wohngebiettor rot"),
        (233, 233, "Arbeiterlager"), (234, 234, SUBMENU), (235, 235, "Maurergilde"),
        (236, 236, "Keramikergilde"), (237, 237, "Teesammelstelle"),
        (238, 238, "Lackveredelung"), (239, 239, "Seidenraupenhütte"),
        (240, 242, SUBMENU), (243, 243, "Frauen-Skulptur"),
        (244, 244, "Gelehrten-Skulptur"), (245, 245, "Adels-Skulptur"),
        (246, 246, "Löwen-Skulptur "), (247, 247, "Drachen-Skulptur"),
        (248, 248, "Hunde-Skulptur"), (249, 249, "Blühender Pfirsichbaum"),
        (250, 250, "Blühender Kirschbaum"),
        (251, 251, "Quadratischer Strassenpavillion"), (252, 252, "Naturteich"),
    ]
    for first, last, name in listed:
        put(first, last, name)
    for number in range(253, 269):
        names[number] = "BUILD_GREAT_WALL_%02d" % (number - 252)
    assert sorted(names) == list(range(269)), "every row number needs a name"
    return [names[number] for number in range(269)]


def gets_zero_values(name):
    return name.strip() in (SUBMENU, UNUSED, "** SPECIAL **") or name.startswith("BUILD_")


def values_of(number, name):
    if number in SHIPPED_VALUES:
        return SHIPPED_VALUES[number]
    if gets_zero_values(name):
        assert number not in ESTIMATED_VALUES, "row %d must carry zeros" % number
        return ZERO_VALUES
    return ESTIMATED_VALUES[number]


def building_row(number, name, values):
    fields = values.split()
    assert len(fields) == 13, "row %d needs thirteen values" % number
    head = "%d,%s,{,%s,}," % (number, name, ",".join(fields))
    return head + "," * (BUILDING_COMMAS - head.count(","))


def model_lines():
    names = building_names()
    unused_estimates = set(ESTIMATED_VALUES) - set(range(269))
    assert not unused_estimates, unused_estimates
    lines = ["BUILDING MODS"]
    lines += [row + "," * (BUILDING_COMMAS - row.count(",")) for row in BUILDING_MODIFIERS]
    lines.append("ALL BUILDINGS")
    lines += [building_row(n, names[n], values_of(n, names[n])) for n in range(269)]
    lines.append("HOUSE MODS")
    lines += HOUSE_MODIFIERS
    lines.append("ALL HOUSES")
    lines += HOUSES
    return lines


def check(lines):
    assert len(lines) == 298, len(lines)
    for index, header in ((0, "BUILDING MODS"), (6, "ALL BUILDINGS"), (276, "HOUSE MODS"), (282, "ALL HOUSES")):
        assert lines[index] == header, (index, lines[index])
    for index in list(range(1, 6)) + list(range(7, 276)):
        assert lines[index].count(",") == BUILDING_COMMAS, index
    for index in list(range(277, 282)) + list(range(283, 298)):
        expected = HOUSE_COMMAS - 1 if lines[index].startswith("Elegantes Haus,") else HOUSE_COMMAS
        assert lines[index].count(",") == expected, index
    assert lines[275].startswith("268,BUILD_GREAT_WALL_16,{,0,0,0,0,0,0,0,0,0,0,0,0,0,},")
    for index, line in enumerate(lines):
        # The editor keeps at most 150 characters after the first comma.
        assert len(line) - line.find(",") - 1 <= 150, index
        strange = set(ch for ch in line if ord(ch) > 127) - ALLOWED_NON_ASCII
        assert not strange, (index, strange)
        assert "\r" not in line and "\n" not in line


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "resources", "model", "EmperorBuildingModels.txt")
    target = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    lines = model_lines()
    check(lines)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    with open(target, "wb") as out:
        out.write(data)
    print("%s: %d lines, %d bytes" % (target, len(lines), len(data)))


if __name__ == "__main__":
    main()
