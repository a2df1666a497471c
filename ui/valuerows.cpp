#include "valuerows.h"

#include <array>

namespace {

constexpr SlotSource none{};
constexpr SlotSource b(int slot) { return {SlotSource::Building, slot}; }
constexpr SlotSource h(int slot) { return {SlotSource::House, slot}; }

constexpr RowPanel P1 = RowPanel::Panel1;
constexpr RowPanel P2 = RowPanel::Panel2;
constexpr RowKind Num = RowKind::Number;
constexpr RowKind Acc = RowKind::Access;

// The names keep the letter case the window has always had; the lookup by
// name ignores the case of A-Z, so every row still resolves.
constexpr std::array<ValueRow, 27> kRows{{
    // Panel1, left column
    {u"Baukosten", u"BaukostenLabel", u"BaukostenEdit", u"BaukostenBtn", u"BaukostenPng", u"BaukostenUpD",
     P1, 0, 1, Num, 0, 5000, 10, b(3), none},
    {u"Steuern", u"SteuernLabel", u"SteuernEdit", u"SteuernBtn", u"SteuernPng", u"SteuernUpD",
     P1, 0, 2, Num, 0, 70, 25, none, h(20)},
    {u"Attraktivität", u"AttraktivitätLabel", u"AttraktivitätEdit", u"AttraktivitätBtn", u"AttraktivitätPng",
     u"AttraktivitätUpD", P1, 0, 3, Num, -100, 100, 1, b(4), b(4)},
    {u"Feuergefahr", u"FeuergefahrLabel", u"FeuergefahrEdit", u"FeuergefahrBtn", u"FeuergefahrPnG",
     u"FeuergefahrUpD", P1, 0, 4, Num, 0, 25, 1, b(9), b(9)},
    {u"Einsturzgefahr", u"EinsturzgefahrLabel", u"EinsturzgefahrEdit", u"EinsturzgefahrBtn",
     u"EinsturzgefahrPnG", u"EinsturzgefahrUpD", P1, 0, 5, Num, 0, 25, 1, b(10), b(10)},
    // Panel1, right column
    {u"Arbeiter", u"ArbeiterLabel", u"ArbeiterEdit", u"ArbeiterBtn", u"ArbeiterPng", u"ArbeiterUpD",
     P1, 1, 1, Num, 0, 500, 1, b(8), none},
    {u"Bewohner", u"BewohnerLabel", u"BewohnerEdit", u"BewohnerBtn", u"BewohnerPng", u"BewohnerUpD",
     P1, 1, 2, Num, 0, 500, 1, none, h(19)},
    {u"wirksame Reichweite", u"ReichweiteLabel", u"ReichweiteEdit", u"ReichweiteBtn", u"ReichweitePng",
     u"ReichweiteUpD", P1, 1, 3, Num, 0, 10, 1, b(7), b(7)},
    {u"Risikoverminderung", u"RisikoverminderungLabel", u"RisikoverminderungEdit", u"RisikoverminderungBtn",
     u"RisikoverminderungPnG", u"RisikoverminderungUpD", P1, 1, 4, Num, 0, 50, 1, b(12), b(12)},
    {u"FengShui", u"FengShuiLabel", u"FengShuiEdit", u"FengShuiBtn", u"FengShuiPnG", u"FengShuiUpD",
     P1, 1, 5, Num, 0, 10, 1, b(15), b(15)},
    // Panel2, left column
    {u"Rückentwicklung", u"RückentwicklungLabel", u"RückentwicklungEdit", u"RückentwicklungBtn",
     u"RückentwicklungPng", u"RückentwicklungUpD", P2, 0, 1, Num, -99, 100, 1, none, h(2)},
    {u"Weiterentwicklung", u"WeiterentwicklungLabel", u"WeiterentwicklungEdit", u"WeiterentwicklungBtn",
     u"WeiterentwicklungPng", u"WeiterentwicklungUpD", P2, 0, 2, Num, -99, 75, 1, none, h(3)},
    {u"Lebensmittelqualität", u"LebenmittelqualitätLabel", u"LebensmittelQualitätEdit",
     u"LebensmittelqualitätBtn", u"LebensmittelqualitätPng", u"LebensmittelQualitätUpD", P2, 0, 3, Num, 0, 70, 1,
     none, h(10)},
    {u"Wasserzugang", u"WasserzugangLabel", u"WasserzugangEdit", u"WasserzugangBtn", u"WasserzugangPng", u"",
     P2, 0, 4, Acc, 0, 0, 0, none, h(5)},
    {u"Ahnenzugang", u"AhnenzugangLabel", u"AhnenZugangEdit", u"AhnenzugangBtn", u"AhnenzugangPnG", u"",
     P2, 0, 5, Acc, 0, 0, 0, none, h(23)},
    {u"Hanfzugang", u"HanfzugangLabel", u"HanfzugangEdit", u"HanfzugangBtn", u"HanfzugangPnG", u"",
     P2, 0, 6, Acc, 0, 0, 0, none, h(11)},
    {u"Kräuterkundiger", u"KräuterzugangLabel", u"KräuterzugangEdit", u"KräuterzugangBtn",
     u"KräuterzugangPng", u"", P2, 0, 7, Acc, 0, 0, 0, none, h(4)},
    {u"Musikzugang", u"MusikzugangLabel", u"MusikzugangEdit", u"MusikzugangBtn", u"MusikzugangPng", u"",
     P2, 0, 8, Acc, 0, 0, 0, none, h(7)},
    {u"Keramikzugang", u"KeramikZugangLabel", u"KeramikzugangEdit", u"KeramikZugangBtn", u"KeramikzugangPnG",
     u"", P2, 0, 9, Acc, 0, 0, 0, none, h(12)},
    // Panel2, right column
    {u"Akupunkturzugang", u"AkupunkturzugangLabel", u"AkupunkturzugangEdit", u"AkupunkturzugangBtn",
     u"AkupunkturzugangPng", u"", P2, 1, 1, Acc, 0, 0, 0, none, h(6)},
    {u"Akrobatenzugang", u"AkrobatzugangLabel", u"AkrobatzugangEdit", u"AkrobatzugangBtn",
     u"AkrobatzugangPng", u"", P2, 1, 2, Acc, 0, 0, 0, none, h(8)},
    {u"Teezugang", u"TeezugangLabel", u"TeeZugangEdit", u"TeezugangBtn", u"TeezugangPnG", u"",
     P2, 1, 3, Acc, 0, 0, 0, none, h(13)},
    {u"Daoisten / Bhudisten", u"DaoistenBhudistenZugangLabel", u"DaoistenBhudistenZugangEdit",
     u"DaoistenBhudistenZugangBtn", u"DaoistenBhudistenZugangPnG", u"", P2, 1, 4, Acc, 0, 0, 0, none, h(25)},
    {u"Seidezugang", u"SeideZugangLabel", u"SeideZugangEdit", u"SeidezugangBtn", u"SeidezugangPng", u"",
     P2, 1, 5, Acc, 0, 0, 0, none, h(14)},
    {u"Bronze-/Lackware", u"BronzeLackWareZugangLabel", u"BronzeLackWareZugangEdit", u"BronzeLackWareZugangBtn",
     u"BronzeLackWareZugangPnG", u"", P2, 1, 6, Acc, 0, 0, 0, none, h(15)},
    {u"Konfuziuszugang", u"KonfuziuszugangLabel", u"KonfuziusZugangEdit", u"KonfuziusZugangBtn",
     u"KonfuziusZugangPng", u"", P2, 1, 7, Acc, 0, 0, 0, none, h(24)},
    {u"Theaterzugang", u"DramazugangLabel", u"DramazugangEdit", u"DramazugangBtn", u"DramazugangPng", u"",
     P2, 1, 8, Acc, 0, 0, 0, none, h(9)},
}};

}  // namespace

std::span<const ValueRow> valueRows()
{
    return kRows;
}
