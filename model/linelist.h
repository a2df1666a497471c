#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Files;

// The text encodings a line list can be read in and is written back in.
enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE };

// An ordered list of text lines that remembers the encoding it was read with.
//
// Reading: a UTF-8, UTF-16 LE or UTF-16 BE byte-order mark selects that encoding
// and is dropped; anything else is Windows-1252. Lines end at CR LF, lone CR or
// lone LF; a last line without a line end is a line, a final line end adds no
// empty line.
// Writing: every line, the last one too, is followed by CR LF, in the remembered
// encoding, with the byte-order mark for UTF-8 and UTF-16.
class LineList {
public:
    LineList() = default;

    static LineList fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Replaces the lines and the encoding with those read from the file.
    // Returns false and sets *error (German, naming the file) when reading failed;
    // the list is then unchanged.
    bool readFile(const Files& files, const QString& path, QString* error);

    // Replaces the file whole and atomically. Returns false and sets *error when
    // writing failed; the previous file is then intact.
    bool writeFile(Files& files, const QString& path, QString* error) const;

    // Replaces lines and encoding with those of the embedded item ":/group/item".
    // Returns false and sets *error when the item is missing.
    bool readResource(const QString& group, const QString& item, QString* error);

    int count() const { return int(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QString& at(int index) const { return lines_.at(index); }
    // The line at index, or empty text for an index outside the list.
    QString value(int index) const { return lines_.value(index); }
    void replace(int index, const QString& text) { lines_[index] = text; }
    void append(const QString& text) { lines_.append(text); }
    void clear() { lines_.clear(); }
    const QStringList& lines() const { return lines_; }
    void setLines(const QStringList& lines) { lines_ = lines; }

    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

    friend bool operator==(const LineList&, const LineList&) = default;

private:
    QStringList lines_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
};

// Windows-1252 conversion that maps every byte 0x00-0xFF to one character and
// back, so any file read without a byte-order mark is written back unchanged.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(QStringView text);
