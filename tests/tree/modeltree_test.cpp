#include "modelltreecustomdrawitem.h"
#include "treetestsupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTreeWidgetItem>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kBlack(0, 0, 0);

// Opens the delegate's per-node option to the test.
class OpenDrawItem : public ModellTreeCustomDrawItem {
public:
    using ModellTreeCustomDrawItem::ModellTreeCustomDrawItem;
    using ModellTreeCustomDrawItem::initStyleOption;
};

}  // namespace

TEST(ModelTree, IsAReadOnlySingleSelectionTreeWithIndentedDecoratedLevels)
{
    ModelTree tree;
    EXPECT_EQ(tree.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(tree.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(tree.indentation(), 25);
    EXPECT_TRUE(tree.rootIsDecorated());
    EXPECT_TRUE(tree.isHeaderHidden());
    EXPECT_EQ(tree.columnCount(), 1);
    EXPECT_TRUE(tree.hasMouseTracking());
    EXPECT_EQ(tree.iconSize(), QSize(16, 16));
    const QPalette palette = tree.palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight))
        << "the selection stays highlighted without the focus";
}

TEST(ModellTreeCustomDrawItem, SetsColourAndSizeByLevel)
{
    QFont treeFont(QStringLiteral("Sans"));
    treeFont.setPointSize(11);
    struct Case {
        int level;
        bool setsColor;
        QColor color;
        int pointSize;
    };
    const Case cases[] = {
        {0, true, kNavy, 11}, {1, true, kNavy, 10}, {2, true, kBlack, 10},
        {3, true, kBlack, 10}, {4, false, QColor(), 11}, {-1, false, QColor(), 11},
    };
    for (const Case& c : cases) {
        const LevelStyle style = ModellTreeCustomDrawItem::styleForLevel(c.level, treeFont);
        EXPECT_EQ(style.setsColor, c.setsColor) << c.level;
        if (c.setsColor) {
            EXPECT_EQ(style.color, c.color) << c.level;
        }
        EXPECT_EQ(style.font.pointSize(), c.pointSize) << c.level;
        EXPECT_EQ(style.font.family(), treeFont.family()) << c.level;
    }
}

TEST(ModellTreeCustomDrawItem, ASelectedNodeKeepsItsLevelsColourAndTheTreesFontIsTheBase)
{
    BuiltTree built;
    ModelTree& tree = built.tree;
    QFont treeFont = tree.font();
    treeFont.setPointSize(11);
    tree.setFont(treeFont);
    OpenDrawItem drawItem(&tree);
    struct Case {
        int position;
        QColor color;
        int pointSize;
    };
    for (const Case& c : {Case{0, kNavy, 11}, Case{1, kNavy, 10}, Case{2, kBlack, 10}}) {
        QTreeWidgetItem* node = tree.itemAtPosition(c.position);
        node->setFont(0, QFont(QStringLiteral("Serif"), 30));  // an item's own font does not count
        tree.selectPosition(c.position);
        QStyleOptionViewItem option;
        option.initFrom(&tree);
        option.widget = &tree;
        option.state |= QStyle::State_Selected;
        drawItem.initStyleOption(&option, tree.indexFromItem(node));
        EXPECT_EQ(option.font.pointSize(), c.pointSize) << c.position;
        EXPECT_EQ(option.font.family(), treeFont.family()) << c.position;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_EQ(option.palette.color(group, QPalette::Text), c.color) << c.position;
            EXPECT_EQ(option.palette.color(group, QPalette::HighlightedText), c.color) << c.position;
        }
    }
}

TEST(ModelTree, ShowsTheIconOfEachStatusForNormalSelectedAndExpandedNodes)
{
    BuiltTree built;
    ModelTree& tree = built.tree;
    const QList<QIcon>& icons = built.icons;
    QTreeWidgetItem* node = tree.itemAtPosition(1);  // a category: can expand
    for (int status = -1; status <= 5; ++status) {
        tree.setStatus(node, status);
        EXPECT_EQ(tree.statusOf(node), status);
        for (bool selectedAndOpen : {false, true}) {
            node->setExpanded(selectedAndOpen);
            if (selectedAndOpen)
                tree.selectPosition(1);
            const QVariant decoration = node->data(0, Qt::DecorationRole);
            if (status >= 0 && status <= 3) {
                EXPECT_TRUE(drawsAs(decoration.value<QIcon>(), icons[status])) << status;
            } else {
                EXPECT_FALSE(decoration.isValid()) << "status " << status << " shows no icon";
            }
        }
    }
    // Icons handed in later reach the nodes built before.
    QTreeWidgetItem* red = tree.itemAtPosition(7);
    tree.setStatus(red, 1);
    QList<QIcon> others = makeStatusIcons();
    std::swap(others[0], others[1]);
    tree.setStatusIcons(others);
    EXPECT_TRUE(drawsAs(red->icon(0), others[1]));
    EXPECT_FALSE(drawsAs(red->icon(0), built.icons[1]));
}

TEST(ModelTree, PositionsFollowDepthFirstOrder)
{
    BuiltTree built;
    ModelTree& tree = built.tree;
    const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
    ASSERT_EQ(nodes.size(), 161);
    for (int position = 0; position < nodes.size(); ++position) {
        EXPECT_EQ(tree.itemAtPosition(position), nodes[position]);
        EXPECT_EQ(tree.positionOf(nodes[position]), position);
    }
    EXPECT_EQ(nodes[12]->parent(), nodes[11]);
    EXPECT_EQ(nodes[19]->parent(), nullptr);
    for (int outside : {-1, 161, 100000})
        EXPECT_EQ(tree.itemAtPosition(outside), nullptr) << outside;
    EXPECT_EQ(tree.positionOf(nullptr), -1);
    EXPECT_EQ(tree.levelOf(nullptr), -1);
    QTreeWidgetItem foreign;
    EXPECT_EQ(tree.positionOf(&foreign), -1);
    EXPECT_EQ(tree.pictureOf(nullptr), -1);
}

// The lines and buttons are drawn by the tree itself, whatever the style: a
// dotted line joins the top-level nodes through the gaps between their buttons.
TEST(ModelTree, DrawsConnectingLinesBetweenTheTopLevelButtons)
{
    BuiltTree built;
    ModelTree& tree = built.tree;
    tree.resize(300, 400);
    tree.itemAtPosition(0)->setExpanded(true);
    QImage image(tree.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    tree.render(&image);
    if (qEnvironmentVariableIsSet("MAV_TREE_PICTURE"))
        image.save(qEnvironmentVariable("MAV_TREE_PICTURE"));

    const QPoint origin = tree.viewport()->geometry().topLeft();
    const int lineX = origin.x() + tree.indentation() / 2;
    auto isLine = [&](int y) {
        const QColor color = image.pixelColor(lineX, y);
        return qGray(color.rgb()) < 200 && qAbs(color.red() - color.blue()) < 40;
    };
    int gapsJoined = 0;
    for (int i = 0; i + 1 < tree.topLevelItemCount(); ++i) {
        const int from = origin.y() + tree.visualItemRect(tree.topLevelItem(i)).center().y() + 6;
        const int to = origin.y() + tree.visualItemRect(tree.topLevelItem(i + 1)).center().y() - 6;
        bool joined = false;
        for (int y = from; y < to; ++y)
            joined = joined || isLine(y);
        gapsJoined += joined ? 1 : 0;
    }
    EXPECT_EQ(gapsJoined, tree.topLevelItemCount() - 1);
}
