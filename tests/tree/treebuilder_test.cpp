#include "treebuilder.h"
#include "treetestsupport.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTreeWidgetItem>

namespace {

struct ExpectedNode {
    int position;
    int level;
    const char* caption;  // UTF-8
    int code;
    int picture;
};

// Ends, category boundaries and every kind of caption beyond ASCII.
const ExpectedNode kSampleNodes[] = {
    {0, 0, "Bevölkerung", 0, 1},
    {1, 1, "Einfache Wohnungen", 0, 2},
    {3, 2, "Unterstand", 100, 2},
    {4, 2, "Hütte", 101, 2},
    {10, 2, "Luxuriöses Haus", 107, 2},
    {11, 1, "Gehobene Wohnung", 0, 3},
    {15, 2, "Üppiges Siheyuan", 110, 3},
    {18, 2, "Himmlisches Anwesen", 113, 3},
    {21, 2, "Bauernhaus", 15, 5},
    {44, 0, "Gewerbe", 0, 11},
    {45, 1, "Tongrube", 15, 12},
    {62, 1, "Mühle", 15, 18},
    {76, 1, "Handelskai", 15, 23},
    {87, 1, "Brücke", 15, 34},
    {92, 0, "Unterhaltung", 0, 37},
    {96, 1, "Theaterpavillion", 15, 41},
    {102, 1, "Buddistische Gebäude", 0, 45},
    {108, 1, "Infantrie", 15, 49},
    {117, 0, "Ästhetik", 0, 54},
    {134, 2, "Privater Garten", 15, 58},
    {135, 1, "Ästhetische Strassen", 0, 58},
    {157, 0, "Bauoptionen", 0, 64},
    {160, 1, "Planieren", 15, 67},
};

LineList lines(const QStringList& texts)
{
    LineList list;
    list.setLines(texts);
    return list;
}

}  // namespace

TEST(BuildModelTree, BuildsTheFullTreeWithItsLevelsCodesAndPictures)
{
    BuiltTree built;
    ModelTree& tree = built.tree;
    ASSERT_EQ(tree.nodeCount(), 161);
    EXPECT_EQ(tree.topLevelItemCount(), 12);
    EXPECT_EQ(built.NodeIndexList.count(), 161);
    EXPECT_EQ(built.NodeStatusList.count(), 161);

    for (const ExpectedNode& expected : kSampleNodes) {
        QTreeWidgetItem* node = tree.itemAtPosition(expected.position);
        ASSERT_NE(node, nullptr);
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(node->text(0), QString::fromUtf8(expected.caption));
        EXPECT_EQ(tree.levelOf(node), expected.level);
        EXPECT_EQ(built.NodeIndexList.at(expected.position).toInt(), expected.code);
        EXPECT_EQ(tree.pictureOf(node), expected.picture);
        EXPECT_EQ(tree.positionOf(node), expected.position);
    }

    int perLevel[3] = {0, 0, 0};
    int houseCodes = 0;
    QSet<QString> captions;
    const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
    for (int position = 0; position < nodes.size(); ++position) {
        QTreeWidgetItem* node = nodes[position];
        const int level = tree.levelOf(node);
        ASSERT_TRUE(level >= 0 && level <= 2) << position;
        ++perLevel[level];
        const int code = built.NodeIndexList.at(position).toInt();
        // A leaf is an element and an element is a leaf.
        EXPECT_EQ(node->childCount() == 0, code != 0) << position;
        EXPECT_TRUE(code == 0 || code == 15 || (code >= 100 && code <= 113)) << position;
        houseCodes += code >= 100 ? 1 : 0;
        EXPECT_GE(tree.pictureOf(node), 1) << position;
        EXPECT_LE(tree.pictureOf(node), 67) << position;
        EXPECT_FALSE(node->isExpanded()) << position;
        EXPECT_EQ(tree.statusOf(node), 0);
        captions.insert(node->text(0));
    }
    EXPECT_EQ(perLevel[0], 12);
    EXPECT_EQ(perLevel[1], 56);
    EXPECT_EQ(perLevel[2], 93);
    EXPECT_EQ(houseCodes, 14);
    EXPECT_EQ(captions.size(), 161) << "no caption twice";
    EXPECT_EQ(tree.selectedNode(), nullptr);
}

TEST(BuildModelTree, TakesEachNodesStatusFromItsLineAndIgnoresLinesBeyondTheTree)
{
    LineList status = zeroStatus(170);
    status.replace(3, QStringLiteral("1"));
    status.replace(44, QStringLiteral("2"));
    status.replace(160, QStringLiteral("3"));
    status.replace(161, QStringLiteral("1"));
    BuiltTree built(status);
    ModelTree& tree = built.tree;
    const QList<QIcon>& icons = built.icons;
    for (int position : {0, 3, 44, 160}) {
        QTreeWidgetItem* node = tree.itemAtPosition(position);
        const int expected = position == 0 ? 0 : status.at(position).toInt();
        EXPECT_EQ(tree.statusOf(node), expected);
        // Icons 2 and 3 are shown as the file says, though the program writes neither.
        EXPECT_TRUE(drawsAs(node->icon(0), icons[expected])) << position;
    }
}

