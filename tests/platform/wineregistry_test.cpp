#include "wineregistry.h"

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe");

// A hive as real Wine writes it, with a neighbouring key that must not leak.
QByteArray hiveWith(const QByteArray& pathLine)
{
    return QByteArray("WINE REGISTRY Version 2\n"
                      ";; All keys relative to \\\\Machine\n"
                      "\n"
                      "#arch=win32\n"
                      "\n"
                      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.ex] 1765370000\n"
                      "#time=1dc69e1a3b5c7e0\n"
                      "\"Path\"=\"C:\\\\Wrong\\\\\"\n"
                      "\n"
                      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1765370000\n"
                      "#time=1dc69e1a3b5c7e0\n"
                      "@=\"C:\\\\Games\\\\Der erste Kaiser\\\\Emperor.exe\"\n")
        + pathLine
        + "\n\n[Software\\\\Other] 1765370000\n\"Path\"=\"C:\\\\Other\\\\\"\n";
}

struct DataCase {
    const char* line;
    WineRegistryValue::Type type;
    QString text;
};

class WineRegistryDataTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(WineRegistryDataTest, DecodesTypeAndEscapes)
{
    const DataCase& c = GetParam();
    const WineRegistryValue value = WineRegistry::Find(hiveWith(c.line), kKey, QStringLiteral("Path"));
    EXPECT_EQ(value.type, c.type) << c.line;
    EXPECT_EQ(value.text, c.text) << c.line;
}

using Type = WineRegistryValue::Type;

INSTANTIATE_TEST_SUITE_P(
    Values, WineRegistryDataTest,
    ::testing::Values(
        DataCase{R"("Path"="C:\\Games\\Der erste Kaiser\\")", Type::String, u"C:\\Games\\Der erste Kaiser\\"_qs},
        // Wine writes "Größe": ö as \xf6, ß as \x00df because a hex digit follows.
        DataCase{R"("Path"="C:\\Gr\xf6\x00dfe\\")", Type::String, u"C:\\Größe\\"_qs},
        DataCase{R"("Path"="a\"b\tc\nd\re\\f")", Type::String, u"a\"b\tc\nd\re\\f"_qs},
        DataCase{R"("Path"="\a\b\v\f\e")", Type::String, QString::fromUtf16(u"\a\b\v\f\x1b")},
        DataCase{R"("Path"="oct\101\60x")", Type::String, u"octA0x"_qs},
        DataCase{R"("Path"="\x41BCDE")", Type::String, QString(QChar(0x41BC)) + u"DE"_qs},
        DataCase{R"("Path"="\xq\q")", Type::String, u"xqq"_qs},
        DataCase{R"("Path"="C:\\Games\0rest")", Type::String, u"C:\\Games"_qs},
        DataCase{R"("Path"="")", Type::String, QString()},
        DataCase{R"("Path"=str:"C:\\A")", Type::String, u"C:\\A"_qs},
        DataCase{R"("Path"=str(2):"%ProgramFiles%\\Game")", Type::ExpandString, u"%ProgramFiles%\\Game"_qs},
        DataCase{R"("Path"=dword:00000001)", Type::Other, QString()},
        DataCase{R"("Path"=hex:43,00,3a,00)", Type::Other, QString()},
        DataCase{R"("Path"=hex(2):43,00,3a,00)", Type::Other, QString()},
        DataCase{R"("Path"=str(7):"a\0b\0")", Type::Other, QString()},
        DataCase{R"("path" = "C:\\spaced")", Type::String, u"C:\\spaced"_qs},
        DataCase{"\"Path\"=\"C:\\\\crlf\"\r", Type::String, u"C:\\crlf"_qs},
        // Wine skips a line it cannot parse; so do we.
        DataCase{R"("Path"="unterminated)", Type::Missing, QString()},
        DataCase{R"("Pathx"="C:\\A")", Type::Missing, QString()}));

TEST(WineRegistryTest, KeyAndValueNamesIgnoreAsciiCaseOnly)
{
    const QByteArray hive = hiveWith(R"("PATH"="C:\\A\\")");
    EXPECT_EQ(WineRegistry::Find(hive, kKey.toLower(), QStringLiteral("path")).text, u"C:\\A\\"_qs);
    EXPECT_EQ(WineRegistry::Find(hive, kKey, QString()).text, u"C:\\Games\\Der erste Kaiser\\Emperor.exe"_qs);

    // Non-ASCII letters are compared exactly.
    const QByteArray umlautKey("[Software\\\\\\xc4pfel] 1\n\"V\"=\"x\"\n");
    EXPECT_EQ(WineRegistry::Find(umlautKey, u"SOFTWARE\\Äpfel"_qs, u"v"_qs).type, Type::String);
    EXPECT_EQ(WineRegistry::Find(umlautKey, u"SOFTWARE\\äpfel"_qs, u"v"_qs).type, Type::Missing);
}

TEST(WineRegistryTest, ValuesOfOtherKeysAndEmptyFilesAreMissing)
{
    const QByteArray hive = hiveWith("");
    EXPECT_EQ(WineRegistry::Find(hive, kKey, QStringLiteral("Path")).type, Type::Missing);
    EXPECT_EQ(WineRegistry::Find(QByteArray(), kKey, QStringLiteral("Path")).type, Type::Missing);
    EXPECT_EQ(WineRegistry::Find(QByteArray("\x00\xff[\n\"", 5), kKey, QStringLiteral("Path")).type, Type::Missing);
}

TEST(WineRegistryTest, TypeTagNamesTheStoredType)
{
    const WineRegistryValue value = WineRegistry::Find(hiveWith(R"("Path"=dword:00000001)"), kKey, u"Path"_qs);
    EXPECT_EQ(value.typeTag, u"dword"_qs);
}

TEST(WineRegistryTest, EscapedBracketsBelongToTheKeyName)
{
    const QByteArray hive("[Software\\\\A\\]B] 1\n\"V\"=\"x\"\n");
    EXPECT_EQ(WineRegistry::Find(hive, u"Software\\A]B"_qs, u"V"_qs).text, u"x"_qs);
}

}  // namespace
