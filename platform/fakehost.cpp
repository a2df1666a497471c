#include "fakehost.h"

#include "embeddeddata.h"
#include "procscan.h"

namespace {

QString withTrailingSlash(QString path)
{
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

}  // namespace

QString FakeHost::registryId(const QString& keyPath, const QString& valueName)
{
    return keyPath.toUpper() + u'|' + valueName.toUpper();
}

QString FakeHost::itemId(const QString& group, const QString& item)
{
    return group + u'/' + item;
}

void FakeHost::setRegistryString(const QString& keyPath, const QString& valueName, const QString& text)
{
    registry_.insert(registryId(keyPath, valueName), {ValueType::String, text});
}

void FakeHost::setRegistryExpandString(const QString& keyPath, const QString& valueName, const QString& text)
{
    registry_.insert(registryId(keyPath, valueName), {ValueType::ExpandString, text});
}

void FakeHost::setRegistryOtherType(const QString& keyPath, const QString& valueName, const QString& typeTag)
{
    registry_.insert(registryId(keyPath, valueName), {ValueType::Other, typeTag});
}

void FakeHost::clearRegistry()
{
    registry_.clear();
}

void FakeHost::setHostPath(const QString& windowsPath, const QString& hostPath)
{
    hostPaths_.insert(windowsPath, hostPath);
}

void FakeHost::setEmbedded(const QString& group, const QString& item, const QByteArray& bytes)
{
    missingItems_.remove(itemId(group, item));
    embedded_.insert(itemId(group, item), bytes);
}

void FakeHost::markEmbeddedMissing(const QString& group, const QString& item)
{
    embedded_.remove(itemId(group, item));
    missingItems_.insert(itemId(group, item));
}

bool FakeHost::IsUserAdmin()
{
    ++calls.isUserAdmin;
    return admin;
}

bool FakeHost::IsProcessRunning(const QString& exeName)
{
    ++calls.isProcessRunning;
    processQueries.append(exeName);
    for (const QString& running : runningProcesses) {
        if (ProcScan::SameExecutableName(ProcScan::FileNamePart(running), exeName))
            return true;
    }
    return false;
}

bool FakeHost::ReadRegistryString(const QString& keyPath, const QString& valueName, QString* value, QString* error)
{
    ++calls.readRegistryString;
    registryQueries.append(keyPath + u'|' + valueName);
    if (value)
        value->clear();
    const auto found = registry_.constFind(registryId(keyPath, valueName));
    if (found == registry_.constEnd())
        return true;
    if (found->type == ValueType::Other) {
        if (error)
            *error = QStringLiteral("Der Registrierungswert \"%1\" des Schlüssels \"HKEY_LOCAL_MACHINE\\%2\" ist "
                                    "keine Zeichenkette (Typ \"%3\").")
                         .arg(valueName, keyPath, found->data);
        return false;
    }
    if (value)
        *value = found->data;
    return true;
}

QString FakeHost::HostPathOf(const QString& registeredPath)
{
    ++calls.hostPathOf;
    return withTrailingSlash(hostPaths_.value(registeredPath, registeredPath));
}

QString FakeHost::GetSpecialFolderPath(int csidl)
{
    ++calls.getSpecialFolderPath;
    return csidl == 5 ? documentsFolder : QString();
}

bool FakeHost::ExtractManual(const QString& path, QString* error)
{
    ++calls.extractManual;
    extractedManuals.append(path);
    return WriteEmbeddedManual(*this, path, error);
}

bool FakeHost::EmbeddedData(const QString& group, const QString& item, QByteArray* bytes, QString* error)
{
    ++calls.embeddedData;
    const QString id = itemId(group, item);
    embeddedQueries.append(id);
    if (missingItems_.contains(id)) {
        if (error)
            *error = QStringLiteral("Die eingebetteten Daten \"%1\" der Gruppe \"%2\" fehlen.").arg(item, group);
        return false;
    }
    const auto found = embedded_.constFind(id);
    if (found != embedded_.constEnd()) {
        if (bytes)
            *bytes = *found;
        return true;
    }
    return ReadEmbeddedItem(group, item, bytes, error);
}

int FakeHost::AddFontMemResource(const QByteArray& fontBytes)
{
    ++calls.addFontMemResource;
    registeredFonts.append(fontBytes);
    return fontHandle;
}

MessageAnswer FakeHost::ShowMessage(const QString& text, const QString& title, MessageKind kind)
{
    ++calls.showMessage;
    messages.append({text, title, kind});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return kind == MessageKind::YesNoQuestion ? MessageAnswer::Yes : MessageAnswer::Ok;
}

void FakeHost::EndProcess()
{
    ++calls.endProcess;
}