// A status list that is short or holds text that is no whole number must not
// leave nodes without picture: such lines count as unchanged.
TEST(BuildModelTree, ShortOrGarbledStatusStillBuildsTheWholeTree)
{
    struct Case {
        const char* name;
        QStringList status;
        int redPosition;  // -1: none
    };
    QStringList garbled = zeroStatus().lines();
    garbled[5] = QStringLiteral("x");
    garbled[6] = QStringLiteral("1.0");
    garbled[7] = QString();
    garbled[8] = QStringLiteral("1");
    const Case cases[] = {
        {"empty", {}, -1},
        {"half", zeroStatus(80).lines(), -1},
        {"one red then short", {QStringLiteral("0"), QStringLiteral("1")}, 1},
        {"garbled lines", garbled, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelTree tree;
        LineList codes, pictures;
        QString error;
        ASSERT_TRUE(BuildModelTreeFromResources(tree, lines(c.status), codes, pictures, &error))
            << error.toStdString();
        const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
        ASSERT_EQ(nodes.size(), 161);
        for (int position = 0; position < 161; ++position) {
            EXPECT_EQ(tree.statusOf(nodes[position]), position == c.redPosition ? 1 : 0) << position;
            EXPECT_EQ(tree.pictureOf(nodes[position]), pictures.at(position).toInt()) << position;
        }
    }
}

TEST(BuildModelTree, IndentationByTabsOrBlanksPlacesEveryNode)
{
    // Captions name their expected parent; blanks count like TABs.
    const LineList tree = lines({
        QStringLiteral("A"),
        QStringLiteral("\tA1"),
        QStringLiteral(" \tA1x"),
        QStringLiteral("  A1y"),
        QStringLiteral("B"),
        QStringLiteral(" B1"),
        QStringLiteral("\t\tB1x"),
        QStringLiteral("\tB2"),
        QStringLiteral("C"),
    });
    ModelTree widget;
    QString error;
    ASSERT_TRUE(BuildModelTree(widget, tree, LineList(), LineList(), LineList(), &error)) << error.toStdString();
    const QList<QTreeWidgetItem*> nodes = widget.nodesInOrder();
    ASSERT_EQ(nodes.size(), 9);
    const char* parents[] = {"", "A", "A1", "A1", "", "B", "B1", "B", ""};
    for (int i = 0; i < nodes.size(); ++i) {
        QTreeWidgetItem* parent = nodes[i]->parent();
        EXPECT_EQ(parent ? parent->text(0) : QString(), QLatin1String(parents[i])) << i;
    }
    EXPECT_EQ(widget.topLevelItemCount(), 3);
    EXPECT_EQ(widget.pictureOf(nodes[0]), -1) << "no picture line";
}

TEST(BuildModelTree, ALevelSkippedFailsWithAGermanErrorAndKeepsTheTree)
{
    BuiltTree built;
    QString error;
    const LineList skipping = lines({QStringLiteral("A"), QStringLiteral("\tB"), QStringLiteral("\t\t\tC")});
    EXPECT_FALSE(BuildModelTree(built.tree, skipping, LineList(), LineList(), LineList(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Zeile 3"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Ebene"))) << error.toStdString();
    EXPECT_EQ(built.tree.nodeCount(), 161);

    error.clear();
    EXPECT_FALSE(BuildModelTree(built.tree, LineList(), LineList(), LineList(), LineList(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(built.tree.nodeCount(), 161);
}

TEST(BuildModelTree, RebuildingReplacesTheNodesAndEmptiesTheSelection)
{
    BuiltTree built;
    built.tree.selectPosition(21);
    ASSERT_NE(built.tree.selectedNode(), nullptr);
    int asked = 0;
    built.tree.changing = [&](QTreeWidgetItem*, QTreeWidgetItem*) { return ++asked, true; };
    QList<QTreeWidgetItem*> moves;
    QObject::connect(&built.tree, &ModelTree::selectionMoved, [&](QTreeWidgetItem* node) { moves.append(node); });

    LineList status = zeroStatus();
    status.replace(21, QStringLiteral("1"));
    QString error;
    ASSERT_TRUE(BuildModelTreeFromResources(built.tree, status, built.NodeIndexList, built.NodeStatusList, &error));
    EXPECT_EQ(built.tree.nodeCount(), 161);
    EXPECT_EQ(built.tree.selectedNode(), nullptr);
    EXPECT_EQ(built.tree.statusOf(built.tree.itemAtPosition(21)), 1);
    EXPECT_EQ(asked, 0) << "emptying the tree asks nothing";
    EXPECT_EQ(moves, QList<QTreeWidgetItem*>{nullptr});
}
