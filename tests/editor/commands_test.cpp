// The command buttons and what the window does when files are damaged or
// cannot be written, driven through the real window.
#include "windowfixture.h"

#include <QLabel>

class CommandsTest : public WindowFixture {
protected:
    // Starts on the player's own model file instead of the seeded copy.
    void startWithModel(const QByteArray& model)
    {
        touch(gamePath(QStringLiteral("Model/EmperorBuildingModels.bak")), "old");
        touch(modelPath(), model);
        start();
    }

    static QByteArray embeddedModel()
    {
        QFile file(QStringLiteral(":/RT_RCDATA/DE_Modell"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(CommandsTest, ElementResetRestoresBothRowsOfAHouseLevel)
{
    QByteArray model = embeddedModel();
    model.replace("Unterstand,{,-99,-10,", "Unterstand,{,-50,-10,");
    model.replace("3,H100,{,0,0,0,0,0,0,18,", "3,H100,{,0,0,0,0,0,0,25,");
    startWithModel(model);
    clickNode(QStringLiteral("Unterstand"));
    EXPECT_EQ(editText("RückentwicklungEdit"), QStringLiteral("-50"));
    EXPECT_TRUE(markerShown("RückentwicklungPng"));
    EXPECT_TRUE(markerShown("FeuergefahrPnG"));

    click(QStringLiteral("SingleElementReset"));
    const QStringList lines = linesOf(modelPath());
    EXPECT_TRUE(lines[283].startsWith(QStringLiteral("Unterstand,{,-99,-10,")));
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("3,H100,{,0,0,0,0,0,0,18,")));
    EXPECT_FALSE(markerShown("RückentwicklungPng"));
    EXPECT_FALSE(markerShown("FeuergefahrPnG"));
    EXPECT_FALSE(state().IsDirty);
    EXPECT_EQ(tree()->statusOf(node(QStringLiteral("Unterstand"))), 0);
}

TEST_F(CommandsTest, CompleteResetCancelledChangesNothing)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("30"));
    click(QStringLiteral("Speichern"));
    const QByteArray model = bytesOf(modelPath());
    const QByteArray status = bytesOf(statusPath());

    host.answers = {MessageAnswer::Cancel};
    click(QStringLiteral("CompleteReset"));
    ASSERT_FALSE(host.messages.isEmpty());
    EXPECT_EQ(host.messages.last().text, QStringLiteral("Die komplette Modelldatei zurücksetzen?"));
    EXPECT_EQ(host.messages.last().kind, MessageKind::OkCancelQuestion);
    EXPECT_EQ(bytesOf(modelPath()), model);
    EXPECT_EQ(bytesOf(statusPath()), status);
    EXPECT_TRUE(shown("Panel1"));
    EXPECT_EQ(tree()->selectedNode(), node(QStringLiteral("Bauernhaus")));
}

TEST_F(CommandsTest, CompleteResetRestoresFilesAndLeavesNoSelection)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("30"));
    click(QStringLiteral("Speichern"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("40"));  // an unstored edit

    host.answers = {MessageAnswer::Ok};
    click(QStringLiteral("CompleteReset"));
    EXPECT_EQ(bytesOf(modelPath()), embeddedModel());
    EXPECT_EQ(bytesOf(statusPath()), bytesOf(gamePath(QStringLiteral("Model/ResetTreeImage.Index"))));
    EXPECT_EQ(tree()->selectedNode(), nullptr);
    EXPECT_EQ(tree()->nodeCount(), 161);
    for (QTreeWidgetItem* item : tree()->nodesInOrder())
        EXPECT_EQ(tree()->statusOf(item), 0);
    EXPECT_FALSE(shown("Panel1"));
    EXPECT_TRUE(shown("NoSelectImage"));
    EXPECT_TRUE(window->controls().ObjektnameLabel->text().isEmpty());
    EXPECT_FALSE(control("Speichern")->isEnabled());
    EXPECT_FALSE(shown("SingleElementReset"));
    // The edit before the reset is gone with the old model: nothing is asked.
    const qsizetype shownBoxes = host.messages.size();
    clickNode(QStringLiteral("Hanffarm"));
    EXPECT_EQ(host.messages.size(), shownBoxes);
    EXPECT_TRUE(control("Speichern")->isEnabled());
}

