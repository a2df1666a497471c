#include "startup.h"

#include "editorstate.h"
#include "fakehost.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>

// Readable failure output for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using Operation = RecordingFiles::Operation;

const QString kKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe");
const QString kNoRights = QStringLiteral("Dieses Programm muss mit Administratorrechten gestartet werden.");
const QString kGameRunning = QStringLiteral(
    "Das Spiel <Der erste Kaiser> wird ausgeführt. Bearbeitungen der Modelldateien werden erst nach einem "
    "Neustart des Spiels wirksam.");
const QString kNotInstalled = QStringLiteral(
    "Es konnte keine Installation des Spiels <Der erste Kaiser> gefunden werden! Ohne eine korrekte "
    "Spielinstallation ist der MAV Editor nicht lauffähig. Der Programmstart wird abgebrochen.");
const QString kManual = QStringLiteral("Sierra Modell Dateien.pdf");

// Small stand-ins for the embedded items, so that each can be told apart on disk.
const QByteArray kPristine = "Gebäude\r\n1,Zelt,{,1,},\r\n";
const QByteArray kSeed = "Gebäude\r\n1,Zelt,{,2,},\r\n";
const QByteArray kGameFile = "the game's own model file\r\n";
const QByteArray kPdf = "%PDF-1.5 Handbuch";
const QByteArray kFont = "TrueType font bytes";

QByteArray repeatedLines(const char* line, int count, bool lastLineEnd)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += line;
        if (lastLineEnd || i + 1 < count)
            bytes += "\r\n";
    }
    return bytes;
}

// The embedded status block ends without a line end; written files end with one.
const QByteArray kEmbeddedStatus = repeatedLines("0", 161, false);
const QByteArray kSeededStatus = repeatedLines("0", 161, true);
const QByteArray kUserStatus = repeatedLines("1", 161, true);

std::optional<QByteArray> contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// One start-up with its own host and state, as one run of the program.
struct StartupRun {
    FakeHost host;
    EditorState state;
    StartupResult result;

    QStringList writes() const { return host.recordingFiles().pathsOf(Operation::Write); }
    QStringList moves() const { return host.recordingFiles().pathsOf(Operation::Move); }
};

// A game folder "Der erste Kaiser" with Emperor.exe and the game's own model
// file, registered under App Paths, and a documents folder.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        game = dir.filePath("Der erste Kaiser");
        modelDir = game + "/Model/";
        documents = dir.filePath("Dokumente");
        ASSERT_TRUE(QDir().mkpath(modelDir));
        ASSERT_TRUE(QDir().mkpath(documents));
        put(game + "/Emperor.exe", {});
        put(modelDir + "EmperorBuildingModels.txt", kGameFile);
    }

    std::unique_ptr<StartupRun> start(const std::function<void(FakeHost&)>& script = {})
    {
        auto run = std::make_unique<StartupRun>();
        FakeHost& host = run->host;
        host.setRegistryString(kKey, "Path", game);
        host.documentsFolder = documents;
        host.setEmbedded("RT_RCDATA", "NewModell", kPristine);
        host.setEmbedded("RT_RCDATA", "DE_Modell", kSeed);
        host.setEmbedded("RT_RCDATA", "TreeImageIndex", kEmbeddedStatus);
        host.setEmbedded("RT_RCDATA", "PDF", kPdf);
        host.setEmbedded("China", "TTF", kFont);
        if (script)
            script(host);
        run->result = FormCreate(host, run->state);
        return run;
    }

    std::optional<QByteArray> model(const char* name) const { return contentOf(modelDir + name); }

    static void expectCompleteWithoutMessages(const StartupRun& run)
    {
        EXPECT_TRUE(run.result.complete) << qPrintable(run.result.error);
        EXPECT_FALSE(run.result.endProcess);
        EXPECT_EQ(run.result.error, QString());
        EXPECT_EQ(run.state.StartupProblem, QString());
        EXPECT_EQ(run.host.messages.size(), 0);
        EXPECT_EQ(run.host.calls.endProcess, 0);
        EXPECT_TRUE(run.state.PristineLoaded && run.state.ModelLoaded && run.state.TreeStatusLoaded);
    }

    QTemporaryDir dir;
    QString game;
    QString modelDir;
    QString documents;
};

