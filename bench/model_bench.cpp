// Times the model store on the embedded model: load, show and store of one
// building and one house level, against a temporary folder.

#include "diskfiles.h"
#include "modelstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kRounds = 1000;

struct Element {
    const char* caption;
    int code;
};

// In microseconds.
double median(std::vector<qint64> nanos)
{
    std::nth_element(nanos.begin(), nanos.begin() + nanos.size() / 2, nanos.end());
    return nanos[nanos.size() / 2] / 1000.0;
}

// Median of kRounds runs, in microseconds.
double medianMicros(const std::function<void()>& step)
{
    std::vector<qint64> nanos;
    nanos.reserve(kRounds);
    QElapsedTimer timer;
    for (int round = 0; round < kRounds; ++round) {
        timer.start();
        step();
        nanos.push_back(timer.nsecsElapsed());
    }
    return median(std::move(nanos));
}

bool check(bool ok, const QString& error)
{
    if (!ok)
        std::fprintf(stderr, "bench_model: %s\n", qPrintable(error));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return check(false, QStringLiteral("no temporary folder")) ? 0 : 1;
    DiskFiles files;
    QString error;

    ModelStore store;
    if (!check(store.PristineModel.readResource(QStringLiteral("RT_RCDATA"), QStringLiteral("NewModell"), &error), error))
        return 1;
    store.ModelFilePath = folder.filePath(QStringLiteral("EmperorBuildingModels.txt"));
    const QByteArray modelBytes = store.PristineModel.toBytes();
    if (!check(files.write(store.ModelFilePath, modelBytes, &error), error))
        return 1;

    const double loadEmbedded = medianMicros([&] {
        LineList list;
        list.readResource(QStringLiteral("RT_RCDATA"), QStringLiteral("NewModell"), &error);
    });
    const double loadFile = medianMicros([&] { store.CurrentModel.readFile(files, store.ModelFilePath, &error); });

    std::printf("bench_model: %d rounds each, medians\n", kRounds);
    std::printf("  load embedded model          %8.1f us\n", loadEmbedded);
    std::printf("  load model file              %8.1f us\n", loadFile);

    const Element elements[] = {{"Bauernhaus", 15}, {"Geräumiges Haus", 104}};
    for (const Element& element : elements) {
        const QString caption = QString::fromUtf8(element.caption);
        const double show = medianMicros([&] { store.LoadElementRecords(caption, element.code); });
        // Stores and plain writes alternate, so both meet the same disk and load.
        const QByteArray bytes = store.CurrentModel.toBytes();
        std::vector<qint64> storeNanos;
        std::vector<qint64> writeNanos;
        QElapsedTimer timer;
        for (int round = 0; round < kRounds; ++round) {
            timer.start();
            const int row = FindElementRow(store.CurrentModel, caption);
            const int partner = FindPartnerRow(store.CurrentModel, element.code);
            const ElementKind kind = store.LoadElementRecords(caption, element.code);
            const bool stored = store.WriteElementRows(kind, row, partner, files, &error);
            storeNanos.push_back(timer.nsecsElapsed());
            if (!check(stored, error))
                return 1;
            timer.start();
            files.write(store.ModelFilePath, bytes, &error);
            writeNanos.push_back(timer.nsecsElapsed());
        }
        const double storeTime = median(storeNanos);
        const double plainWrite = median(writeNanos);
        const QByteArray label = caption.leftJustified(24).toLocal8Bit();
        std::printf("  %s show  %8.1f us\n", label.constData(), show);
        std::printf("  %s store %8.1f us (plain atomic write %8.1f us, ratio %.2f)\n", label.constData(), storeTime,
                    plainWrite, storeTime / plainWrite);
    }
    return 0;
}
