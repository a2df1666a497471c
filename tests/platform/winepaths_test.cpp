#include "winepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A prefix as Wine lays it out: dosdevices/c: -> ../drive_c, d: dangling.
class WinePathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        prefix = dir.filePath("prefix");
        ASSERT_TRUE(QDir().mkpath(prefix + "/drive_c/Games/Der erste Kaiser/Model"));
        ASSERT_TRUE(QDir().mkpath(prefix + "/dosdevices"));
        ASSERT_TRUE(QFile::link("../drive_c", prefix + "/dosdevices/c:"));
        ASSERT_TRUE(QFile::link("../nowhere", prefix + "/dosdevices/d:"));
        driveC = QDir(prefix + "/drive_c").canonicalPath();
    }

    QTemporaryDir dir;
    QString prefix;
    QString driveC;
};

TEST_F(WinePathsTest, MapsDrivePathsThroughTheDriveLinkIgnoringCase)
{
    const QString game = driveC + "/Games/Der erste Kaiser/";
    struct Case {
        QString windowsPath;
        QString expected;
    };
    const Case cases[] = {
        {u"C:\\Games\\Der erste Kaiser\\"_qs, game},
        {u"C:\\Games\\Der erste Kaiser"_qs, game},
        {u"c:\\GAMES\\der ERSTE kaiser"_qs, game},
        {u"C:/Games//Der erste Kaiser/"_qs, game},
        {u"C:\\Games\\.\\Spiele\\..\\Der erste Kaiser"_qs, game},
        {u"C:\\..\\..\\Games\\Der erste Kaiser"_qs, game},
        {u"C:\\"_qs, driveC + "/"},
        {u"C:"_qs, driveC + "/"},
        // A folder that does not exist keeps the spelling it was given.
        {u"C:\\games\\Neu\\"_qs, driveC + "/Games/Neu/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinePaths::HostFolderOf(prefix, c.windowsPath), c.expected) << qPrintable(c.windowsPath);
}

TEST_F(WinePathsTest, HostPathsStayAsTheyAre)
{
    EXPECT_EQ(WinePaths::HostFolderOf(prefix, u"/opt/Der erste Kaiser"_qs), u"/opt/Der erste Kaiser/"_qs);
    EXPECT_EQ(WinePaths::HostFolderOf(prefix, u"/opt/Game/"_qs), u"/opt/Game/"_qs);
}

TEST_F(WinePathsTest, UnmappablePathsGiveEmptyText)
{
    for (const QString& path : {u"D:\\Games"_qs, u"E:\\Games"_qs, u"Games\\Der erste Kaiser"_qs,
                                u"\\\\server\\share\\Games"_qs, u"C:Games"_qs, u"1:\\Games"_qs, QString()})
        EXPECT_EQ(WinePaths::HostFolderOf(prefix, path), QString()) << qPrintable(path);
}

TEST_F(WinePathsTest, ExactSpellingWinsOverOtherCase)
{
    ASSERT_TRUE(QDir().mkpath(driveC + "/games"));
    EXPECT_EQ(WinePaths::MatchEntryCase(driveC, u"games"_qs), u"games"_qs);
    EXPECT_EQ(WinePaths::MatchEntryCase(driveC, u"Games"_qs), u"Games"_qs);
    EXPECT_EQ(WinePaths::MatchEntryCase(driveC, u"GAMES"_qs), u"Games"_qs);  // first in name order
}

}  // namespace
