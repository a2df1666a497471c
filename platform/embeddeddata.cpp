#include "embeddeddata.h"

#include "host.h"

#include <QFile>

bool ReadEmbeddedItem(const QString& group, const QString& item, QByteArray* bytes, QString* error)
{
    QFile resource(QStringLiteral(":/%1/%2").arg(group, item));
    if (!resource.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die eingebetteten Daten \"%1\" der Gruppe \"%2\" fehlen.").arg(item, group);
        return false;
    }
    if (bytes)
        *bytes = resource.readAll();
    return true;
}

bool WriteEmbeddedManual(Host& host, const QString& path, QString* error)
{
    QByteArray manual;
    if (!host.EmbeddedData(QStringLiteral("RT_RCDATA"), QStringLiteral("PDF"), &manual, error))
        return false;
    return host.files().write(path, manual, error);
}
