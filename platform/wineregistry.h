#pragma once

#include <QByteArray>
#include <QString>

// One value looked up in a Wine registry file.
struct WineRegistryValue {
    enum class Type {
        Missing,       // no such key or value, or a line Wine itself would not load
        String,        // "..." or str:"..." (REG_SZ)
        ExpandString,  // str(2):"..." (REG_EXPAND_SZ), returned unexpanded
        Other,         // dword:, hex:, hex(n):, str(7): and every other type
    };
    Type type = Type::Missing;
    QString text;     // String and ExpandString: the text up to its first NUL
    QString typeTag;  // Other: the type as written before ":", for messages
};

// Reads the text files in which Wine keeps a registry hive (system.reg holds
// HKEY_LOCAL_MACHINE). Key sections start with "[escaped\\key\\path] time",
// values follow as "name"=data or @=data.
class WineRegistry {
public:
    // Looks up valueName ("" for the default value) in the section of keyPath
    // (relative to the hive, separated by single "\"). Key paths and value
    // names compare ignoring the case of A-Z only.
    static WineRegistryValue Find(const QByteArray& fileBytes, const QString& keyPath, const QString& valueName);

    // Decodes the escapes Wine writes: \\ \" \a \b \t \n \v \f \r \e, octal
    // \0 to \377 with up to three digits, and \x with up to four hex digits for
    // one UTF-16 unit; any other escaped character stands for itself. Reads
    // from *pos up to the unescaped terminator and leaves *pos behind it.
    // Returns false when the terminator is missing.
    static bool Unescape(QStringView line, qsizetype* pos, QChar terminator, QString* text);
};
