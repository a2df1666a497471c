#include "imagelists.h"

QPixmap loadPicture(const QString& name, QSize size)
{
    QPixmap picture(QStringLiteral(":/pictures/") + name);
    if (picture.isNull()) {
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
    }
    return picture;
}

ImageLists loadImageLists()
{
    ImageLists lists;
    constexpr int kBuildingPictures = 68;
    for (int i = 0; i < kBuildingPictures; ++i)
        lists.BuildingsImageList.append(
            loadPicture(QStringLiteral("building-%1.png").arg(i, 2, 10, QLatin1Char('0')), QSize(73, 73)));
    for (int i = 0; i < 4; ++i)
        lists.ChangeStatusImage.append(QIcon(loadPicture(QStringLiteral("status-%1.png").arg(i), QSize(16, 16))));
    return lists;
}
