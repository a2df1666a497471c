#include "linuxhost.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MAV Edit"));
    LinuxHost host;
    TMain Main(host);
    if (Main.endRequested()) {
        host.EndProcess();
        return 0;
    }
    Main.show();
    return app.exec();
}
