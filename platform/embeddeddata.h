#pragma once

#include <QByteArray>
#include <QString>

class Host;

// The embedded item ":/<group>/<item>". Returns false and sets *error
// (German, naming item and group) when it is missing.
bool ReadEmbeddedItem(const QString& group, const QString& item, QByteArray* bytes, QString* error);

// Writes the embedded manual (item "PDF" of group "RT_RCDATA", taken through
// host.EmbeddedData) to path, whole and atomically through host.files().
// Returns false and sets *error when the item is missing or writing failed.
bool WriteEmbeddedManual(Host& host, const QString& path, QString* error);
