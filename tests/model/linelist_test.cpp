#include "diskfiles.h"
#include "linelist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const char* text)
{
    return QByteArray(text);
}

QByteArray readBack(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

TEST(LineListWindows1252, EveryByteSurvivesReadAndWrite)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all.append(char(b));
    }
    const LineList list = LineList::fromBytes(all);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(list.at(0).size(), all.size());
    EXPECT_EQ(list.toBytes(), all + "\r\n");
}

TEST(LineListWindows1252, DecodesTheGermanLettersAndTheHighControls)
{
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {
        {0xDC, u'Ü'}, {0xE4, u'ä'}, {0xF6, u'ö'}, {0xFC, u'ü'}, {0xDF, u'ß'},
        {0x80, u'€'}, {0x8A, u'Š'}, {0x9F, u'Ÿ'}, {0x96, u'–'}, {0x81, 0x0081},
    };
    for (const Case& c : cases) {
        const QByteArray byte(1, char(c.byte));
        const QString text = decodeWindows1252(byte);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text.at(0).unicode(), c.character) << int(c.byte);
        EXPECT_EQ(encodeWindows1252(text), byte) << int(c.byte);
    }
}

TEST(LineListWindows1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(encodeWindows1252(u"a\u4E2Db"), QByteArray("a?b"));
}

struct LineEndCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const LineEndCase& c, std::ostream* out)
{
    *out << c.name;
}

class LineListLineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineListLineEnds, SplitsAtEveryLineEndAndWritesCrLf)
{
    const LineEndCase& c = GetParam();
    const LineList list = LineList::fromBytes(c.bytes);
    EXPECT_EQ(list.lines(), c.lines);
    QByteArray expected;
    for (const QString& line : c.lines)
        expected += line.toLatin1() + "\r\n";
    EXPECT_EQ(list.toBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineListLineEnds,
    testing::Values(LineEndCase{"Empty", bytesOf(""), {}},
                    LineEndCase{"CrLf", bytesOf("a\r\nb\r\n"), {"a", "b"}},
                    LineEndCase{"LfOnly", bytesOf("a\nb\n"), {"a", "b"}},
                    LineEndCase{"CrOnly", bytesOf("a\rb\r"), {"a", "b"}},
                    LineEndCase{"Mixed", bytesOf("a\r\nb\nc\rd"), {"a", "b", "c", "d"}},
                    LineEndCase{"NoFinalLineEnd", bytesOf("a\r\nlast"), {"a", "last"}},
                    LineEndCase{"OnlyALineEnd", bytesOf("\r\n"), {""}},
                    LineEndCase{"EmptyLinesKept", bytesOf("a\r\n\r\n\nb\r\n"), {"a", "", "", "b"}},
                    LineEndCase{"CrBeforeCrLf", bytesOf("a\r\r\nb"), {"a", "", "b"}},
                    LineEndCase{"LfCrIsTwoEnds", bytesOf("a\n\rb"), {"a", "", "b"}}),
    [](const testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

struct MarkCase {
    const char* name;
    QByteArray bytes;
    TextEncoding encoding;
};

void PrintTo(const MarkCase& c, std::ostream* out)
{
    *out << c.name;
}

class LineListByteOrderMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(LineListByteOrderMarks, SelectsTheEncodingDropsTheMarkAndWritesItBack)
{
    const MarkCase& c = GetParam();
    const LineList list = LineList::fromBytes(c.bytes);
    EXPECT_EQ(list.encoding(), c.encoding);
    EXPECT_EQ(list.lines(), (QStringList{QStringLiteral("Grüße"), QStringLiteral("Ü")}));
    // Written with CR LF line ends, so the fixtures already use them.
    EXPECT_EQ(list.toBytes(), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineListByteOrderMarks,
    testing::Values(
        MarkCase{"Utf8", QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\n\xC3\x9C\r\n"), TextEncoding::Utf8},
        MarkCase{"Utf16LE",
                 QByteArray("\xFF\xFEG\0r\0\xFC\0\xDF\0e\0\r\0\n\0\xDC\0\r\0\n\0", 22),
                 TextEncoding::Utf16LE},
        MarkCase{"Utf16BE",
                 QByteArray("\xFE\xFF\0G\0r\0\xFC\0\xDF\0e\0\r\0\n\0\xDC\0\r\0\n", 22),
                 TextEncoding::Utf16BE},
        MarkCase{"Windows1252", QByteArray("Gr\xFC\xDF" "e\r\n\xDC\r\n"), TextEncoding::Windows1252}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST(LineList, ACharacterLikeTheMarkAfterTheMarkIsText)
{
    const QByteArray utf8("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n");
    const QByteArray utf16("\xFF\xFE\xFF\xFEx\0\r\0\n\0", 10);
    for (const QByteArray& bytes : {utf8, utf16}) {
        const LineList list = LineList::fromBytes(bytes);
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.at(0), QStringView(u"\uFEFFx").toString());
        EXPECT_EQ(list.toBytes(), bytes);
    }
}

TEST(LineList, BrokenUnicodeTextReadsWithoutCrashing)
{
    const QByteArray cases[] = {
        QByteArray("\xFF\xFEx\0y", 5),           // odd length, little-endian
        QByteArray("\xFE\xFF\0x\0", 5),          // odd length, big-endian
        QByteArray("\xFF\xFE\x00\xD8\r\0", 6),   // lone surrogate
        QByteArray("\xFF\xFE", 2),               // the mark alone
        QByteArray("\xEF\xBB\xBF\xC3(\xFF\r\n"), // invalid UTF-8
    };
    for (const QByteArray& bytes : cases) {
        const LineList list = LineList::fromBytes(bytes);
        EXPECT_LE(list.count(), 2);
        const QByteArray written = list.toBytes();
        EXPECT_TRUE(written.startsWith(bytes.left(2)));
        // What was written reads back into the same lines.
        EXPECT_EQ(LineList::fromBytes(written).lines(), list.lines());
    }
}

TEST(LineListFiles, WritesTheFileWholeAndReadsItBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("lines.txt");
    DiskFiles files;
    LineList list;
    list.setLines({QStringLiteral("eins"), QStringLiteral("zwei ü")});
    QString error;
    ASSERT_TRUE(list.writeFile(files, path, &error)) << qPrintable(error);
    EXPECT_EQ(readBack(path), QByteArray("eins\r\nzwei \xFC\r\n"));

    LineList read;
    ASSERT_TRUE(read.readFile(files, path, &error)) << qPrintable(error);
    EXPECT_EQ(read, list);
}

TEST(LineListFiles, AFailedReadNamesTheFileAndKeepsTheList)
{
    QTemporaryDir folder;
    DiskFiles files;
    LineList list;
    list.setLines({QStringLiteral("bleibt")});
    QString error;
    const QString path = folder.filePath("fehlt.txt");
    EXPECT_FALSE(list.readFile(files, path, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << qPrintable(error);
    EXPECT_EQ(list.lines(), QStringList{QStringLiteral("bleibt")});
}

TEST(LineListFiles, AFailedWriteNamesTheFileAndTheReason)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath("kein-ordner"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DiskFiles files;
    LineList list;
    list.setLines({QStringLiteral("x")});
    QString error;
    const QString path = folder.filePath("kein-ordner/lines.txt");
    EXPECT_FALSE(list.writeFile(files, path, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << qPrintable(error);
    EXPECT_GT(error.size(), QDir::toNativeSeparators(path).size() + 40) << "the reason is missing: " << qPrintable(error);
}

TEST(LineListResources, AMissingItemIsAnErrorNotAnEmptyList)
{
    LineList list;
    list.setLines({QStringLiteral("bleibt")});
    QString error;
    EXPECT_FALSE(list.readResource(QStringLiteral("RT_RCDATA"), QStringLiteral("GibtEsNicht"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("GibtEsNicht")));
    EXPECT_EQ(list.count(), 1);
}

}  // namespace
