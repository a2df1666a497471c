#include "elementrecord.h"

#include <QStringList>
#include <QStringView>

namespace {

// After each cut the rest of a row is kept only this far.
constexpr qsizetype kCutLength = 150;

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

}  // namespace

QString TrimText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.sliced(begin, end - begin);
}

ElementRecord SplitRow(const QString& row, QString* remainder)
{
    ElementRecord record;
    QStringView rest(row);
    for (QString& slot : record.slot) {
        // position is 1-based, 0 when the rest holds no comma.
        const qsizetype position = rest.indexOf(u',') + 1;
        if (position > 1)
            slot = rest.first(position - 1).toString();
        rest = rest.sliced(position);
        if (rest.size() > kCutLength)
            rest = rest.first(kCutLength);
    }
    if (remainder)
        *remainder = rest.toString();
    return record;
}

QString JoinRow(const ElementRecord& record)
{
    QString row;
    row.reserve(160);
    for (const QString& slot : record.slot) {
        row += TrimText(slot);
        row += u',';
    }
    return row;
}

bool RowFitsRecord(const QString& row)
{
    const ElementRecord record = SplitRow(row);
    const QStringList fields = row.split(u',');
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (TrimText(fields.at(k)).isEmpty())
            continue;
        const bool commaTerminated = k + 1 < fields.size();
        if (!commaTerminated || k >= ElementRecord::kSlotCount || record.slot[k] != fields.at(k))
            return false;
    }
    return true;
}
