#include "modelltreecustomdrawitem.h"

#include <QPalette>

namespace {

struct LevelRule {
    QColor color;
    int pointSize;  // 0: the tree's own size
};

const LevelRule kLevelRules[] = {
    {QColor(0, 0, 128), 0},
    {QColor(0, 0, 128), 10},
    {QColor(0, 0, 0), 10},
    {QColor(0, 0, 0), 10},
};

}  // namespace

LevelStyle ModellTreeCustomDrawItem::styleForLevel(int level, const QFont& treeFont)
{
    LevelStyle style;
    style.font = treeFont;
    if (level < 0 || level >= int(std::size(kLevelRules)))
        return style;
    const LevelRule& rule = kLevelRules[level];
    style.setsColor = true;
    style.color = rule.color;
    if (rule.pointSize > 0)
        style.font.setPointSize(rule.pointSize);
    return style;
}

int ModellTreeCustomDrawItem::levelOf(const QModelIndex& index)
{
    int level = 0;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        ++level;
    return level;
}

void ModellTreeCustomDrawItem::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // Every node starts from the tree's own font, whatever the item carries.
    const QFont treeFont = option->widget ? option->widget->font() : option->font;
    const LevelStyle style = styleForLevel(levelOf(index), treeFont);
    option->font = style.font;
    option->fontMetrics = QFontMetrics(style.font);
    if (!style.setsColor)
        return;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        option->palette.setColor(group, QPalette::Text, style.color);
        option->palette.setColor(group, QPalette::HighlightedText, style.color);
    }
}
