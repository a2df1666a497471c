#include "elementrecord.h"

#include <gtest/gtest.h>

namespace {

ElementRecord recordOf(std::initializer_list<const char*> leading)
{
    ElementRecord record;
    int k = 0;
    for (const char* text : leading)
        record.slot[k++] = QString::fromUtf8(text);
    return record;
}

const char kSteinhauer[] =
    "36,Steinhauerlager,{,120,-30,1,4,8,15,0,15,0,0,0,250,1,},,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";

TEST(TrimText, RemovesEveryCharacterUpToSpaceAtBothEndsOnly)
{
    EXPECT_EQ(TrimText(QString::fromUtf8(" \t\x01 a b\r\n\x1F")), QStringLiteral("a b"));
    EXPECT_EQ(TrimText(QStringLiteral("   ")), QString());
    // No-break space and other Unicode spaces are text, not blanks.
    const QString unicodeSpaces = QStringView(u"\u00A0x\u2003").toString();
    EXPECT_EQ(TrimText(unicodeSpaces), unicodeSpaces);
}

TEST(SplitRow, CutsOnlyCommaTerminatedFields)
{
    struct Case {
        const char* row;
        ElementRecord expected;
    };
    const Case cases[] = {
        {"BUILDING MODS", ElementRecord()},
        {"", ElementRecord()},
        {"erstes,zweites", recordOf({"erstes"})},
        {",,x,", recordOf({"", "", "x"})},
        {kSteinhauer, recordOf({"36", "Steinhauerlager", "{", "120", "-30", "1", "4", "8", "15", "0", "15", "0",
                                "0", "0", "250", "1", "}"})},
        // Slots keep their spaces.
        {"Geräumiges Haus, {,10,", recordOf({"Geräumiges Haus", " {", "10"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitRow(QString::fromUtf8(c.row)), c.expected) << c.row;
}

TEST(SplitRow, KeepsWhatFollowsTheThirtyFirstField)
{
    QString row;
    for (int k = 0; k < 33; ++k)
        row += QString::number(k) + u',';
    row += QStringLiteral("tail");
    QString remainder;
    const ElementRecord record = SplitRow(row, &remainder);
    EXPECT_EQ(record.slot[0], QStringLiteral("0"));
    EXPECT_EQ(record.slot[30], QStringLiteral("30"));
    EXPECT_EQ(remainder, QStringLiteral("31,32,tail"));
}

TEST(SplitRow, CutsLaterSlotsFromTheFirst150CharactersAfterTheFirstComma)
{
    // Slot 0 is never shortened; after it only 150 characters count.
    const QString name(200, u'n');
    const QString longField(148, u'x');  // "x...x," is 149 characters, so "ab," is cut to "a"
    const QString row = name + u',' + longField + QStringLiteral(",ab,cd,");
    const ElementRecord record = SplitRow(row);
    EXPECT_EQ(record.slot[0], name);
    EXPECT_EQ(record.slot[1], longField);
    EXPECT_EQ(record.slot[2], QString()) << "the field past the cut has lost its comma";
    EXPECT_EQ(record.slot[3], QString());
}

TEST(JoinRow, TrimsEverySlotAndWritesExactly31Commas)
{
    EXPECT_EQ(JoinRow(ElementRecord()), QString(31, u','));
    EXPECT_EQ(JoinRow(recordOf({" a ", " {", "\t1\r"})), QStringLiteral("a,{,1,") + QString(28, u','));
    EXPECT_EQ(JoinRow(SplitRow(QString::fromLatin1(kSteinhauer))),
              QStringLiteral("36,Steinhauerlager,{,120,-30,1,4,8,15,0,15,0,0,0,250,1,},,,,,,,,,,,,,,,"));
}

TEST(RowFitsRecord, AcceptsShippedAndRewrittenRowsAndRejectsDroppedText)
{
    QString thirtyThreeFields;
    for (int k = 0; k < 33; ++k)
        thirtyThreeFields += QStringLiteral("1,");
    const QString longTail = QStringLiteral("1,") + QString(160, u'x') + u',';
    const QString longEmptyTail = QStringLiteral("1,") + QString(200, u',');
    struct Case {
        QString row;
        bool fits;
    };
    const Case cases[] = {
        {QString::fromLatin1(kSteinhauer), true},
        {JoinRow(SplitRow(QString::fromLatin1(kSteinhauer))), true},
        {QStringLiteral("Elegantes Haus,{,18,30,1,1,0,1,0,0,50,1,1,0,0,0,12,0,0,52,0,0,5,1,0,0,,,,,,"), true},
        {QStringLiteral("Geräumiges Haus, {,10,"), true},
        {QStringLiteral("BUILDING MODS"), false},  // text without a comma is never kept
        {QStringLiteral("a,b,   "), true},          // blanks after the last comma are no field
        {QStringLiteral("a,b,7"), false},           // text after the last comma
        {QString(31, u',') + QStringLiteral(" ,"), true},
        {thirtyThreeFields, false},                 // fields past slot 30
        {QString(31, u',') + QStringLiteral("9,"), false},
        {longTail, false},                          // past the 150-character cut
        {longEmptyTail, true},                      // only empty fields past the cut
        {QString(), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowFitsRecord(c.row), c.fits) << qPrintable(c.row.left(60));
}

}  // namespace
