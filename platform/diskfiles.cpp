#include "diskfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

}  // namespace

QString DiskFiles::resolve(const QString& path)
{
    QFileInfo info(path);
    if (info.exists())
        return path;
    QDir folder = info.absoluteDir();
    bool resolvedParent = false;
    if (!folder.exists()) {
        // The folders above match without regard to letter case too ("model/").
        const QString resolvedFolder = resolve(info.absolutePath());
        if (!QFileInfo(resolvedFolder).isDir())
            return path;
        folder.setPath(resolvedFolder);
        resolvedParent = true;
    }
    const QString wanted = info.fileName();
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return resolvedParent ? folder.filePath(wanted) : path;
}

bool DiskFiles::exists(const QString& path) const
{
    const QFileInfo info(resolve(path));
    return info.exists() && !info.isDir();
}

bool DiskFiles::read(const QString& path, QByteArray* bytes, QString* error) const
{
    QFile file(resolve(path));
    if (QFileInfo(file.fileName()).isDir()) {
        setError(error, QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: Es ist ein Ordner.")
                            .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    if (bytes)
        *bytes = std::move(data);
    return true;
}

bool DiskFiles::write(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString target = resolve(path);
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only when everything was written, so a failed write never
    // leaves a truncated model file behind.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        setError(error, QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        file.cancelWriting();
    }
    return written;
}

bool DiskFiles::move(const QString& from, const QString& to)
{
    const QString source = resolve(from);
    if (!exists(source) || QFileInfo::exists(resolve(to)))
        return false;
    return QFile::rename(source, resolve(to));
}
