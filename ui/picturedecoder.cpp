#include "picturedecoder.h"

#include "imagelists.h"

namespace {

QHash<QString, QImage> decodeAll(const QStringList& names)
{
    QHash<QString, QImage> decoded;
    for (const QString& name : names) {
        const QImage image = decodePicture(name);
        if (!image.isNull())  // the pixmap format, so no conversion is left to the GUI thread
            decoded.insert(name, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return decoded;
}

}  // namespace

// Decoded at once on a thread of its own; where no thread can be had, when
// the first picture is asked for.
PictureDecoder::PictureDecoder(const QStringList& names)
    : pending_(std::async(std::launch::async | std::launch::deferred, decodeAll, names))
{
}

PictureDecoder::~PictureDecoder()
{
    // Pictures never asked for are not decoded late, only waited for.
    if (pending_.valid() && pending_.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
        pending_.wait();
}

QPixmap PictureDecoder::picture(const QString& name, QSize size)
{
    if (pending_.valid())
        decoded_ = pending_.get();
    const QImage image = decoded_.value(name);
    if (image.isNull())
        return transparentPicture(size);
    return QPixmap::fromImage(image);
}
