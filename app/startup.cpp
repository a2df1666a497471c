#include "startup.h"

#include "editorstate.h"
#include "files.h"
#include "host.h"
#include "linelist.h"

#include <QCoreApplication>

namespace {

const QString kErrorTitle = QStringLiteral("Fehler");
// Title of the box that shows an error raised by a later step.
const QString kGeneralErrorTitle = QStringLiteral("MAV Edit");

const QString kNoRightsMessage = QStringLiteral("Dieses Programm muss mit Administratorrechten gestartet werden.");
const QString kGameRunningMessage = QStringLiteral(
    "Das Spiel <Der erste Kaiser> wird ausgeführt. Bearbeitungen der Modelldateien werden erst nach einem "
    "Neustart des Spiels wirksam.");
const QString kNotInstalledMessage = QStringLiteral(
    "Es konnte keine Installation des Spiels <Der erste Kaiser> gefunden werden! Ohne eine korrekte "
    "Spielinstallation ist der MAV Editor nicht lauffähig. Der Programmstart wird abgebrochen.");

const QString kGameExe = QStringLiteral("Emperor.exe");
const QString kAppPathsKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe");
const QString kPathValue = QStringLiteral("Path");

const QString kDataGroup = QStringLiteral("RT_RCDATA");
const QString kFontGroup = QStringLiteral("China");

const QString kModelFile = QStringLiteral("EmperorBuildingModels.txt");
const QString kBackupFile = QStringLiteral("EmperorBuildingModels.bak");
// Tested in this spelling; the lookup ignores letter case, so it finds "TreeImage.Index".
const QString kStatusFileProbe = QStringLiteral("TreeImage.index");
const QString kManualFile = QStringLiteral("Sierra Modell Dateien.pdf");

constexpr int kDocumentsFolder = 5;

const FontChoice kDesignedFont{QStringLiteral("Formal436 BT"), 10};
const FontChoice kFallbackFont{QStringLiteral("Calibri"), 11};

void processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// The steps of the sequence with what they share. Each step that can fail
// returns false after putting the German reason into error.
class StartupSequence {
public:
    StartupSequence(Host& host, EditorState& state) : host_(host), files_(host.files()), state_(state) {}

    StartupResult run()
    {
        result_.font = kDesignedFont;
        if (!checkRights())
            return endProcess();
        warnWhenGameRuns();
        QString registered;
        if (!readInstallationPath(&registered))
            return fail();
        if (registered.isEmpty())
            return notInstalled();
        if (!setFolders(registered))
            return notInstalled();
        createLists();
        if (!loadPristineModel())
            return fail();
        if (!files_.exists(state_.GameDir + kGameExe))
            return notInstalled();
        makeBackupOnce();
        if (!seedModelFile() || !seedStatusFiles() || !loadLists() || !placeManual() || !chooseFont())
            return fail();
        result_.complete = true;
        return result_;
    }

private:
    bool checkRights()
    {
        if (host_.IsUserAdmin())
            return true;
        host_.ShowMessage(kNoRightsMessage, kErrorTitle, MessageKind::Error);
        return false;
    }

    void warnWhenGameRuns()
    {
        if (host_.IsProcessRunning(kGameExe))
            host_.ShowMessage(kGameRunningMessage, kErrorTitle, MessageKind::Error);
    }

    bool readInstallationPath(QString* registered)
    {
        return host_.ReadRegistryString(kAppPathsKey, kPathValue, registered, &error_);
    }

    // GameDir is the registered folder on this host; a path the host cannot
    // map counts as no installation.
    bool setFolders(const QString& registered)
    {
        QString gameDir = host_.HostPathOf(registered);
        if (gameDir.isEmpty())
            return false;
        if (!gameDir.endsWith(u'/'))
            gameDir += u'/';
        state_.GameDir = gameDir;
        state_.ModelDir = gameDir + QStringLiteral("Model/");
        state_.Model.ModelFilePath = state_.ModelFilePath();
        return true;
    }

