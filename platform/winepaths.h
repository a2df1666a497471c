#pragma once

#include <QString>

// Maps the Windows paths a game registers inside a Wine prefix to host paths.
class WinePaths {
public:
    // "X:\a\b" (either separator) maps to the target of <prefix>/dosdevices/x:
    // followed by the components, each matched against the existing entries
    // without regard to letter case as Wine does; "." is dropped and ".."
    // steps up, never above the drive. A path starting with "/" is a host path
    // and stays as it is. The result ends in "/". Empty text when the drive
    // link is missing or the path is neither (relative, UNC).
    static QString HostFolderOf(const QString& prefix, const QString& windowsPath);

    // The entry of folder named name: name itself when it exists, else the
    // first entry (in name order) equal to it without regard to letter case,
    // else name unchanged.
    static QString MatchEntryCase(const QString& folder, const QString& name);
};
