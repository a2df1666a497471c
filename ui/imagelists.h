#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

class PictureDecoder;

// The PNG picture ":/pictures/<name>"; a null image when it is missing or damaged.
QImage decodePicture(const QString& name);
// The picture ":/pictures/<name>", or a transparent picture of the given size
// when the item is missing, so a lost picture never breaks the layout.
QPixmap loadPicture(const QString& name, QSize size);
QPixmap transparentPicture(QSize size);

// The 68 building pictures of 73 x 73 (0 and 1 the same). A picture is
// decoded when it is first shown, which keeps the start-up short.
class BuildingPictures {
public:
    static constexpr int kCount = 68;
    int size() const { return kCount; }
    // The picture, or an empty one outside 0 .. size() - 1.
    QPixmap at(int index) const;

private:
    mutable QList<QPixmap> decoded_ = QList<QPixmap>(kCount);
};

// The window's two image lists.
struct ImageLists {
    BuildingPictures BuildingsImageList;
    QList<QIcon> ChangeStatusImage;     // green, red, red, blue ball, 16 x 16
};

// The names of the four change status pictures.
QStringList statusPictureNames();
// The image lists, the status pictures taken from pictures.
ImageLists loadImageLists(PictureDecoder& pictures);