TEST_F(StartupTest, FirstStartUpBacksUpTheGameFileAndSeedsTheWorkspace)
{
    const auto run = start();
    expectCompleteWithoutMessages(*run);

    EXPECT_EQ(model("EmperorBuildingModels.bak"), kGameFile);
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kSeed);
    EXPECT_EQ(model("TreeImage.Index"), kSeededStatus);
    EXPECT_EQ(model("ResetTreeImage.Index"), kSeededStatus);
    EXPECT_EQ(entriesOf(modelDir), QStringList({"EmperorBuildingModels.bak", "EmperorBuildingModels.txt",
                                                "ResetTreeImage.Index", "TreeImage.Index"}));
    EXPECT_EQ(contentOf(documents + "/" + kManual), kPdf);

    EXPECT_EQ(run->state.GameDir, game + "/");
    EXPECT_EQ(run->state.ModelDir, modelDir);
    EXPECT_EQ(run->state.Model.ModelFilePath, modelDir + "EmperorBuildingModels.txt");
    EXPECT_EQ(run->state.Model.PristineModel, LineList::fromBytes(kPristine));
    EXPECT_EQ(run->state.Model.CurrentModel, LineList::fromBytes(kSeed));
    EXPECT_EQ(run->state.TreeStatus.count(), 161);
    EXPECT_EQ(run->state.TreeStatus.lines(), QStringList(161, "0"));
    EXPECT_EQ(run->host.processQueries, QStringList({"Emperor.exe"}));
    EXPECT_EQ(run->host.registryQueries, QStringList({kKey + "|Path"}));
}

TEST_F(StartupTest, SecondStartUpCreatesMovesAndRewritesNothing)
{
    start();
    put(modelDir + "EmperorBuildingModels.txt", "stored by the user\r\n");
    const auto second = start();
    expectCompleteWithoutMessages(*second);
    EXPECT_EQ(second->writes(), QStringList());
    EXPECT_EQ(second->moves(), QStringList());
    EXPECT_EQ(second->host.calls.extractManual, 0);
    EXPECT_EQ(model("EmperorBuildingModels.bak"), kGameFile);
    EXPECT_EQ(second->state.Model.CurrentModel, LineList::fromBytes("stored by the user\r\n"));
    EXPECT_EQ(second->state.TreeStatus.lines(), QStringList(161, "0"));
}

TEST_F(StartupTest, DeletedModelIsSeededAgainAndTheBackupStays)
{
    start();
    QFile::remove(modelDir + "EmperorBuildingModels.txt");
    const auto run = start();
    expectCompleteWithoutMessages(*run);
    EXPECT_EQ(run->moves(), QStringList());
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kSeed);
    EXPECT_EQ(model("EmperorBuildingModels.bak"), kGameFile);
}

TEST_F(StartupTest, WithoutModelAndBackupTheSeedBecomesTheNextBackup)
{
    QFile::remove(modelDir + "EmperorBuildingModels.txt");
    const auto first = start();
    expectCompleteWithoutMessages(*first);
    EXPECT_EQ(model("EmperorBuildingModels.bak"), std::nullopt);
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kSeed);

    put(modelDir + "EmperorBuildingModels.txt", "seed with the user's stores\r\n");
    const auto second = start();
    expectCompleteWithoutMessages(*second);
    EXPECT_EQ(model("EmperorBuildingModels.bak"), "seed with the user's stores\r\n");
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kSeed);
}

struct StatusCase {
    const char* name;
    const char* statusName;  // the status file present beforehand, or nullptr
    bool resetPresent;
    bool seeded;  // both files rewritten with the embedded block
};

