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

QPixmap BuildingPictures::at(int index) const
{
    if (index < 0 || index >= kCount)
        return QPixmap();
    if (decoded_[index].isNull())
        decoded_[index] = loadPicture(QStringLiteral("building-%1.png").arg(index, 2, 10, QLatin1Char('0')), QSize(73, 73));
    return decoded_[index];
}

ImageLists loadImageLists()
{
    ImageLists lists;
    for (int i = 0; i < 4; ++i)
        lists.ChangeStatusImage.append(QIcon(loadPicture(QStringLiteral("status-%1.png").arg(i), QSize(16, 16))));
    return lists;
}