TEST_F(CommandsTest, FailedStoreKeepsFileEditsAndSelection)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("30"));
    // A folder in the model file's place: no file can be renamed over it.
    ASSERT_TRUE(QFile::remove(modelPath()));
    ASSERT_TRUE(QDir().mkpath(modelPath()));

    click(QStringLiteral("Speichern"));
    ASSERT_FALSE(host.messages.isEmpty());
    EXPECT_EQ(host.messages.last().kind, MessageKind::Error);
    EXPECT_TRUE(host.messages.last().text.contains(QStringLiteral("EmperorBuildingModels.txt")));
    EXPECT_TRUE(QFileInfo(modelPath()).isDir());
    EXPECT_TRUE(state().IsDirty);
    EXPECT_EQ(editText("ArbeiterEdit"), QStringLiteral("30"));
    EXPECT_FALSE(state().Model.CurrentModel.at(200).contains(QStringLiteral(",30,")));

    // Yes at the question fails the same way: the selection stays.
    host.answers = {MessageAnswer::Yes};
    clickNode(QStringLiteral("Hanffarm"));
    EXPECT_EQ(tree()->selectedNode(), node(QStringLiteral("Bauernhaus")));
    EXPECT_EQ(editText("ArbeiterEdit"), QStringLiteral("30"));
}

TEST_F(CommandsTest, ElementMissingFromTheModelFileIsReportedNotStored)
{
    QByteArray model = embeddedModel();
    model.replace("192,Hanffarm,", "192,Hanfacker,");
    startWithModel(model);
    const QByteArray before = bytesOf(modelPath());
    clickNode(QStringLiteral("Hanffarm"));
    EXPECT_FALSE(shown("Panel1"));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_EQ(window->controls().ObjektnameLabel->text(), QStringLiteral("Hanffarm"));
    EXPECT_TRUE(window->controls().ElementMessage->text().contains(QStringLiteral("keinen Eintrag")));
    EXPECT_FALSE(control("Speichern")->isEnabled());
    EXPECT_FALSE(control("SingleElementReset")->isEnabled());
    EXPECT_EQ(bytesOf(modelPath()), before);
}

TEST_F(CommandsTest, ModelOfAnotherLayoutCanBeBrowsedButNotStored)
{
    startWithModel("EXTRA LINE\r\n" + embeddedModel());
    ASSERT_FALSE(host.messages.isEmpty());
    EXPECT_EQ(host.messages.first().kind, MessageKind::Error);
    const QByteArray before = bytesOf(modelPath());
    clickNode(QStringLiteral("Bauernhaus"));
    EXPECT_TRUE(shown("Panel1"));
    EXPECT_FALSE(control("Speichern")->isEnabled());
    EXPECT_FALSE(control("SingleElementReset")->isEnabled());
    EXPECT_EQ(bytesOf(modelPath()), before);
}

TEST_F(CommandsTest, IncompleteStartUpLeavesCommandsHarmless)
{
    ASSERT_TRUE(QDir(gamePath(QStringLiteral("Model"))).removeRecursively());
    start();
    ASSERT_FALSE(host.messages.isEmpty());
    EXPECT_FALSE(state().ModelLoaded);
    EXPECT_FALSE(shown("Panel1"));
    EXPECT_TRUE(shown("ElementMessage"));
    host.answers = {MessageAnswer::Ok};
    click(QStringLiteral("CompleteReset"));
    click(QStringLiteral("Speichern"));
    EXPECT_FALSE(QFileInfo::exists(statusPath()));
    EXPECT_FALSE(control("Speichern")->isEnabled());
}

TEST_F(CommandsTest, BeendenClosesWithoutAQuestion)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("30"));
    const qsizetype boxes = host.messages.size();
    click(QStringLiteral("Beenden"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(host.messages.size(), boxes);
}
