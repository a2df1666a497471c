#pragma once

#include "files.h"

#include <QByteArray>
#include <QString>

// The three kinds of message box the program shows.
enum class MessageKind {
    Error,             // OK, error icon, title "Fehler"
    YesNoQuestion,     // Yes (default) and No, question icon
    OkCancelQuestion,  // OK and Cancel (default), question icon
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

// The services the program asks of the operating system. Everything above
// platform/ takes a Host, so tests hand in FakeHost.
class Host {
public:
    virtual ~Host() = default;

    // True when the user may change the game's installation.
    virtual bool IsUserAdmin() = 0;

    // True when a running process has the executable name exeName (the case
    // of a-z ignored).
    virtual bool IsProcessRunning(const QString& exeName) = 0;

    // Reads a string value under HKEY_LOCAL_MACHINE. A missing key or value
    // gives true and empty text; a value that is not a string gives false and
    // a German *error.
    virtual bool ReadRegistryString(const QString& keyPath, const QString& valueName, QString* value,
                                    QString* error) = 0;

    // Maps a registered Windows folder of the game to the host folder, ending in "/".
    virtual QString HostPathOf(const QString& registeredPath) = 0;

    // The shell folder's path without a trailing "/"; only 5 (documents) is
    // used. Empty text when the folder cannot be resolved.
    virtual QString GetSpecialFolderPath(int csidl) = 0;

    // Writes the embedded manual to path. Returns false and sets *error on failure.
    virtual bool ExtractManual(const QString& path, QString* error) = 0;

    virtual Files& files() = 0;

    // The bytes of the embedded item; false and a German *error when missing.
    virtual bool EmbeddedData(const QString& group, const QString& item, QByteArray* bytes, QString* error) = 0;

    // Registers the font bytes for this process. Returns the handle: greater
    // than 0 on success, 0 on failure.
    virtual int AddFontMemResource(const QByteArray& fontBytes) = 0;

    // Shows a modal message box and returns the pressed button. Escape and
    // closing the box answer No or Cancel.
    virtual MessageAnswer ShowMessage(const QString& text, const QString& title, MessageKind kind) = 0;

    // Ends the process with exit status 0; nothing is written.
    virtual void EndProcess() = 0;
};