class StartupStatusFilesTest : public StartupTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StartupStatusFilesTest, SeedsBothOnlyWhenTheStatusFileIsMissing)
{
    const StatusCase& c = GetParam();
    if (c.statusName)
        put(modelDir + c.statusName, kUserStatus);
    if (c.resetPresent)
        put(modelDir + "ResetTreeImage.Index", kUserStatus);
    const auto run = start();
    expectCompleteWithoutMessages(*run);

    const QString statusName = c.statusName ? QString::fromLatin1(c.statusName) : QStringLiteral("TreeImage.Index");
    const QRegularExpression anyCase("^TreeImage\\.Index$", QRegularExpression::CaseInsensitiveOption);
    EXPECT_EQ(entriesOf(modelDir).filter(anyCase), QStringList({statusName}))
        << "one status file, under its own name";
    if (c.seeded) {
        EXPECT_EQ(contentOf(modelDir + statusName), kSeededStatus);
        EXPECT_EQ(model("ResetTreeImage.Index"), kSeededStatus);
        EXPECT_EQ(run->state.TreeStatus.lines(), QStringList(161, "0"));
    } else {
        EXPECT_EQ(run->writes().filter("TreeImage.", Qt::CaseInsensitive), QStringList());
        EXPECT_EQ(contentOf(modelDir + statusName), kUserStatus);
        EXPECT_EQ(model("ResetTreeImage.Index"), c.resetPresent ? std::optional(kUserStatus) : std::nullopt);
        EXPECT_EQ(run->state.TreeStatus.lines(), QStringList(161, "1"));
    }
}

