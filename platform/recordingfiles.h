#pragma once

#include "diskfiles.h"

#include <QList>
#include <QStringList>

// Real disk access that logs every call, so tests can tell which files a
// sequence tested, read, wrote or moved, and in which order.
class RecordingFiles : public Files {
public:
    enum class Operation { Exists, Read, Write, Move };
    struct Call {
        Operation operation;
        QString path;
        QString target;  // Move: the new name
    };

    bool exists(const QString& path) const override;
    bool read(const QString& path, QByteArray* bytes, QString* error) const override;
    bool write(const QString& path, const QByteArray& bytes, QString* error) override;
    bool move(const QString& from, const QString& to) override;

    const QList<Call>& calls() const { return calls_; }
    // The paths of the calls of one operation, in call order.
    QStringList pathsOf(Operation operation) const;
    void clear() { calls_.clear(); }

private:
    DiskFiles disk_;
    mutable QList<Call> calls_;
};
