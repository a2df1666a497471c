#include "winepaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

bool isDriveLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

}  // namespace

QString WinePaths::MatchEntryCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString WinePaths::HostFolderOf(const QString& prefix, const QString& windowsPath)
{
    if (windowsPath.startsWith(u'/'))
        return withTrailingSlash(windowsPath);
    if (windowsPath.size() < 2 || !isDriveLetter(windowsPath[0]) || windowsPath[1] != u':')
        return {};
    if (windowsPath.size() > 2 && windowsPath[2] != u'\\' && windowsPath[2] != u'/')
        return {};  // "C:Games" is relative to the drive's current folder

    const QString driveLink = QDir(prefix).filePath(QStringLiteral("dosdevices/%1:").arg(windowsPath[0].toLower()));
    const QString driveRoot = QFileInfo(driveLink).canonicalFilePath();
    if (driveRoot.isEmpty())
        return {};

    QStringList components;
    QString rest = windowsPath.mid(2);
    rest.replace(u'\\', u'/');
    const QStringList parts = rest.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!components.isEmpty())
                components.removeLast();
            continue;
        }
        components.append(part);
    }

    QString folder = driveRoot;
    for (const QString& component : components)
        folder = QDir(folder).filePath(MatchEntryCase(folder, component));
    return withTrailingSlash(folder);
}
