// Started by bench_startup: either the editor's own start-up (the same window
// and host as mav-edit) or a minimal window of the same size. Prints
// "painted" when the window's first paint has been done, then quits.
#include "linuxhost.h"
#include "mainwindow.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QMetaObject::invokeMethod(qApp, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool minimal = argc > 1 && qstrcmp(argv[1], "minimal") == 0;
    FirstPaint probe;
    LinuxHost host;
    std::unique_ptr<QWidget> window;
    if (minimal) {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("MAV Edit"));
        window->setFixedSize(949, 579);
    } else if (qstrcmp(argv[1], "button") == 0) {
        // The same minimal window with one captioned button, so that it too
        // loads the font database, as every window with text must.
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("MAV Edit"));
        window->setFixedSize(949, 579);
        auto* button = new QPushButton(QStringLiteral("Beenden"), window.get());
        button->setGeometry(617, 538, 327, 33);
    } else {
        auto editor = std::make_unique<TMain>(host);
        if (editor->endRequested())
            return 1;
        window = std::move(editor);
    }
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
