#include "linuxhost.h"

#include "embeddeddata.h"
#include "winepaths.h"
#include "wineregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kDocumentsFolder = 5;

// Buttons, icon, default and escape answer of each message kind.
struct MessageLayout {
    MessageKind kind;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
    QMessageBox::StandardButton buttons[2];
};

constexpr MessageLayout kMessageLayouts[] = {
    {MessageKind::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
     {QMessageBox::Ok, QMessageBox::NoButton}},
    {MessageKind::YesNoQuestion, QMessageBox::Question, QMessageBox::Yes, QMessageBox::No,
     {QMessageBox::Yes, QMessageBox::No}},
    {MessageKind::OkCancelQuestion, QMessageBox::Question, QMessageBox::Cancel, QMessageBox::Cancel,
     {QMessageBox::Ok, QMessageBox::Cancel}},
};

// The interface is German whatever translations the machine has.
QString germanCaption(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return QStringLiteral("OK");
    case QMessageBox::Cancel: return QStringLiteral("Abbrechen");
    case QMessageBox::Yes: return QStringLiteral("Ja");
    case QMessageBox::No: return QStringLiteral("Nein");
    default: return {};
    }
}

MessageAnswer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

const MessageLayout& layoutOf(MessageKind kind)
{
    for (const MessageLayout& layout : kMessageLayouts) {
        if (layout.kind == kind)
            return layout;
    }
    return kMessageLayouts[0];
}

QString fullKeyName(const QString& keyPath)
{
    return QStringLiteral("HKEY_LOCAL_MACHINE\\") + keyPath;
}

// "SOFTWARE\x" -> "SOFTWARE\Wow6432Node\x"; empty for keys outside SOFTWARE.
QString wow64KeyOf(const QString& keyPath)
{
    const QString software = QStringLiteral("SOFTWARE\\");
    if (!keyPath.startsWith(software, Qt::CaseInsensitive))
        return {};
    return keyPath.left(software.size()) + QStringLiteral("Wow6432Node\\") + keyPath.mid(software.size());
}

}  // namespace

LinuxHost::LinuxHost() : LinuxHost(DefaultPrefix(), QStringLiteral("/proc")) {}

LinuxHost::LinuxHost(QString prefix, QString procRoot) : prefix_(std::move(prefix)), procScan_(std::move(procRoot))
{
}

QString LinuxHost::DefaultPrefix()
{
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnvironment.isEmpty())
        return QFileInfo(fromEnvironment).absoluteFilePath();
    return QDir::home().filePath(QStringLiteral(".wine"));
}

bool LinuxHost::IsAdminFor(const QString& prefix, unsigned effectiveUser)
{
    if (effectiveUser == 0)
        return true;
    struct stat info {};
    if (::stat(QFile::encodeName(prefix).constData(), &info) != 0)
        return true;  // no prefix: the installation check reports the missing game
    return info.st_uid == effectiveUser;
}

bool LinuxHost::IsUserAdmin()
{
    return IsAdminFor(prefix_, ::geteuid());
}

bool LinuxHost::IsProcessRunning(const QString& exeName)
{
    return procScan_.IsProcessRunning(exeName);
}

bool LinuxHost::ReadRegistryString(const QString& keyPath, const QString& valueName, QString* value, QString* error)
{
    QString ignored;
    if (!value)
        value = &ignored;
    if (!error)
        error = &ignored;
    value->clear();
    const QString path = QDir(prefix_).filePath(QStringLiteral("system.reg"));
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Die Registrierungsdatei \"%1\" konnte nicht gelesen werden: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    WineRegistryValue found = WineRegistry::Find(bytes, keyPath, valueName);
    if (found.type == WineRegistryValue::Type::Missing) {
        const QString wow64Key = wow64KeyOf(keyPath);
        if (!wow64Key.isEmpty())
            found = WineRegistry::Find(bytes, wow64Key, valueName);
    }
    switch (found.type) {
    case WineRegistryValue::Type::Missing:
        return true;
    case WineRegistryValue::Type::String:
    case WineRegistryValue::Type::ExpandString:
        *value = found.text;
        return true;
    case WineRegistryValue::Type::Other:
        break;
    }
    *error = QStringLiteral("Der Registrierungswert \"%1\" des Schlüssels \"%2\" in \"%3\" ist keine Zeichenkette "
                            "(Typ \"%4\").")
                 .arg(valueName, fullKeyName(keyPath), QDir::toNativeSeparators(path), found.typeTag);
    return false;
}

QString LinuxHost::HostPathOf(const QString& registeredPath)
{
    return WinePaths::HostFolderOf(prefix_, registeredPath);
}

QString LinuxHost::GetSpecialFolderPath(int csidl)
{
    if (csidl != kDocumentsFolder)
        return {};
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir())
        return {};
    while (documents.size() > 1 && documents.endsWith(u'/'))
        documents.chop(1);
    return documents;
}

bool LinuxHost::ExtractManual(const QString& path, QString* error)
{
    return WriteEmbeddedManual(*this, path, error);
}

bool LinuxHost::EmbeddedData(const QString& group, const QString& item, QByteArray* bytes, QString* error)
{
    return ReadEmbeddedItem(group, item, bytes, error);
}

int LinuxHost::AddFontMemResource(const QByteArray& fontBytes)
{
    const int id = QFontDatabase::addApplicationFontFromData(fontBytes);
    return id >= 0 ? id + 1 : 0;
}

MessageAnswer LinuxHost::ShowMessage(const QString& text, const QString& title, MessageKind kind)
{
    const MessageLayout& layout = layoutOf(kind);
    QMessageBox box(layout.icon, title, text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    for (const QMessageBox::StandardButton button : layout.buttons) {
        if (button == QMessageBox::NoButton)
            continue;
        box.addButton(button)->setText(germanCaption(button));
    }
    box.setDefaultButton(layout.defaultButton);
    box.setEscapeButton(layout.escapeButton);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return answerOf(layout.escapeButton);
    return answerOf(box.standardButton(const_cast<QAbstractButton*>(clicked)));
}

void LinuxHost::EndProcess()
{
    std::fflush(nullptr);
    std::exit(0);
}
