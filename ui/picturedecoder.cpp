#include "picturedecoder.h"

#include "imagelists.h"

namespace {

QHash<QString, QImage> decodeAll(const QStringList& names)
{
    QHash<QString, QImage> decoded;
    for (const QString& name : names) {
        QImage image(QStringLiteral(":/pictures/") + name);
        if (!image.isNull())  // the format a pixmap keeps, so that taking it copies nothing
            decoded.insert(name, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return decoded;
}

}  // namespace

// Decoded at once on a thread of its own; where no thread can be had, when
// first taken.
PictureDecoder::PictureDecoder(const QStringList& names)
    : pending_(std::async(std::launch::async | std::launch::deferred, decodeAll, names))
{
}

PictureDecoder::~PictureDecoder()
{
    if (pending_.valid())
        pending_.wait();
}

QPixmap PictureDecoder::take(const QString& name, QSize size)
{
    if (pending_.valid())
        decoded_ = pending_.get();
    const QImage image = decoded_.take(name);
    if (image.isNull())
        return transparentPicture(size);
    return QPixmap::fromImage(image);
}
