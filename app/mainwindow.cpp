#include "mainwindow.h"

#include "elementeditor.h"
#include "fontwarmup.h"
#include "host.h"
#include "modeltree.h"
#include "picturedecoder.h"
#include "startup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 256};

QString iconPictureName(int size)
{
    return QStringLiteral("icon-%1.png").arg(size);
}

QStringList windowPictureNames()
{
    QStringList names = layoutPictureNames();
    for (int size : kIconSizes)
        names.append(iconPictureName(size));
    return names;
}

}  // namespace

TMain::TMain(Host& host, QWidget* parent) : QWidget(parent), host_(host)
{
    // The font list and the pictures are read on other threads meanwhile.
    FontDatabaseWarmUp fonts;
    PictureDecoder pictures(windowPictureNames());
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("MAV Edit"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(949, 579);

    // The checks come first: they need no control, may end the program, and
    // choose the font the controls are then created with.
    const StartupResult result = ::FormCreate(host_, state_);
    if (result.endProcess) {
        endRequested_ = true;
        return;
    }
    // Set before the controls exist, which then inherit it rather than being told of a change.
    setFont(QFont(result.font.family, result.font.pointSize));
    ui_ = buildMainLayout(this, pictures);
    applyControlFonts(result.font.family);
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(pictures.picture(iconPictureName(size), QSize(size, size)));
    setWindowIcon(icon);
    editor_ = new ElementEditor(state_, ui_, host_, this);
    finishStartup(result);
}

TMain::~TMain() = default;

void TMain::finishStartup(const StartupResult& result)
{
    // The window opens with no element shown, whatever follows.
    ui_.Panel1->hide();
    ui_.Panel2->hide();
    if (!result.complete) {
        // The header says what went wrong; commands stay harmless, since
        // nothing is written from a list that was never loaded.
        ui_.ObjektnameLabel->setText(QStringLiteral("Start unvollständig"));
        ui_.ElementMessage->setText(result.error);
        ui_.ElementMessage->show();
        ui_.ElementMessage->raise();
        return;
    }
    if (!state_.Model.LayoutIsSound()) {
        host_.ShowMessage(state_.Model.LayoutProblem()
                              + QStringLiteral("\nDie Einträge können angesehen, aber nicht gespeichert werden."),
                          QStringLiteral("MAV Edit"), MessageKind::Error);
    }
    if (editor_->BuildTree())
        editor_->SelectFirstNode();
}

void TMain::applyControlFonts(const QString& family)
{
    ui_.ModellTree->setFont(QFont(family, 11));
    QFont header(family, 12);
    header.setBold(true);
    ui_.ObjektnameLabel->setFont(header);
}

void TMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
