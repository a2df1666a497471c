#pragma once

#include "diskfiles.h"
#include "host.h"
#include "procscan.h"

#include <QString>

// The host services on Linux, for a game installed in a Wine prefix: the
// registry is the prefix's system.reg, Windows paths map through the prefix's
// dosdevices links, the running game is found in /proc.
class LinuxHost : public Host {
public:
    // The prefix from $WINEPREFIX, else ~/.wine; processes from /proc.
    LinuxHost();
    // A given prefix folder and proc root, for tests.
    LinuxHost(QString prefix, QString procRoot);

    // $WINEPREFIX when set and not empty, else the home folder's ".wine".
    static QString DefaultPrefix();

    // The rule of IsUserAdmin for a given effective user: root, or the owner
    // of the prefix folder. A prefix folder that does not exist passes, so the
    // installation check reports the missing game instead.
    static bool IsAdminFor(const QString& prefix, unsigned effectiveUser);

    const QString& prefix() const { return prefix_; }

    bool IsUserAdmin() override;
    bool IsProcessRunning(const QString& exeName) override;
    // Reads HKEY_LOCAL_MACHINE from <prefix>/system.reg. When the key is
    // missing there, the 32-bit view under "Software\Wow6432Node" is tried,
    // where 32-bit installers in 64-bit prefixes register. An existing
    // system.reg that cannot be read is an error, not a missing value.
    bool ReadRegistryString(const QString& keyPath, const QString& valueName, QString* value,
                            QString* error) override;
    // "X:\a\b" maps through <prefix>/dosdevices/x: with every component
    // matched without regard to letter case; "/..." is taken as it is. Empty
    // text when the path cannot be mapped (no such drive, a relative path).
    QString HostPathOf(const QString& registeredPath) override;
    // 5: the XDG documents folder, only when it exists as a folder; the
    // program never guesses another place. Empty text otherwise.
    QString GetSpecialFolderPath(int csidl) override;
    bool ExtractManual(const QString& path, QString* error) override;
    Files& files() override { return files_; }
    bool EmbeddedData(const QString& group, const QString& item, QByteArray* bytes, QString* error) override;
    // The font database's id + 1, so that success is greater than 0; 0 on failure.
    int AddFontMemResource(const QByteArray& fontBytes) override;
    // A QMessageBox owned by the active window, modal to the application.
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageKind kind) override;
    // std::exit(0).
    void EndProcess() override;

private:
    QString prefix_;
    ProcScan procScan_;
    DiskFiles files_;
};
