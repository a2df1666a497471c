#pragma once
// An overview of all pictures, enlarged, for looking them over.

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

// Lays the pictures out in rows, each scaled by `zoom`, with its label below.
QImage makeContactSheet(const std::vector<std::pair<QString, QImage>> &pictures, int zoom);
