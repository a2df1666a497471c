#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray block(const char* name)
{
    QFile file(QStringLiteral(":/RT_RCDATA/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

}  // namespace

TEST(TreeBlocks, EachHoldsOneLinePerNodeWithCrLfBetweenAndNoneAfterTheLast)
{
    for (const char* name : {"NodeTree", "NodeIndex", "NodeStatusIndex", "TreeImageIndex"}) {
        const QByteArray bytes = block(name);
        SCOPED_TRACE(name);
        EXPECT_EQ(bytes.count("\r\n"), 160);
        EXPECT_EQ(bytes.count('\r'), 160) << "no lone CR";
        EXPECT_EQ(bytes.count('\n'), 160) << "no lone LF";
        EXPECT_FALSE(bytes.endsWith('\n'));
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    }
}

TEST(TreeBlocks, NumberBlocksHoldPlainDecimalsAndTheSeedHoldsZeros)
{
    for (const char* name : {"NodeIndex", "NodeStatusIndex", "TreeImageIndex"}) {
        SCOPED_TRACE(name);
        const QList<QByteArray> lines = block(name).split('\n');
        ASSERT_EQ(lines.size(), 161);
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray line = i + 1 < lines.size() ? lines[i].chopped(1) : lines[i];
            bool ok = false;
            const int value = line.toInt(&ok);
            EXPECT_TRUE(ok && QByteArray::number(value) == line) << "line " << i << ": " << line.constData();
            if (QByteArray(name) == "TreeImageIndex") {
                EXPECT_EQ(value, 0);
            }
        }
    }
}

TEST(TreeBlocks, CaptionsAreWindows1252WithOneTabPerLevel)
{
    const QByteArray bytes = block("NodeTree");
    // "Bevölkerung" and "Ästhetik" in single bytes, not UTF-8.
    EXPECT_TRUE(bytes.startsWith("Bev\xF6lkerung\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n\xC4sthetik\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n\t\t\xDCppiges Siheyuan\r\n"));
    EXPECT_FALSE(bytes.contains("\xC3")) << "a UTF-8 lead byte";
    EXPECT_FALSE(bytes.contains(' ' + QByteArray("\t"))) << "indentation is TABs only";
    EXPECT_TRUE(bytes.endsWith("\r\n\tPlanieren"));
}
