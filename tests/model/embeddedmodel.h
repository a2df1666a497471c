#pragma once

#include "linelist.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

// The bytes of the embedded pristine model, as the program carries them.
inline QByteArray EmbeddedModelBytes(const char* item = "NewModell")
{
    QFile resource(QStringLiteral(":/RT_RCDATA/") + QLatin1String(item));
    EXPECT_TRUE(resource.open(QIODevice::ReadOnly)) << item;
    return resource.readAll();
}

inline LineList EmbeddedModel()
{
    return LineList::fromBytes(EmbeddedModelBytes());
}
