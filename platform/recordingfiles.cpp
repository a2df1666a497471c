#include "recordingfiles.h"

bool RecordingFiles::exists(const QString& path) const
{
    calls_.append({Operation::Exists, path, {}});
    return disk_.exists(path);
}

bool RecordingFiles::read(const QString& path, QByteArray* bytes, QString* error) const
{
    calls_.append({Operation::Read, path, {}});
    return disk_.read(path, bytes, error);
}

bool RecordingFiles::write(const QString& path, const QByteArray& bytes, QString* error)
{
    calls_.append({Operation::Write, path, {}});
    return disk_.write(path, bytes, error);
}

bool RecordingFiles::move(const QString& from, const QString& to)
{
    calls_.append({Operation::Move, from, to});
    return disk_.move(from, to);
}

QStringList RecordingFiles::pathsOf(Operation operation) const
{
    QStringList paths;
    for (const Call& call : calls_) {
        if (call.operation == operation)
            paths.append(call.path);
    }
    return paths;
}
