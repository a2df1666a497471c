#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// How a node of the element tree is drawn at its level.
struct LevelStyle {
    bool setsColor = false;  // false: the toolkit's colours stay
    QColor color;
    QFont font;
};

// Draws the element tree's nodes with the text colour and font size of their
// level: navy for levels 0 and 1, black for 2 and 3; the tree's own font for
// level 0 and 10 points for levels 1 to 3; deeper levels as the toolkit draws
// them. A selected node keeps its level's text colour on the selection
// background. Everything else (lines, buttons, status icon) is drawn as usual.
class ModellTreeCustomDrawItem : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static LevelStyle styleForLevel(int level, const QFont& treeFont);

    // 0 for a top-level index, one more for each parent.
    static int levelOf(const QModelIndex& index);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