    void createLists()
    {
        state_.Model.CurrentModel.clear();
        state_.Model.PristineModel.clear();
        state_.TreeStatus.clear();
    }

    bool readEmbedded(const QString& group, const QString& item, LineList* list)
    {
        QByteArray bytes;
        if (!host_.EmbeddedData(group, item, &bytes, &error_))
            return false;
        *list = LineList::fromBytes(bytes);
        return true;
    }

    bool loadPristineModel()
    {
        if (!readEmbedded(kDataGroup, QStringLiteral("NewModell"), &state_.Model.PristineModel))
            return false;
        state_.PristineLoaded = true;
        processPendingEvents();
        return true;
    }

    // The game's own file survives as the backup; a failed move leaves it in
    // place, and the next start-up tries again.
    void makeBackupOnce()
    {
        if (!files_.exists(state_.ModelDir + kBackupFile))
            files_.move(state_.ModelDir + kModelFile, state_.ModelDir + kBackupFile);
    }

    bool seedModelFile()
    {
        const QString modelPath = state_.ModelDir + kModelFile;
        if (files_.exists(modelPath))
            return true;
        LineList& current = state_.Model.CurrentModel;
        if (!readEmbedded(kDataGroup, QStringLiteral("DE_Modell"), &current)
            || !current.writeFile(files_, modelPath, &error_))
            return false;
        current.clear();
        processPendingEvents();
        return true;
    }

    bool seedStatusFiles()
    {
        if (files_.exists(state_.ModelDir + kStatusFileProbe))
            return true;
        LineList& status = state_.TreeStatus;
        if (!readEmbedded(kDataGroup, QStringLiteral("TreeImageIndex"), &status)
            || !status.writeFile(files_, state_.TreeStatusPath(), &error_)
            || !status.writeFile(files_, state_.ResetTreeStatusPath(), &error_))
            return false;
        status.clear();
        return true;
    }

    bool loadLists()
    {
        if (!state_.Model.CurrentModel.readFile(files_, state_.ModelFilePath(), &error_))
            return false;
        state_.ModelLoaded = true;
        if (!state_.TreeStatus.readFile(files_, state_.TreeStatusPath(), &error_))
            return false;
        state_.TreeStatusLoaded = true;
        return true;
    }

    // Without a documents folder there is nowhere safe to put the manual.
    bool placeManual()
    {
        const QString documents = host_.GetSpecialFolderPath(kDocumentsFolder);
        if (documents.isEmpty())
            return true;
        const QString path = documents + u'/' + kManualFile;
        if (files_.exists(path))
            return true;
        return host_.ExtractManual(path, &error_);
    }

    bool chooseFont()
    {
        QByteArray font;
        if (!host_.EmbeddedData(kFontGroup, QStringLiteral("TTF"), &font, &error_))
            return false;
        const int handle = host_.AddFontMemResource(font);
        if (handle > 0)
            result_.font = kDesignedFont;
        else if (handle == 0)
            result_.font = kFallbackFont;
        return true;
    }

    StartupResult endProcess()
    {
        result_.endProcess = true;
        host_.EndProcess();
        return result_;
    }

    StartupResult notInstalled()
    {
        host_.ShowMessage(kNotInstalledMessage, kErrorTitle, MessageKind::Error);
        return endProcess();
    }

    StartupResult fail()
    {
        if (error_.isEmpty())
            error_ = QStringLiteral("Der Programmstart ist fehlgeschlagen.");
        host_.ShowMessage(error_, kGeneralErrorTitle, MessageKind::Error);
        result_.error = error_;
        state_.StartupProblem = error_;
        return result_;
    }

    Host& host_;
    Files& files_;
    EditorState& state_;
    StartupResult result_;
    QString error_;
};

}  // namespace

StartupResult FormCreate(Host& host, EditorState& state)
{
    return StartupSequence(host, state).run();
}
