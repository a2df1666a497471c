#include "diskfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Game folders copied from Windows media keep whatever case they came with.
TEST(DiskFilesFolderCaseTest, FoldersMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("game/model")));
    DiskFiles files;
    const QString wanted = dir.filePath("game/Model/TreeImage.Index");
    QString error;

    EXPECT_FALSE(files.exists(wanted));
    ASSERT_TRUE(files.write(wanted, "0\r\n", &error)) << qPrintable(error);
    EXPECT_TRUE(QFile::exists(dir.filePath("game/model/TreeImage.Index")));
    EXPECT_FALSE(QDir(dir.filePath("game/Model")).exists()) << "no second folder";

    EXPECT_TRUE(files.exists(dir.filePath("GAME/MODEL/treeimage.index")));
    QByteArray bytes;
    ASSERT_TRUE(files.read(dir.filePath("Game/Model/TREEIMAGE.INDEX"), &bytes, &error)) << qPrintable(error);
    EXPECT_EQ(bytes, "0\r\n");

    ASSERT_TRUE(files.move(wanted, dir.filePath("game/Model/TreeImage.bak")));
    EXPECT_TRUE(QFile::exists(dir.filePath("game/model/TreeImage.bak")));
    EXPECT_FALSE(files.exists(wanted));
}

TEST(DiskFilesFolderCaseTest, MissingFolderStaysAnErrorNamingThePath)
{
    QTemporaryDir dir;
    DiskFiles files;
    QString error;
    const QString path = dir.filePath("game/Model/EmperorBuildingModels.txt");
    EXPECT_FALSE(files.write(path, "x", &error));
    EXPECT_TRUE(error.contains(path)) << qPrintable(error);
    EXPECT_FALSE(QDir(dir.filePath("game")).exists());
}

}  // namespace
