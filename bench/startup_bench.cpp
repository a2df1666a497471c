// Start-up time of mav-edit (second start on a demo installation, so nothing
// is seeded) beside a minimal Qt Widgets window of the same size: the time
// from process start to the first painted window, median of 20 runs each,
// offscreen platform.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds from starting the probe to its "painted" line, or -1.
double timeOneStart(const QString& probe, const QString& mode, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(probe, {mode});
    while (process.waitForReadyRead(10000)) {
        if (process.readAll().contains("painted")) {
            const double ms = timer.nsecsElapsed() / 1e6;
            process.waitForFinished(10000);
            return ms;
        }
    }
    process.kill();
    process.waitForFinished();
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe");
    QTemporaryDir scratch;
    const QString prefix = scratch.filePath(QStringLiteral("prefix"));
    if (QProcess::execute(QStringLiteral("bash"), {QStringLiteral(MAV_SOURCE_DIR "/scripts/make-demo-prefix.sh"), prefix}) != 0)
        return 1;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    environment.insert(QStringLiteral("HOME"), scratch.path());
    environment.insert(QStringLiteral("XDG_DOCUMENTS_DIR"), scratch.path());

    if (timeOneStart(probe, QStringLiteral("editor"), environment) < 0) {  // first start seeds the folder
        std::fprintf(stderr, "The editor did not start.\n");
        return 1;
    }
    std::vector<double> editor, minimal, withText;
    for (int i = 0; i < 20; ++i) {
        editor.push_back(timeOneStart(probe, QStringLiteral("editor"), environment));
        minimal.push_back(timeOneStart(probe, QStringLiteral("minimal"), environment));
        withText.push_back(timeOneStart(probe, QStringLiteral("button"), environment));
    }
    const double e = median(editor), m = median(minimal), t = median(withText);
    std::printf("mav-edit start to first paint:     median %.1f ms\n", e);
    std::printf("minimal window of the same size:   median %.1f ms\n", m);
    std::printf("the same with one captioned button: median %.1f ms\n", t);
    std::printf("ratio to the minimal window %.2f (goal at most 1.5), to the one with text %.2f\n", e / m, e / t);
    return 0;
}