INSTANTIATE_TEST_SUITE_P(Combinations, StartupStatusFilesTest,
                         ::testing::Values(StatusCase{"NeitherPresent", nullptr, false, true},
                                           StatusCase{"OnlyResetPresent", nullptr, true, true},
                                           StatusCase{"OnlyStatusPresent", "TreeImage.Index", false, false},
                                           StatusCase{"BothPresent", "TreeImage.Index", true, false},
                                           StatusCase{"LowerCaseStatusName", "TreeImage.index", false, false},
                                           StatusCase{"UpperCaseStatusName", "TREEIMAGE.INDEX", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, GameFolderEndsInOneSeparatorWhateverWasRegistered)
{
    const QString windowsPath = QStringLiteral("C:\\Games\\Der erste Kaiser");
    for (const QString& registered : {game, game + "/", windowsPath, windowsPath + "\\"}) {
        const auto run = start([&](FakeHost& host) {
            host.setRegistryString(kKey, "Path", registered);
            host.setHostPath(windowsPath, game);
            host.setHostPath(windowsPath + "\\", game + "/");
        });
        SCOPED_TRACE(qPrintable(registered));
        expectCompleteWithoutMessages(*run);
        EXPECT_EQ(run->state.GameDir, game + "/");
        EXPECT_EQ(run->state.ModelDir, game + "/Model/");
    }
}

TEST_F(StartupTest, GameFilesAndFoldersMatchWithoutRegardToCase)
{
    QFile::rename(game + "/Emperor.exe", game + "/EMPEROR.EXE");
    QDir(game).rename("Model", "model");
    const auto run = start();
    expectCompleteWithoutMessages(*run);
    EXPECT_EQ(entriesOf(game), QStringList({"EMPEROR.EXE", "model"}));
    EXPECT_EQ(contentOf(game + "/model/EmperorBuildingModels.bak"), kGameFile);
    EXPECT_EQ(contentOf(game + "/model/TreeImage.Index"), kSeededStatus);
}

struct NotInstalledCase {
    const char* name;
    std::function<void(FakeHost&, const QString& game)> script;
    bool pristineLoaded;  // the check after step 7 found no Emperor.exe
};

class StartupNotInstalledTest : public StartupTest, public ::testing::WithParamInterface<NotInstalledCase> {};

TEST_P(StartupNotInstalledTest, ShowsTheNotFoundMessageAndEndsWithoutTouchingFiles)
{
    const NotInstalledCase& c = GetParam();
    const QStringList before = entriesOf(modelDir);
    const auto run = start([&](FakeHost& host) { c.script(host, game); });

    ASSERT_EQ(run->host.messages.size(), 1);
    EXPECT_EQ(run->host.messages[0].text, kNotInstalled);
    EXPECT_EQ(run->host.messages[0].title, u"Fehler"_qs);
    EXPECT_EQ(run->host.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(run->result.endProcess);
    EXPECT_FALSE(run->result.complete);
    EXPECT_EQ(run->host.calls.endProcess, 1);
    EXPECT_EQ(run->writes(), QStringList());
    EXPECT_EQ(run->moves(), QStringList());
    EXPECT_EQ(entriesOf(modelDir), before);
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kGameFile);
    EXPECT_EQ(run->state.PristineLoaded, c.pristineLoaded);
    EXPECT_FALSE(run->state.ModelLoaded);
    EXPECT_EQ(run->host.calls.addFontMemResource, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Installations, StartupNotInstalledTest,
    ::testing::Values(
        NotInstalledCase{"NoKey",
                         [](FakeHost& host, const QString& game) {
                             host.clearRegistry();
                             host.setRegistryString(kKey + "x", "Path", game);
                         },
                         false},
        NotInstalledCase{"NoPathValue",
                         [](FakeHost& host, const QString& game) {
                             host.clearRegistry();
                             host.setRegistryString(kKey, "", game);
                         },
                         false},
        NotInstalledCase{"EmptyPathValue",
                         [](FakeHost& host, const QString&) { host.setRegistryString(kKey, "Path", {}); }, false},
        NotInstalledCase{"UnmappablePath",
                         [](FakeHost& host, const QString&) {
                             host.setRegistryString(kKey, "Path", "Q:\\Games");
                             host.setHostPath("Q:\\Games", {});
                         },
                         false},
        NotInstalledCase{"NoEmperorExe",
                         [](FakeHost&, const QString& game) { QFile::remove(game + "/Emperor.exe"); }, true},
        NotInstalledCase{"FolderWithoutTheGame",
                         [](FakeHost& host, const QString& game) {
                             host.setRegistryString(kKey, "Path", game + "/Model");
                         },
                         true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, RunningGameIsReportedAndStartUpGoesOn)
{
    const auto run = start([](FakeHost& host) { host.runningProcesses = {"C:\\Games\\Der erste Kaiser\\EMPEROR.EXE"}; });
    ASSERT_EQ(run->host.messages.size(), 1);
    EXPECT_EQ(run->host.messages[0].text, kGameRunning);
    EXPECT_EQ(run->host.messages[0].title, u"Fehler"_qs);
    EXPECT_EQ(run->host.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(run->result.complete);
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kSeed);
}

TEST_F(StartupTest, WithoutRightsTheFirstMessageComesBeforeAnyOtherAccess)
{
    const auto run = start([&](FakeHost& host) {
        host.admin = false;
        host.runningProcesses = {"Emperor.exe"};
        QFile::remove(game + "/Emperor.exe");
    });
    ASSERT_EQ(run->host.messages.size(), 1);
    EXPECT_EQ(run->host.messages[0].text, kNoRights);
    EXPECT_EQ(run->host.messages[0].title, u"Fehler"_qs);
    EXPECT_EQ(run->host.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(run->result.endProcess);
    EXPECT_EQ(run->host.calls.endProcess, 1);
    EXPECT_EQ(run->host.calls.isProcessRunning, 0);
    EXPECT_EQ(run->host.calls.readRegistryString, 0);
    EXPECT_EQ(run->host.calls.hostPathOf, 0);
    EXPECT_EQ(run->host.calls.embeddedData, 0);
    EXPECT_EQ(run->host.calls.getSpecialFolderPath, 0);
    EXPECT_TRUE(run->host.recordingFiles().calls().isEmpty());
    EXPECT_FALSE(run->state.PristineLoaded);
}

TEST_F(StartupTest, ExistingManualIsNeverReplacedEvenWhenEmpty)
{
    put(documents + "/" + kManual, {});
    const auto run = start();
    expectCompleteWithoutMessages(*run);
    EXPECT_EQ(run->host.calls.extractManual, 0);
    EXPECT_EQ(contentOf(documents + "/" + kManual), QByteArray());
}

TEST_F(StartupTest, WithoutDocumentsFolderTheManualIsSkipped)
{
    const auto run = start([](FakeHost& host) { host.documentsFolder.clear(); });
    expectCompleteWithoutMessages(*run);
    EXPECT_EQ(run->host.calls.extractManual, 0);
    for (const QString& path : run->writes())
        EXPECT_TRUE(path.startsWith(modelDir)) << qPrintable(path);
}

TEST_F(StartupTest, FontFollowsTheRegistrationHandle)
{
    struct Case {
        int handle;
        QString family;
        int pointSize;
    };
    const Case cases[] = {{7, "Formal436 BT", 10}, {1, "Formal436 BT", 10}, {0, "Calibri", 11},
                          {-1, "Formal436 BT", 10}, {-2147483647 - 1, "Formal436 BT", 10}};
    for (const Case& c : cases) {
        const auto run = start([&](FakeHost& host) { host.fontHandle = c.handle; });
        SCOPED_TRACE(c.handle);
        expectCompleteWithoutMessages(*run);
        EXPECT_EQ(run->host.registeredFonts, QList<QByteArray>({kFont}));
        EXPECT_EQ(run->result.font.family, c.family);
        EXPECT_EQ(run->result.font.pointSize, c.pointSize);
    }
}

struct ErrorCase {
    const char* name;
    std::function<void(FakeHost&, const QString& game, const QString& documents)> script;
    QString messagePart;  // a piece of the error's own message, "%1" = the game folder
    bool pristineLoaded;
    bool listsLoaded;  // CurrentModel and TreeStatus
    bool fontRegistered;
};

class StartupErrorTest : public StartupTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(StartupErrorTest, ShowsOneBoxSkipsTheRestAndOpensTheWindow)
{
    const ErrorCase& c = GetParam();
    const auto run = start([&](FakeHost& host) { c.script(host, game, documents); });

    ASSERT_EQ(run->host.messages.size(), 1);
    const FakeHost::ShownMessage& box = run->host.messages[0];
    EXPECT_EQ(box.title, u"MAV Edit"_qs);
    EXPECT_EQ(box.kind, MessageKind::Error);
    EXPECT_TRUE(box.text.contains(c.messagePart.arg(game))) << qPrintable(box.text);
    EXPECT_EQ(run->result.error, box.text);
    EXPECT_EQ(run->state.StartupProblem, box.text);
    EXPECT_FALSE(run->result.complete);
    EXPECT_FALSE(run->result.endProcess);
    EXPECT_EQ(run->host.calls.endProcess, 0);
    EXPECT_EQ(run->state.PristineLoaded, c.pristineLoaded);
    EXPECT_EQ(run->state.ModelLoaded, c.listsLoaded);
    EXPECT_EQ(run->state.TreeStatusLoaded, c.listsLoaded);
    EXPECT_EQ(run->host.calls.addFontMemResource, c.fontRegistered ? 1 : 0);
    EXPECT_EQ(run->result.font.family, u"Formal436 BT"_qs);
    EXPECT_EQ(run->result.font.pointSize, 10);
}

const auto kMissing = [](const char* group, const char* item) {
    return [=](FakeHost& host, const QString&, const QString&) { host.markEmbeddedMissing(group, item); };
};

INSTANTIATE_TEST_SUITE_P(
    Steps, StartupErrorTest,
    ::testing::Values(
        ErrorCase{"PathIsNotAString",
                  [](FakeHost& host, const QString&, const QString&) {
                      host.setRegistryOtherType(kKey, "Path", "dword");
                  },
                  "dword", false, false, false},
        ErrorCase{"PristineModelMissing", kMissing("RT_RCDATA", "NewModell"), "NewModell", false, false, false},
        ErrorCase{"ModelFolderMissing",
                  [](FakeHost&, const QString& game, const QString&) { QDir(game + "/Model").removeRecursively(); },
                  "%1/Model/EmperorBuildingModels.txt", true, false, false},
        ErrorCase{"ModelFolderIsAFile",
                  [](FakeHost&, const QString& game, const QString&) {
                      QDir(game + "/Model").removeRecursively();
                      put(game + "/Model", "not a folder");
                  },
                  "%1/Model/EmperorBuildingModels.txt", true, false, false},
        ErrorCase{"SeedModelMissing",
                  [](FakeHost& host, const QString& game, const QString&) {
                      QFile::remove(game + "/Model/EmperorBuildingModels.txt");
                      host.markEmbeddedMissing("RT_RCDATA", "DE_Modell");
                  },
                  "DE_Modell", true, false, false},
        ErrorCase{"StatusBlockMissing", kMissing("RT_RCDATA", "TreeImageIndex"), "TreeImageIndex", true, false, false},
        ErrorCase{"StatusNameTakenByAFolder",
                  [](FakeHost&, const QString& game, const QString&) {
                      QDir().mkpath(game + "/Model/TreeImage.Index");
                  },
                  "%1/Model/TreeImage.Index", true, false, false},
        ErrorCase{"ModelFileIsAFolder",
                  [](FakeHost&, const QString& game, const QString&) {
                      QDir().mkpath(game + "/Model/EmperorBuildingModels.bak");
                      QFile::remove(game + "/Model/EmperorBuildingModels.txt");
                      QDir().mkpath(game + "/Model/EmperorBuildingModels.txt");
                  },
                  "%1/Model/EmperorBuildingModels.txt", true, false, false},
        ErrorCase{"DocumentsFolderGone",
                  [](FakeHost& host, const QString&, const QString& documents) {
                      host.documentsFolder = documents + "/gone";
                  },
                  "Sierra Modell Dateien.pdf", true, true, false},
        ErrorCase{"ManualMissing", kMissing("RT_RCDATA", "PDF"), "PDF", true, true, false},
        ErrorCase{"FontMissing", kMissing("China", "TTF"), "TTF", true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, ReadOnlyModelFolderReportsTheFileAndKeepsTheGameFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into read-only folders";
    QFile::setPermissions(modelDir, QFile::ReadOwner | QFile::ExeOwner);
    const auto run = start();
    QFile::setPermissions(modelDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(run->host.messages.size(), 1);
    // The backup cannot be made and is not reported; seeding the status file fails.
    EXPECT_TRUE(run->host.messages[0].text.contains(modelDir + "TreeImage.Index")) << qPrintable(run->host.messages[0].text);
    EXPECT_EQ(model("EmperorBuildingModels.txt"), kGameFile) << "a failed backup leaves the file in place";
    EXPECT_FALSE(run->state.ModelLoaded);
}

// The items FormCreate asks for are the ones the program embeds.
TEST_F(StartupTest, EmbeddedItemsOfTheProgramSeedTheWorkspace)
{
    const char* items[] = {":/RT_RCDATA/NewModell", ":/RT_RCDATA/DE_Modell", ":/RT_RCDATA/TreeImageIndex",
                           ":/RT_RCDATA/PDF", ":/China/TTF"};
    for (const char* item : items) {
        if (!QFile::exists(item))
            GTEST_SKIP() << item << " is not embedded in this build";
    }
    auto run = std::make_unique<StartupRun>();
    run->host.setRegistryString(kKey, "Path", game);
    run->host.documentsFolder = documents;
    run->result = FormCreate(run->host, run->state);
    expectCompleteWithoutMessages(*run);

    QFile seed(":/RT_RCDATA/DE_Modell");
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    EXPECT_EQ(LineList::fromBytes(*model("EmperorBuildingModels.txt")), LineList::fromBytes(seed.readAll()));
    EXPECT_EQ(model("TreeImage.Index"), kSeededStatus);
    EXPECT_EQ(model("ResetTreeImage.Index"), kSeededStatus);
    QFile manual(":/RT_RCDATA/PDF");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_EQ(contentOf(documents + "/" + kManual), manual.readAll());
    EXPECT_EQ(run->state.TreeStatus.lines(), QStringList(161, "0"));
}

}  // namespace
