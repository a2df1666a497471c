#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QStringList>

#include <future>

// Decodes pictures of ":/pictures/" on a second thread while the window's
// controls are built, so that their decoding does not lengthen the start-up.
// Pictures stay images on that thread; they become pixmaps on the GUI thread.
class PictureDecoder {
public:
    explicit PictureDecoder(const QStringList& names);
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    // The picture, waiting for the decoding if need be; a transparent picture
    // of the given size when it is missing or was not among the names.
    QPixmap picture(const QString& name, QSize size);

private:
    std::future<QHash<QString, QImage>> pending_;
    QHash<QString, QImage> decoded_;
};
