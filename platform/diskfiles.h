#pragma once

#include "files.h"

// Files on the local disk. The last component of a path is matched without
// regard to letter case, as the game's Windows folders are: an existing
// "TreeImage.index" is found, read and rewritten under its own name for the
// path ".../TreeImage.Index", never joined by a second file.
class DiskFiles : public Files {
public:
    bool exists(const QString& path) const override;
    bool read(const QString& path, QByteArray* bytes, QString* error) const override;
    bool write(const QString& path, const QByteArray& bytes, QString* error) override;
    bool move(const QString& from, const QString& to) override;

    // The existing file that path names when its file name is compared without
    // regard to letter case, or path itself when there is none.
    static QString resolve(const QString& path);
};
