#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The picture ":/pictures/<name>", or a transparent picture of the given size
// when the item is missing, so a lost picture never breaks the layout.
QPixmap loadPicture(const QString& name, QSize size);

// The window's two image lists.
struct ImageLists {
    QList<QPixmap> BuildingsImageList;  // 68 pictures of 73 x 73; 0 and 1 are the same
    QList<QIcon> ChangeStatusImage;     // green, red, red, blue ball, 16 x 16
};

ImageLists loadImageLists();
