#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access to the game's folders. Every operation that fails returns
// false and puts a German message naming the file and the system's reason
// into *error (when error is not null).
class Files {
public:
    virtual ~Files() = default;

    // True when a file (not a folder) exists at path; the file name part
    // matches without regard to letter case.
    virtual bool exists(const QString& path) const = 0;

    // Reads the whole file.
    virtual bool read(const QString& path, QByteArray* bytes, QString* error) const = 0;

    // Replaces the file whole and atomically: on failure the previous file
    // stays byte for byte as it was and no temporary file is left behind.
    virtual bool write(const QString& path, const QByteArray& bytes, QString* error) = 0;

    // Renames a file within its folder; fails when the target exists.
    virtual bool move(const QString& from, const QString& to) = 0;
};
