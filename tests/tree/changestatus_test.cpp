#include "changestatus.h"
#include "diskfiles.h"
#include "treebuilder.h"
#include "treetestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

namespace {

// Disk files whose writes can be made to fail, as a full or read-only folder would.
class SwitchableFiles : public DiskFiles {
public:
    bool failWrites = false;
    int writes = 0;
    bool write(const QString& path, const QByteArray& bytes, QString* error) override
    {
        ++writes;
        if (!failWrites)
            return DiskFiles::write(path, bytes, error);
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: Kein Speicherplatz")
                         .arg(path);
        return false;
    }
};

class ChangeStatus : public ::testing::Test {
protected:
    QTemporaryDir folder;
    SwitchableFiles files;
    BuiltTree built;
    ModelTree& tree = built.tree;
    LineList TreeStatus = zeroStatus();
    QString statusPath = folder.filePath(QStringLiteral("TreeImage.Index"));
    QString resetPath = folder.filePath(QStringLiteral("ResetTreeImage.Index"));

    QTreeWidgetItem* at(int position) { return tree.itemAtPosition(position); }
    int statusAt(int position) { return tree.statusOf(at(position)); }

    void setAll(int status)
    {
        for (QTreeWidgetItem* node : tree.nodesInOrder())
            tree.setStatus(node, status);
    }

    // Selects by program with the guard's consent, as the window does.
    void update(int position, bool changed)
    {
        tree.selectPosition(position);
        ASSERT_EQ(tree.positionOf(tree.selectedNode()), position);
        QString error;
        ASSERT_TRUE(UpdateTreeChangeStatus(tree, changed, TreeStatus, files, statusPath, &error))
            << error.toStdString();
    }

    QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QList<int> changedPositions()
    {
        QList<int> positions;
        const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
        for (int i = 0; i < nodes.size(); ++i) {
            if (tree.statusOf(nodes[i]) == 1)
                positions.append(i);
        }
        return positions;
    }
};

}  // namespace

// The scan covers the positions after the ancestor up to its last direct
// child, not its whole subtree.
TEST_F(ChangeStatus, RescanLooksFromTheNextPositionToTheLastDirectChild)
{
    struct Case {
        int ancestor;
        int first;
        int last;
    };
    const Case cases[] = {
        {0, 1, 11},     // "Bevölkerung": not the children of "Gehobene Wohnung"
        {44, 45, 57},   // "Gewerbe"
        {61, 62, 76},   // "Handel": its last child is a leaf
        {1, 2, 10},     // "Einfache Wohnungen": a level-1 category
        {11, 12, 18},   // "Gehobene Wohnung"
    };
    for (const Case& c : cases) {
        for (int red = c.ancestor - 1; red <= c.last + 8; ++red) {
            setAll(0);
            tree.setStatus(at(c.ancestor), red == -1 ? 0 : 1);  // a stale status is replaced
            if (red >= 0 && red != c.ancestor)
                tree.setStatus(at(red), 1);
            RescanAncestorStatus(tree, at(c.ancestor));
            const bool inRange = red >= c.first && red <= c.last;
            EXPECT_EQ(statusAt(c.ancestor), inRange ? 1 : 0) << "ancestor " << c.ancestor << ", red " << red;
        }
    }
}

TEST_F(ChangeStatus, RescanPassesOverOtherStatusesAndKeepsTheAncestorWhenNothingCounts)
{
    // Only statuses 2 and 3 in the range: the ancestor keeps what it had.
    setAll(3);
    tree.setStatus(at(1), 1);
    RescanAncestorStatus(tree, at(1));
    EXPECT_EQ(statusAt(1), 1);
    // A status 2 before a 1 does not stop the scan.
    tree.setStatus(at(5), 1);
    tree.setStatus(at(1), 0);
    RescanAncestorStatus(tree, at(1));
    EXPECT_EQ(statusAt(1), 1);
    // A leaf has no range at all.
    tree.setStatus(at(2), 2);
    RescanAncestorStatus(tree, at(2));
    EXPECT_EQ(statusAt(2), 2);
}

TEST_F(ChangeStatus, ChangingALevelTwoElementMarksItsCategoriesAndTheFile)
{
    update(21, true);  // "Bauernhaus" under "Farmen" under "Landwirtschaft"
    EXPECT_EQ(changedPositions(), (QList<int>{19, 20, 21}));
    const QList<QByteArray> lines = fileBytes(statusPath).split('\n');
    EXPECT_EQ(lines[19], "1\r");
    EXPECT_EQ(lines[20], "1\r");
    EXPECT_EQ(lines[21], "1\r");
    EXPECT_EQ(lines[22], "0\r");

    update(21, false);
    EXPECT_TRUE(changedPositions().isEmpty());
    EXPECT_EQ(fileBytes(statusPath), zeroStatus().toBytes());
}

TEST_F(ChangeStatus, PuttingBackKeepsCategoriesRedWhileAnotherNodeInTheirRangeIsRed)
{
    update(24, true);   // "Sojabohnenfeld" under "Feldfrüchte"
    update(25, true);   // "Kohlfeld", same category
    update(24, false);
    EXPECT_EQ(changedPositions(), (QList<int>{19, 23, 25}));
    update(25, false);
    EXPECT_TRUE(changedPositions().isEmpty());
}

TEST_F(ChangeStatus, ALevelOneElementHasNoGrandparentToUpdate)
{
    tree.setStatus(at(0), 1);  // an unrelated category keeps its status
    update(45, true);          // "Tongrube"
    EXPECT_EQ(changedPositions(), (QList<int>{0, 44, 45}));
    update(45, false);
    EXPECT_EQ(changedPositions(), (QList<int>{0}));
}

