// Times the editor's hot paths on a game folder in a temporary directory:
// one change-status update with its write, a key release in a value edit
// (markers, tree status, TreeImage.Index written) and a whole "Speichern".
#include "changestatus.h"
#include "editorstate.h"
#include "elementeditor.h"
#include "fakehost.h"
#include "mainwindow.h"
#include "modeltree.h"
#include "numericedit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int rounds, const std::function<void(int)>& run)
{
    std::vector<qint64> times;
    times.reserve(rounds);
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir game;
    QDir(game.path()).mkpath(QStringLiteral("Model"));
    QFile(game.filePath(QStringLiteral("Emperor.exe"))).open(QIODevice::WriteOnly);
    FakeHost host;
    host.setRegistryString(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe"),
                           QStringLiteral("Path"), game.path());
    TMain window(host);
    if (window.endRequested() || !window.state().TreeBuilt) {
        std::fprintf(stderr, "Start-up failed\n");
        return 1;
    }
    window.show();
    ModelTree& tree = *window.controls().ModellTree;
    EditorState& state = window.state();

    tree.selectPosition(21);  // "Bauernhaus"
    QString error;
    const double update = medianMs(1000, [&](int i) {
        UpdateTreeChangeStatus(tree, i % 2, state.TreeStatus, host.files(), state.TreeStatusPath(), &error);
    });

    auto* edit = window.findChild<NumericEdit*>(QStringLiteral("ArbeiterEdit"));
    edit->setFocus();
    const double keyRelease = medianMs(1000, [&](int i) {
        edit->setText(i % 2 ? QStringLiteral("30") : QStringLiteral("22"));
        QTest::keyRelease(edit, Qt::Key_Shift);
    });

    auto* speichern = window.findChild<QPushButton*>(QStringLiteral("Speichern"));
    const double store = medianMs(1000, [&](int i) {
        edit->setText(QString::number(20 + i % 10));
        speichern->click();
    });

    std::printf("UpdateTreeChangeStatus with write: median %.3f ms (goal < 1 ms)\n", update);
    std::printf("key release to status written:     median %.3f ms (goal < 2 ms)\n", keyRelease);
    std::printf("whole Speichern:                   median %.3f ms (goal < 10 ms)\n", store);
    return 0;
}
