#include "elementrecord.h"
#include "embeddedmodel.h"
#include "linelist.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

constexpr int kFirstBuildingLine = 7;
constexpr int kBuildingRows = 269;

TEST(EmbeddedModel, BothItemsCarryTheSameBytes)
{
    const QByteArray pristine = EmbeddedModelBytes("NewModell");
    EXPECT_FALSE(pristine.isEmpty());
    EXPECT_EQ(EmbeddedModelBytes("DE_Modell"), pristine);
}

TEST(EmbeddedModel, IsWindows1252WithCrLfAfterEveryLine)
{
    const QByteArray bytes = EmbeddedModelBytes();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.startsWith("\xFF\xFE"));
    EXPECT_FALSE(bytes.startsWith("\xFE\xFF"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 298);
    EXPECT_EQ(bytes.count('\r'), 298);
    EXPECT_EQ(bytes.count('\n'), 298);
    // The only letters beyond ASCII are Ü, ä, ö and ü.
    const QSet<char> allowed{'\xDC', '\xE4', '\xF6', '\xFC'};
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            EXPECT_TRUE(allowed.contains(byte)) << int(static_cast<unsigned char>(byte));
        }
    }
}

TEST(EmbeddedModel, ReadAndWrittenBackReproducesItsBytes)
{
    const QByteArray bytes = EmbeddedModelBytes();
    const LineList model = LineList::fromBytes(bytes);
    EXPECT_EQ(model.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(model.toBytes(), bytes);
}

TEST(EmbeddedModel, HasTheSectionLayout)
{
    const LineList model = EmbeddedModel();
    ASSERT_EQ(model.count(), 298);
    EXPECT_EQ(model.at(0), QStringLiteral("BUILDING MODS"));
    EXPECT_EQ(model.at(6), QStringLiteral("ALL BUILDINGS"));
    EXPECT_EQ(model.at(276), QStringLiteral("HOUSE MODS"));
    EXPECT_EQ(model.at(282), QStringLiteral("ALL HOUSES"));
    EXPECT_TRUE(model.at(275).startsWith(QStringLiteral("268,BUILD_GREAT_WALL_16,{,0,0,0,0,0,0,0,0,0,0,0,0,0,},")));
    EXPECT_TRUE(model.at(297).startsWith(QStringLiteral("Himmlisches Anwesen,")));
}

TEST(EmbeddedModel, RowsHaveTheirFieldCountsAndBuildingRowsTheirNumbers)
{
    const LineList model = EmbeddedModel();
    ASSERT_EQ(model.count(), 298);
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ(model.at(line).count(u','), 72) << line;
    for (int number = 0; number < kBuildingRows; ++number) {
        const int line = kFirstBuildingLine + number;
        const QString& row = model.at(line);
        EXPECT_EQ(row.count(u','), 72) << line;
        const ElementRecord record = SplitRow(row);
        EXPECT_EQ(record.slot[0], QString::number(number)) << line;
        EXPECT_EQ(record.slot[2], QStringLiteral("{")) << line;
        EXPECT_EQ(record.slot[16], QStringLiteral("}")) << line;
        for (int k = 3; k <= 15; ++k) {
            bool isNumber = false;
            record.slot[k].toInt(&isNumber);
            EXPECT_TRUE(isNumber) << line << " slot " << k;
        }
        for (int k = 17; k < ElementRecord::kSlotCount; ++k)
            EXPECT_TRUE(record.slot[k].isEmpty()) << line << " slot " << k;
    }
    for (int line = 277; line < 298; ++line) {
        if (line == 282)
            continue;
        const int expected = model.at(line).startsWith(QStringLiteral("Elegantes Haus,")) ? 31 : 32;
        EXPECT_EQ(model.at(line).count(u','), expected) << line;
    }
    // Every row fits the 31 slots whole, so storing it drops nothing.
    for (int line = 0; line < model.count(); ++line) {
        if (model.at(line).contains(u',')) {
            EXPECT_TRUE(RowFitsRecord(model.at(line))) << line;
        }
    }
}

TEST(EmbeddedModel, CarriesTheShippedRowsVerbatim)
{
    const LineList model = EmbeddedModel();
    ASSERT_EQ(model.count(), 298);
    const QString emptyBuildingFields(55, u',');
    const struct {
        int line;
        const char* head;
    } buildingRows[] = {
        {1, "0,Very Easy Modifiers,{,50,100,100,100,100,100,50,50,100,100,100,100,100,},"},
        {3, "2,Normal Modifier,{,100,100,100,100,100,100,100,100,100,100,100,100,100,},"},
        {5, "4,Very Hard Modifiers,{,150,100,100,100,100,100,150,150,100,100,100,100,100,},"},
        {9, "2,Einfache Wohnung Bauplatz,{,15,0,0,0,0,0,0,0,0,0,0,200,4,},"},
        {10, "3,H100,{,0,0,0,0,0,0,18,11,0,0,0,200,4,},"},
        {17, "10,H107,{,0,0,0,0,0,0,11,16,0,0,0,200,4,},"},
        {19, "12,H108,{,0,-4,1,1,4,0,16,20,0,0,0,400,3,},"},
        {24, "17,H113,{,0,8,2,-2,4,0,10,16,0,0,0,400,3,},"},
        {43, "36,Steinhauerlager,{,120,-30,1,4,8,15,0,15,0,0,0,250,1,},"},
        {79, "72,Brunnen,{,25,4,2,-2,4,4,0,8,0,0,40,200,3,},"},
        {117, "110,Palast,{,250,18,3,-3,12,30,5,8,0,0,2500,2000,3,},"},
        {131, "124,Inspektorenturm,{,16,-2,1,1,2,5,5,4,0,50,50,300,1,},"},
        {200, "193,Bauernhaus,{,50,-3,1,1,3,22,0,0,0,0,0,250,3,},"},
        {275, "268,BUILD_GREAT_WALL_16,{,0,0,0,0,0,0,0,0,0,0,0,0,0,},"},
    };
    for (const auto& row : buildingRows)
        EXPECT_EQ(model.at(row.line), QString::fromUtf8(row.head) + emptyBuildingFields) << row.line;

    const struct {
        int line;
        const char* text;
    } houseRows[] = {
        {277, "Very Easy Modifiers,{,-5,-5,0,0,0,0,0,0,0,0,0,0,0,0,-5,0,0,0,0,0,-5,0,0,0,,,,,,,"},
        {281, "Very Hard Modifiers,{,8,8,0,0,0,0,0,0,0,0,0,0,0,0,8,0,0,0,0,0,8,0,0,0,,,,,,,"},
        {283, "Unterstand,{,-99,-10,0,0,0,0,0,0,0,0,0,0,0,0,17,10,0,7,0,0,20,0,0,0,,,,,,,"},
        {287, "Geräumiges Haus, {,10,22,1,1,0,1,0,0,30,1,0,0,0,0,13,0,0,41,1,0,10,1,0,0,,,,,,,"},
        {288, "Elegantes Haus,{,18,30,1,1,0,1,0,0,50,1,1,0,0,0,12,0,0,52,0,0,5,1,0,0,,,,,,"},
        {291, "Gehobene Wohnung Bauplatz,{,-99,40,0,0,0,0,0,0,0,0,0,0,0,0,-20,0,0,0,0,0,-100,0,0,0,,,,,,,"},
        {294, "Üppiges Siheyuan,{,45,60,1,0,0,1,1,0,50,1,1,0,1,0,-20,0,0,10,18,0,0,1,0,0,,,,,,,"},
        {297, "Himmlisches Anwesen,{,75,100,1,0,1,1,1,1,70,1,1,1,1,1,-20,0,0,25,24,0,0,1,1,1,,,,,,,"},
    };
    for (const auto& row : houseRows)
        EXPECT_EQ(model.at(row.line), QString::fromUtf8(row.text)) << row.line;
}

TEST(EmbeddedModel, NamesKeepTheirSpacesAndPlaceholderRowsHoldZeros)
{
    const LineList model = EmbeddedModel();
    ASSERT_EQ(model.count(), 298);
    const struct {
        int number;
        const char* name;
    } names[] = {
        {0, "BUILD_NOTHING"}, {11, "Gehobene Wohnung Bauplatz"}, {18, "(submenu)"}, {23, "Planieren"},
        {89, "Braune Wohngebietmauer "}, {120, "Teich mit Brücke"}, {123, "Brücke"},
        {153, " ** SPECIAL ** "}, {156, " ** SPECIAL ** "}, {160, "** SPECIAL **"}, {162, "BUILD_MAP_DIRT"},
        {191, "BUILD_MAP_DISEMBARK_POINT"}, {220, "Armbrustschützen Fort"}, {239, "Seidenraupenhütte"},
        {246, "Löwen-Skulptur "}, {253, "BUILD_GREAT_WALL_01"}, {268, "BUILD_GREAT_WALL_16"},
    };
    for (const auto& entry : names)
        EXPECT_EQ(SplitRow(model.at(kFirstBuildingLine + entry.number)).slot[1], QString::fromUtf8(entry.name))
            << entry.number;

    int placeholders = 0;
    for (int number = 0; number < kBuildingRows; ++number) {
        const ElementRecord record = SplitRow(model.at(kFirstBuildingLine + number));
        const QString name = TrimText(record.slot[1]);
        const bool placeholder = name == QLatin1String("(submenu)") || name == QLatin1String("** unused **") ||
                                 name == QLatin1String("** SPECIAL **") || name.startsWith(QLatin1String("BUILD_"));
        if (!placeholder)
            continue;
        ++placeholders;
        for (int k = 3; k <= 15; ++k)
            EXPECT_EQ(record.slot[k], QStringLiteral("0")) << number << " slot " << k;
    }
    EXPECT_GT(placeholders, 100);
}

}  // namespace
