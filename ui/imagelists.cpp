#include "imagelists.h"

#include "picturedecoder.h"

#include <QImageReader>

QImage decodePicture(const QString& name)
{
    // Naming the format spares Qt loading every image plugin to ask it.
    QImageReader reader(QStringLiteral(":/pictures/") + name, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap transparentPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

QPixmap loadPicture(const QString& name, QSize size)
{
    const QImage image = decodePicture(name);
    return image.isNull() ? transparentPicture(size) : QPixmap::fromImage(image);
}

QPixmap BuildingPictures::at(int index) const
{
    if (index < 0 || index >= kCount)
        return QPixmap();
    if (decoded_[index].isNull())
        decoded_[index] = loadPicture(QStringLiteral("building-%1.png").arg(index, 2, 10, QLatin1Char('0')), QSize(73, 73));
    return decoded_[index];
}

QStringList statusPictureNames()
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names.append(QStringLiteral("status-%1.png").arg(i));
    return names;
}

ImageLists loadImageLists(PictureDecoder& pictures)
{
    ImageLists lists;
    for (const QString& name : statusPictureNames())
        lists.ChangeStatusImage.append(QIcon(pictures.picture(name, QSize(16, 16))));
    return lists;
}
