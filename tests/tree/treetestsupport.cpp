#include "treetestsupport.h"

#include "treebuilder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

QList<QIcon> makeStatusIcons()
{
    QList<QIcon> icons;
    for (const QColor& color : {QColor(Qt::green), QColor(Qt::red), QColor(Qt::darkRed), QColor(Qt::blue)}) {
        QPixmap pixmap(16, 16);
        pixmap.fill(color);
        icons.append(QIcon(pixmap));
    }
    return icons;
}

bool drawsAs(const QIcon& shown, const QIcon& expected)
{
    const QImage want = expected.pixmap(16, 16).toImage();
    return !want.isNull() && shown.pixmap(16, 16, QIcon::Normal).toImage() == want &&
           shown.pixmap(16, 16, QIcon::Selected).toImage() == want;
}

BuiltTree::BuiltTree(const LineList& treeStatus)
{
    tree.setStatusIcons(icons);
    QString error;
    const bool built = BuildModelTreeFromResources(tree, treeStatus.isEmpty() ? zeroStatus() : treeStatus,
                                                   NodeIndexList, NodeStatusList, &error);
    EXPECT_TRUE(built) << error.toStdString();
}

LineList zeroStatus(int count)
{
    LineList list;
    for (int i = 0; i < count; ++i)
        list.append(QStringLiteral("0"));
    return list;
}
