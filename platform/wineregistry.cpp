#include "wineregistry.h"

#include <QStringList>

namespace {

char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

bool equalIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i].unicode()) != asciiUpper(b[i].unicode()))
            return false;
    }
    return true;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isOctalDigit(QChar c)
{
    return c >= u'0' && c <= u'7';
}

QChar simpleEscape(QChar c)
{
    switch (c.unicode()) {
    case u'a': return QChar(7);
    case u'b': return QChar(8);
    case u't': return QChar(9);
    case u'n': return QChar(10);
    case u'v': return QChar(11);
    case u'f': return QChar(12);
    case u'r': return QChar(13);
    case u'e': return QChar(27);
    default: return c;
    }
}

QString upToFirstNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

void skipSpaces(QStringView line, qsizetype* pos)
{
    while (*pos < line.size() && (line[*pos] == u' ' || line[*pos] == u'\t'))
        ++*pos;
}

// Parses the data after "=": a quoted string with an optional str: / str(2):
// tag, or any other type.
WineRegistryValue parseData(QStringView line, qsizetype pos)
{
    struct StringTag {
        QStringView prefix;
        WineRegistryValue::Type type;
    };
    static const StringTag kStringTags[] = {
        {u"\"", WineRegistryValue::Type::String},
        {u"str:\"", WineRegistryValue::Type::String},
        {u"str(2):\"", WineRegistryValue::Type::ExpandString},
    };
    const QStringView data = line.sliced(pos);
    for (const StringTag& tag : kStringTags) {
        if (!data.startsWith(tag.prefix))
            continue;
        qsizetype at = pos + tag.prefix.size();
        QString text;
        if (!WineRegistry::Unescape(line, &at, u'"', &text))
            return {};
        WineRegistryValue value;
        value.type = tag.type;
        value.text = upToFirstNul(text);
        return value;
    }
    WineRegistryValue value;
    value.type = WineRegistryValue::Type::Other;
    const qsizetype colon = data.indexOf(u':');
    value.typeTag = (colon < 0 ? data : data.first(colon)).trimmed().toString();
    return value;
}

}  // namespace

bool WineRegistry::Unescape(QStringView line, qsizetype* pos, QChar terminator, QString* text)
{
    qsizetype i = *pos;
    QString out;
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == terminator) {
            *pos = i + 1;
            *text = out;
            return true;
        }
        if (c != u'\\') {
            out += c;
            ++i;
            continue;
        }
        ++i;  // the backslash
        if (i >= line.size())
            break;
        const QChar e = line[i];
        if (e == u'x' && i + 1 < line.size() && hexDigit(line[i + 1]) >= 0) {
            ++i;
            int unit = 0;
            for (int digits = 0; digits < 4 && i < line.size() && hexDigit(line[i]) >= 0; ++digits, ++i)
                unit = unit * 16 + hexDigit(line[i]);
            out += QChar(char16_t(unit));
        } else if (isOctalDigit(e)) {
            int unit = 0;
            for (int digits = 0; digits < 3 && i < line.size() && isOctalDigit(line[i]); ++digits, ++i)
                unit = unit * 8 + (line[i].unicode() - u'0');
            out += QChar(char16_t(unit));
        } else {
            out += simpleEscape(e);
            ++i;
        }
    }
    return false;
}

WineRegistryValue WineRegistry::Find(const QByteArray& fileBytes, const QString& keyPath, const QString& valueName)
{
    // Wine writes every character above 127 as an escape, so the file is
    // ASCII; other bytes are taken one for one, as Wine reads them.
    const QString text = QString::fromLatin1(fileBytes);
    const QStringList lines = text.split(u'\n');
    bool inWantedKey = false;
    for (const QString& rawLine : lines) {
        QStringView line = QStringView(rawLine).trimmed();
        if (line.isEmpty())
            continue;
        if (line.front() == u'[') {
            qsizetype pos = 1;
            QString key;
            inWantedKey = Unescape(line, &pos, u']', &key) && equalIgnoringAsciiCase(key, keyPath);
            continue;
        }
        if (!inWantedKey)
            continue;
        qsizetype pos = 0;
        QString name;
        if (line.front() == u'@') {
            pos = 1;
        } else if (line.front() == u'"') {
            pos = 1;
            if (!Unescape(line, &pos, u'"', &name))
                continue;
        } else {
            continue;  // "#time=", hex continuation lines and comments
        }
        if (!equalIgnoringAsciiCase(name, valueName))
            continue;
        skipSpaces(line, &pos);
        if (pos >= line.size() || line[pos] != u'=')
            continue;
        ++pos;
        skipSpaces(line, &pos);
        WineRegistryValue value = parseData(line, pos);
        if (value.type != WineRegistryValue::Type::Missing)
            return value;
    }
    return {};
}
