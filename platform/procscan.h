#pragma once

#include <QByteArray>
#include <QString>

// Finds running processes by executable name in a proc file system.
class ProcScan {
public:
    // procRoot is "/proc" on Linux; tests hand in a folder of the same layout.
    explicit ProcScan(QString procRoot = QStringLiteral("/proc"));

    // True when a process folder <procRoot>/<pid>/ names exeName in the first
    // argument of its "cmdline" or in its "comm". Names are reduced to the part
    // after the last "\", "/" or ":" and compared ignoring the case of a-z
    // only. Unreadable entries count as not matching; every failure gives false.
    bool IsProcessRunning(const QString& exeName) const;

    // The file-name part of a process's executable name as the matching uses it.
    static QString FileNamePart(const QString& name);

    // True when the names are equal after mapping a-z to A-Z, nothing else.
    static bool SameExecutableName(const QString& a, const QString& b);

private:
    QString procRoot_;
};
