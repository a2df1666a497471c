#pragma once

#include "host.h"
#include "recordingfiles.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

// A scripted host for tests: rights, processes, registry, documents folder,
// font outcome and message-box answers are set by the test; every call is
// counted and every message box recorded. Files are real (on the test's
// temporary folders) and logged.
class FakeHost : public Host {
public:
    // --- script -----------------------------------------------------------
    bool admin = true;
    QStringList runningProcesses;  // executable names, matched ignoring the case of a-z
    QString documentsFolder;       // GetSpecialFolderPath(5); empty: unresolvable
    int fontHandle = 1;            // what AddFontMemResource returns, negative too
    QList<MessageAnswer> answers;  // answers in order; when used up: Ok, or Yes for Yes/No

    // Registry values under HKEY_LOCAL_MACHINE; key paths ignore letter case.
    void setRegistryString(const QString& keyPath, const QString& valueName, const QString& text);
    void setRegistryExpandString(const QString& keyPath, const QString& valueName, const QString& text);
    // A value of a non-string type, e.g. "dword": reading it is an error.
    void setRegistryOtherType(const QString& keyPath, const QString& valueName, const QString& typeTag);
    void clearRegistry();

    // HostPathOf returns the mapped folder for windowsPath; unmapped paths
    // come back as they are. Both with a trailing "/" ensured; a mapping to
    // empty text makes the path unmappable.
    void setHostPath(const QString& windowsPath, const QString& hostPath);

    // Embedded items default to the program's resources; these override them.
    void setEmbedded(const QString& group, const QString& item, const QByteArray& bytes);
    void markEmbeddedMissing(const QString& group, const QString& item);

    // --- record -----------------------------------------------------------
    struct ShownMessage {
        QString text;
        QString title;
        MessageKind kind;
    };
    QList<ShownMessage> messages;

    struct CallCounts {
        int isUserAdmin = 0;
        int isProcessRunning = 0;
        int readRegistryString = 0;
        int hostPathOf = 0;
        int getSpecialFolderPath = 0;
        int extractManual = 0;
        int embeddedData = 0;
        int addFontMemResource = 0;
        int showMessage = 0;
        int endProcess = 0;
    };
    CallCounts calls;
    QStringList processQueries;          // names asked of IsProcessRunning
    QStringList registryQueries;         // "key|value" asked of ReadRegistryString
    QStringList embeddedQueries;         // "group/item" asked of EmbeddedData
    QList<QByteArray> registeredFonts;   // bytes handed to AddFontMemResource
    QStringList extractedManuals;        // paths handed to ExtractManual
    RecordingFiles& recordingFiles() { return files_; }
    const RecordingFiles& recordingFiles() const { return files_; }

    // --- Host -------------------------------------------------------------
    bool IsUserAdmin() override;
    bool IsProcessRunning(const QString& exeName) override;
    bool ReadRegistryString(const QString& keyPath, const QString& valueName, QString* value,
                            QString* error) override;
    QString HostPathOf(const QString& registeredPath) override;
    QString GetSpecialFolderPath(int csidl) override;
    bool ExtractManual(const QString& path, QString* error) override;
    Files& files() override { return files_; }
    bool EmbeddedData(const QString& group, const QString& item, QByteArray* bytes, QString* error) override;
    int AddFontMemResource(const QByteArray& fontBytes) override;
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageKind kind) override;
    void EndProcess() override;

private:
    enum class ValueType { String, ExpandString, Other };
    struct RegistryEntry {
        ValueType type;
        QString data;  // the text, or the type tag of another type
    };
    static QString registryId(const QString& keyPath, const QString& valueName);
    static QString itemId(const QString& group, const QString& item);

    QHash<QString, RegistryEntry> registry_;
    QHash<QString, QString> hostPaths_;
    QHash<QString, QByteArray> embedded_;
    QSet<QString> missingItems_;
    RecordingFiles files_;
};
