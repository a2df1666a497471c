#include "treetestsupport.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTreeWidgetItem>

namespace {

// A shown tree whose `changing` records every question and answers as told,
// and which records every selectionMoved.
class SelectionGuard : public ::testing::Test {
protected:
    struct Question {
        int from;
        int to;
        int selectedWhileAsked;
    };
    BuiltTree built;
    ModelTree& tree = built.tree;
    QList<Question> questions;
    QList<int> moves;
    bool allow = true;

    void SetUp() override
    {
        tree.resize(300, 600);
        tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
        tree.changing = [this](QTreeWidgetItem* from, QTreeWidgetItem* to) {
            questions.append({tree.positionOf(from), tree.positionOf(to), tree.positionOf(tree.selectedNode())});
            return allow;
        };
        QObject::connect(&tree, &ModelTree::selectionMoved,
                         [this](QTreeWidgetItem* node) { moves.append(tree.positionOf(node)); });
    }

    int selected() { return tree.positionOf(tree.selectedNode()); }
    int current() { return tree.positionOf(tree.currentItem()); }

    void click(int position)
    {
        QTreeWidgetItem* node = tree.itemAtPosition(position);
        const QRect rect = tree.visualItemRect(node);
        ASSERT_TRUE(rect.isValid()) << "node " << position << " is not visible";
        // On the caption, right of the branch lines and the icon.
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 40, rect.center().y()));
    }

    void forget()
    {
        questions.clear();
        moves.clear();
    }
};

}  // namespace

TEST_F(SelectionGuard, ProgramSelectionAsksWithTheOldNodeStillSelectedThenMoves)
{
    tree.selectPosition(0);
    EXPECT_EQ(selected(), 0);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].from, -1) << "nothing selected before";
    EXPECT_EQ(questions[0].to, 0);
    EXPECT_EQ(moves, QList<int>{0});

    forget();
    tree.selectPosition(19);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].from, 0);
    EXPECT_EQ(questions[0].to, 19);
    EXPECT_EQ(questions[0].selectedWhileAsked, 0);
    EXPECT_EQ(moves, QList<int>{19});

    forget();
    tree.selectPosition(19);
    tree.selectPosition(500);
    EXPECT_TRUE(questions.isEmpty()) << "selecting the selected node or none asks nothing";
    EXPECT_TRUE(moves.isEmpty());
}

TEST_F(SelectionGuard, ARefusalKeepsSelectionAndCurrentNode)
{
    tree.selectPosition(0);
    allow = false;
    forget();
    tree.selectPosition(19);
    tree.setCurrentItem(tree.itemAtPosition(44));
    click(61);
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(questions.size(), 4);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(current(), 0);
    EXPECT_TRUE(moves.isEmpty());
}

TEST_F(SelectionGuard, AMouseClickAsksOnceAndClickingTheSelectedNodeAsksNothing)
{
    tree.selectPosition(0);
    forget();
    click(19);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].from, 0);
    EXPECT_EQ(questions[0].to, 19);
    EXPECT_EQ(selected(), 19);
    EXPECT_EQ(current(), 19);
    EXPECT_EQ(moves, QList<int>{19});

    forget();
    click(19);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree.visualItemRect(tree.itemAtPosition(19)).center());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(moves.isEmpty());
    EXPECT_EQ(selected(), 19) << "Ctrl+click does not empty the selection";
}

TEST_F(SelectionGuard, ArrowKeysAskOncePerMove)
{
    tree.setFocus();
    tree.selectPosition(0);
    tree.itemAtPosition(0)->setExpanded(true);
    forget();
    QTest::keyClick(&tree, Qt::Key_Down);  // "Einfache Wohnungen"
    QTest::keyClick(&tree, Qt::Key_Down);  // "Gehobene Wohnung" (collapsed sibling)
    QTest::keyClick(&tree, Qt::Key_Up);
    ASSERT_EQ(questions.size(), 3);
    EXPECT_EQ(questions[0].from, 0);
    EXPECT_EQ(questions[0].to, 1);
    EXPECT_EQ(questions[1].from, 1);
    EXPECT_EQ(questions[1].to, 11);
    EXPECT_EQ(questions[2].to, 1);
    EXPECT_EQ(moves, (QList<int>{1, 11, 1}));
    EXPECT_EQ(selected(), 1);

    forget();
    QTest::keyClick(&tree, Qt::Key_Right);  // expands, moves nothing
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(tree.itemAtPosition(1)->isExpanded());
}

TEST_F(SelectionGuard, ClearingTheTreeAsksNothingAndReportsNoNode)
{
    tree.selectPosition(21);
    forget();
    tree.clear();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(moves, QList<int>{-1});
    EXPECT_EQ(tree.selectedNode(), nullptr);

    forget();
    tree.clear();
    EXPECT_TRUE(moves.isEmpty()) << "nothing was selected";
}
