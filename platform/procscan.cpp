#include "procscan.h"

#include "asciicase.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <utility>

namespace {

// cmdline and comm are small; a cap keeps a hostile entry from costing memory.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

bool isProcessFolderName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QByteArray readEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kMaxEntryBytes);
}

// The executable names a process folder offers: the first argument of its
// command line (Wine puts the Windows path of the program there) and comm.
QStringList namesOf(const QString& processFolder)
{
    QStringList names;
    const QByteArray cmdline = readEntry(processFolder + QStringLiteral("/cmdline"));
    const qsizetype nul = cmdline.indexOf('\0');
    const QByteArray first = nul < 0 ? cmdline : cmdline.left(nul);
    if (!first.isEmpty())
        names.append(QString::fromLocal8Bit(first));
    QByteArray comm = readEntry(processFolder + QStringLiteral("/comm"));
    while (comm.endsWith('\n') || comm.endsWith('\0'))
        comm.chop(1);
    if (!comm.isEmpty())
        names.append(QString::fromLocal8Bit(comm));
    return names;
}

}  // namespace

ProcScan::ProcScan(QString procRoot) : procRoot_(std::move(procRoot)) {}

QString ProcScan::FileNamePart(const QString& name)
{
    qsizetype last = -1;
    for (const QChar separator : {QChar(u'\\'), QChar(u'/'), QChar(u':')})
        last = std::max(last, name.lastIndexOf(separator));
    return name.mid(last + 1);
}

bool ProcScan::SameExecutableName(const QString& a, const QString& b)
{
    return EqualIgnoringAsciiCase(a, b);
}

bool ProcScan::IsProcessRunning(const QString& exeName) const
{
    const QDir root(procRoot_);
    const QStringList entries = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (!isProcessFolderName(entry))
            continue;
        for (const QString& name : namesOf(root.filePath(entry))) {
            if (SameExecutableName(FileNamePart(name), exeName))
                return true;
        }
    }
    return false;
}
