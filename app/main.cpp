#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("MAV Edit"));
    window.setFixedSize(949, 579);
    window.show();
    return app.exec();
}