TEST_F(ChangeStatus, ARedElementUnderTheLastSubcategoryKeepsTheTopCategoryRed)
{
    update(14, true);   // "Bescheidenes Siheyuan" under "Gehobene Wohnung"
    update(3, true);    // "Unterstand" under "Einfache Wohnungen"
    update(3, false);
    // Position 14 lies beyond the scan range of "Bevölkerung" (1 to 11), but
    // "Gehobene Wohnung" at 11 stands for it.
    EXPECT_EQ(changedPositions(), (QList<int>{0, 11, 14}));
}

TEST_F(ChangeStatus, TheStatusFileHasALineEndingInCrLfForEveryNodeAndKeepsExtraLines)
{
    struct Case {
        const char* name;
        QStringList before;
        QStringList extra;  // expected after the 161 node lines
    };
    const Case cases[] = {
        {"exact", zeroStatus().lines(), {}},
        {"short", {QStringLiteral("1"), QStringLiteral("0")}, {}},
        {"garbled", QStringList(161, QStringLiteral("kaputt")), {}},
        {"longer", zeroStatus().lines() + QStringList{QStringLiteral("7"), QStringLiteral("Notiz")},
         {QStringLiteral("7"), QStringLiteral("Notiz")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setAll(0);
        TreeStatus.setLines(c.before);
        update(3, true);
        QByteArray expected;
        for (int i = 0; i < 161; ++i)
            expected += (i == 0 || i == 1 || i == 3) ? "1\r\n" : "0\r\n";
        for (const QString& line : c.extra)
            expected += line.toLatin1() + "\r\n";
        EXPECT_EQ(fileBytes(statusPath), expected);
        EXPECT_EQ(TreeStatus.count(), 161 + c.extra.size());
    }
}

TEST_F(ChangeStatus, AFailedWriteIsReportedAndTheStatusesStayAsComputed)
{
    update(21, true);
    files.failWrites = true;
    tree.selectPosition(22);
    QString error;
    EXPECT_FALSE(UpdateTreeChangeStatus(tree, true, TreeStatus, files, statusPath, &error));
    EXPECT_TRUE(error.contains(statusPath)) << error.toStdString();
    EXPECT_EQ(changedPositions(), (QList<int>{19, 20, 21, 22}));
    EXPECT_EQ(TreeStatus.at(22), QStringLiteral("1"));
    EXPECT_EQ(fileBytes(statusPath).split('\n')[22], "0\r") << "the old file stays";

    files.failWrites = false;
    tree.selectPosition(21);
    ASSERT_TRUE(UpdateTreeChangeStatus(tree, true, TreeStatus, files, statusPath, &error));
    EXPECT_EQ(fileBytes(statusPath).split('\n')[22], "1\r") << "the next update writes again";
}

TEST_F(ChangeStatus, CompleteResetCopiesTheResetFile)
{
    LineList reset = zeroStatus();
    reset.replace(7, QStringLiteral("1"));
    ASSERT_TRUE(reset.writeFile(files, resetPath, nullptr));
    TreeStatus.replace(3, QStringLiteral("1"));
    QString error;
    ASSERT_TRUE(ResetTreeStatus(TreeStatus, files, resetPath, statusPath, &error)) << error.toStdString();
    EXPECT_EQ(TreeStatus.lines(), reset.lines());
    EXPECT_EQ(fileBytes(statusPath), fileBytes(resetPath));
}

// A missing or unreadable reset file used to stop the reset half-way, after
// the model file had already been restored.
TEST_F(ChangeStatus, CompleteResetSeedsAMissingOrUnreadableResetFile)
{
    for (bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "unreadable" : "missing");
        QDir(folder.path()).rmdir(QStringLiteral("ResetTreeImage.Index"));
        QFile::remove(resetPath);
        if (unreadable) {
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ResetTreeImage.Index")));
        }
        TreeStatus.setLines(QStringList(161, QStringLiteral("1")));
        QString error;
        const bool done = ResetTreeStatus(TreeStatus, files, resetPath, statusPath, &error);
        EXPECT_EQ(TreeStatus.lines(), zeroStatus().lines());
        EXPECT_EQ(fileBytes(statusPath), zeroStatus().toBytes());
        if (unreadable) {
            // A folder in the way cannot be replaced: reported, yet the status is reset.
            EXPECT_FALSE(done);
            EXPECT_TRUE(error.contains(QStringLiteral("ResetTreeImage.Index"))) << error.toStdString();
        } else {
            EXPECT_TRUE(done) << error.toStdString();
            EXPECT_EQ(fileBytes(resetPath), zeroStatus().toBytes());
        }
        QString buildError;
        ASSERT_TRUE(BuildModelTreeFromResources(tree, TreeStatus, built.NodeIndexList, built.NodeStatusList,
                                                &buildError));
        EXPECT_TRUE(changedPositions().isEmpty());
    }
}

TEST_F(ChangeStatus, CompleteResetReportsAFailedStatusWrite)
{
    files.failWrites = true;
    QString error;
    EXPECT_FALSE(ResetTreeStatus(TreeStatus, files, resetPath, statusPath, &error));
    EXPECT_TRUE(error.contains(resetPath)) << error.toStdString();
    EXPECT_TRUE(error.contains(statusPath)) << error.toStdString();
    EXPECT_EQ(TreeStatus.lines(), zeroStatus().lines());
}
