#include "picturedecoder.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

bool fullyTransparent(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

}  // namespace

TEST(PictureDecoderTest, HandsOutEveryAskedPictureAsOftenAsAskedFor)
{
    PictureDecoder pictures({QStringLiteral("NoSelectImage.png"), QStringLiteral("marker.png")});
    for (int round = 0; round < 2; ++round) {
        const QPixmap placeholder = pictures.picture(QStringLiteral("NoSelectImage.png"), QSize(1, 1));
        EXPECT_EQ(placeholder.size(), QSize(478, 298));
        EXPECT_FALSE(fullyTransparent(placeholder));
        EXPECT_EQ(pictures.picture(QStringLiteral("marker.png"), QSize(1, 1)).size(), QSize(25, 25));
    }
}

TEST(PictureDecoderTest, MissingOrUnlistedPictureIsTransparentOfTheAskedSize)
{
    PictureDecoder pictures({QStringLiteral("no-such-picture.png")});
    for (const QString& name : {QStringLiteral("no-such-picture.png"), QStringLiteral("marker.png")}) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap picture = pictures.picture(name, QSize(30, 20));
        EXPECT_EQ(picture.size(), QSize(30, 20));
        EXPECT_TRUE(fullyTransparent(picture));
    }
}

TEST(PictureDecoderTest, DecoderNeverAskedEndsCleanly)
{
    PictureDecoder pictures({QStringLiteral("NoSelectImage.png")});
}
