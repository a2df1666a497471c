#include "linelist.h"

#include "files.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Characters of the bytes 0x80-0x9F. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same number, which keeps them intact.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QByteArray kUtf8Mark("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LEMark("\xFF\xFE", 2);
const QByteArray kUtf16BEMark("\xFE\xFF", 2);

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

}  // namespace

// Both conversions first treat the text as Latin-1, which the compiler turns
// into wide vector code, and only then look up the few characters of the
// bytes 0x80-0x9F; the model is written on every store.

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    bool highControls = false;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = in[i];
        highControls |= (in[i] & 0xE0) == 0x80;
    }
    if (highControls) {
        for (qsizetype i = 0; i < size; ++i) {
            if ((in[i] & 0xE0) == 0x80)
                out[i] = kHighControls[in[i] - 0x80];
        }
    }
    return text;
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    bool special = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        out[i] = char(c);
        special |= (c > 0xFF) | ((c & 0xFFE0) == 0x80);
    }
    if (!special)
        return bytes;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        if (c <= 0xFF && (c & 0xFFE0) != 0x80)
            continue;
        out[i] = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHighControls[k] == c) {
                out[i] = char(0x80 + k);
                break;
            }
        }
    }
    return bytes;
}

LineList LineList::fromBytes(const QByteArray& bytes)
{
    LineList list;
    QString text;
    // The mark is cut off here; the decoders must keep a second one as text.
    constexpr auto keepMarks = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    auto decode = [&](QStringConverter::Encoding encoding, qsizetype markSize) {
        QStringDecoder decoder(encoding, keepMarks);
        return QString(decoder(QByteArrayView(bytes).sliced(markSize)));
    };
    if (bytes.startsWith(kUtf8Mark)) {
        list.encoding_ = TextEncoding::Utf8;
        text = decode(QStringConverter::Utf8, kUtf8Mark.size());
    } else if (bytes.startsWith(kUtf16LEMark)) {
        list.encoding_ = TextEncoding::Utf16LE;
        text = decode(QStringConverter::Utf16LE, kUtf16LEMark.size());
    } else if (bytes.startsWith(kUtf16BEMark)) {
        list.encoding_ = TextEncoding::Utf16BE;
        text = decode(QStringConverter::Utf16BE, kUtf16BEMark.size());
    } else {
        list.encoding_ = TextEncoding::Windows1252;
        text = decodeWindows1252(bytes);
    }
    list.lines_ = splitLines(text);
    return list;
}

QByteArray LineList::toBytes() const
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines_)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines_) {
        text += line;
        text += QLatin1String("\r\n");
    }
    switch (encoding_) {
    case TextEncoding::Utf8:
        return kUtf8Mark + text.toUtf8();
    case TextEncoding::Utf16LE: {
        QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::Stateless);
        return kUtf16LEMark + QByteArray(encoder(text));
    }
    case TextEncoding::Utf16BE: {
        QStringEncoder encoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::Stateless);
        return kUtf16BEMark + QByteArray(encoder(text));
    }
    case TextEncoding::Windows1252:
        break;
    }
    return encodeWindows1252(text);
}

bool LineList::readFile(const Files& files, const QString& path, QString* error)
{
    QByteArray bytes;
    if (!files.read(path, &bytes, error))
        return false;
    *this = fromBytes(bytes);
    return true;
}

bool LineList::writeFile(Files& files, const QString& path, QString* error) const
{
    return files.write(path, toBytes(), error);
}

bool LineList::readResource(const QString& group, const QString& item, QString* error)
{
    QFile resource(QStringLiteral(":/%1/%2").arg(group, item));
    if (!resource.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die eingebetteten Daten \"%1\" der Gruppe \"%2\" fehlen.").arg(item, group);
        return false;
    }
    *this = fromBytes(resource.readAll());
    return true;
}
