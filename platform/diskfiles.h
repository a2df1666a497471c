#pragma once

#include "files.h"

// Files on the local disk. The file name of a path, and the names of folders
// that do not exist as written, are matched without regard to letter case, as
// in the game's Windows folders: an existing "TreeImage.index" is found, read
// and rewritten under its own name for the path ".../TreeImage.Index", never
// joined by a second file, and ".../Model/x" finds ".../model/x".
class DiskFiles : public Files {
public:
    bool exists(const QString& path) const override;
    bool read(const QString& path, QByteArray* bytes, QString* error) const override;
    bool write(const QString& path, const QByteArray& bytes, QString* error) override;
    bool move(const QString& from, const QString& to) override;

    // The existing entry that path names when its components are compared
    // without regard to letter case; for a missing file, the path in the
    // matched folder; path itself when even the folder is missing.
    static QString resolve(const QString& path);
};
