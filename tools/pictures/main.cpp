// Writes every picture of the window as PNG into the folder given.
//   mav_pictures <folder> [--sheet <file>]

#include "buildingrenderer.h"
#include "buildingtable.h"
#include "contactsheet.h"
#include "ornaments.h"
#include "palacescene.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);  // fonts need the application
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: mav_pictures <folder> [--sheet <file>]\n";
        return 2;
    }
    const QDir folder(args.at(1));
    const int sheetAt = args.indexOf("--sheet");
    const QString sheetFile = sheetAt > 0 && sheetAt + 1 < args.size() ? args.at(sheetAt + 1) : QString();

    std::vector<std::pair<QString, QImage>> pictures;
    for (int size : {16, 24, 32, 48, 256})
        pictures.emplace_back(QString("icon-%1.png").arg(size), drawIcon(size));
    pictures.emplace_back("NoSelectImage.png", drawPalaceScene());
    pictures.emplace_back("Image1.png", drawTitleLine());
    pictures.emplace_back("Image2.png", drawPictureFrame());
    pictures.emplace_back("Image3.png", drawTitleBanner());
    pictures.emplace_back("marker.png", drawBall(25, QColor(220, 30, 30)));
    const QColor statusColors[] = {{40, 180, 40}, {220, 30, 30}, {220, 30, 30}, {40, 80, 220}};
    for (int i = 0; i < 4; ++i)
        pictures.emplace_back(QString("status-%1.png").arg(i), drawBall(16, statusColors[i]));
    const auto &buildings = buildingPictures();
    for (size_t i = 0; i < buildings.size(); ++i)
        pictures.emplace_back(QString("building-%1.png").arg(i, 2, 10, QChar('0')),
                              renderBuilding(buildings[i]));

    for (const auto &[name, image] : pictures) {
        if (!image.save(folder.filePath(name), "PNG", 9)) {
            err << "cannot write " << folder.filePath(name) << "\n";
            return 1;
        }
    }
    if (!sheetFile.isEmpty()) {
        std::vector<std::pair<QString, QImage>> shown;
        for (const auto &[name, image] : pictures) {
            const int zoom = image.width() >= 200 ? 1 : image.width() >= 32 ? 2 : 4;
            shown.emplace_back(name, image.scaled(image.size() * zoom));
        }
        makeContactSheet(shown, 1).save(sheetFile);
    }
    return 0;
}
