// The value panels and the editing handlers, driven through the real window.
#include "windowfixture.h"

#include <QLabel>

namespace {

// Replaces line index of a CR LF text file.
void replaceLine(const QString& path, int index, const QString& text)
{
    QStringList lines = QString::fromLatin1([&] {
                            QFile f(path);
                            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
                        }()).split(QStringLiteral("\r\n"));
    lines[index] = text;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(QStringLiteral("\r\n")).toLatin1());
}

}  // namespace

class EditorTest : public WindowFixture {};

TEST_F(EditorTest, StartsWithTheFirstCategoryShown)
{
    start();
    EXPECT_EQ(tree()->selectedNode(), tree()->itemAtPosition(0));
    EXPECT_EQ(window->controls().ObjektnameLabel->text(), QStringLiteral("Bevölkerung"));
    EXPECT_FALSE(control("Speichern")->isEnabled());
    EXPECT_FALSE(shown("SingleElementReset"));
    EXPECT_EQ(caption("SingleElementReset"), QStringLiteral("Reset"));
    EXPECT_FALSE(shown("Panel1"));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_TRUE(shown("NoSelectImage"));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(EditorTest, TypicalRequestStoresTheNewWorkerCount)
{
    start();
    const QStringList before = linesOf(modelPath());
    clickNode(QStringLiteral("Bauernhaus"));
    EXPECT_EQ(state().CurrentElementCode, 15);
    EXPECT_EQ(caption("SingleElementReset"), QStringLiteral("Reset : Bauernhaus"));
    EXPECT_TRUE(shown("Panel1"));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_EQ(editText("ArbeiterEdit"), QStringLiteral("22"));
    EXPECT_EQ(caption("ArbeiterBtn"), QStringLiteral("22"));
    EXPECT_FALSE(markerShown("ArbeiterPng"));

    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("30"));
    EXPECT_TRUE(state().IsDirty);
    EXPECT_TRUE(markerShown("ArbeiterPng"));
    EXPECT_EQ(tree()->statusOf(node(QStringLiteral("Bauernhaus"))), 1);
    EXPECT_EQ(tree()->statusOf(node(QStringLiteral("Farmen"))), 1);
    EXPECT_EQ(tree()->statusOf(node(QStringLiteral("Landwirtschaft"))), 1);

    click(QStringLiteral("Speichern"));
    const QStringList after = linesOf(modelPath());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[200], QStringLiteral("193,Bauernhaus,{,50,-3,1,1,3,30,0,0,0,0,0,250,3,},,,,,,,,,,,,,,,"));
    for (int i = 0; i < after.size(); ++i) {
        if (i != 200) {
            EXPECT_EQ(after[i], before[i]) << "line " << i;
        }
    }
    EXPECT_FALSE(state().IsDirty);
    EXPECT_TRUE(markerShown("ArbeiterPng"));
    const QStringList status = linesOf(statusPath());
    EXPECT_EQ(status[19], QStringLiteral("1"));
    EXPECT_EQ(status[20], QStringLiteral("1"));
    EXPECT_EQ(status[21], QStringLiteral("1"));
    EXPECT_EQ(status[22], QStringLiteral("0"));
}

TEST_F(EditorTest, HouseLevelShowsBothPanelsAndStoresTwoRows)
{
    // A model file of the player's whose partner row H104 holds cost 77 and
    // workers 9: the greyed rows show "0" but the store keeps both values.
    touch(gamePath(QStringLiteral("Model/EmperorBuildingModels.bak")), "old");
    QFile::copy(QStringLiteral(":/RT_RCDATA/DE_Modell"), modelPath());
    QFile::setPermissions(modelPath(), QFile::ReadOwner | QFile::WriteOwner);
    replaceLine(modelPath(), 14, QStringLiteral("7,H104,{,77,0,0,0,0,9,14,15,0,0,0,200,4,},"));
    start();
    const QStringList before = linesOf(modelPath());

    clickNode(QStringLiteral("Geräumiges Haus"));
    EXPECT_EQ(state().CurrentElementCode, 104);
    EXPECT_TRUE(shown("Panel1"));
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_FALSE(control("BaukostenEdit")->isEnabled());
    EXPECT_FALSE(control("ArbeiterEdit")->isEnabled());
    EXPECT_EQ(editText("BaukostenEdit"), QStringLiteral("0"));
    EXPECT_EQ(editText("ArbeiterEdit"), QStringLiteral("0"));
    EXPECT_EQ(caption("BaukostenBtn"), QStringLiteral("0"));
    EXPECT_EQ(editText("FeuergefahrEdit"), QStringLiteral("14"));
    EXPECT_EQ(editText("BewohnerEdit"), QStringLiteral("41"));
    EXPECT_EQ(editText("RückentwicklungEdit"), QStringLiteral("10"));
    EXPECT_EQ(caption("WasserzugangEdit"), QStringLiteral("ja"));
    EXPECT_EQ(caption("AkupunkturzugangEdit"), QStringLiteral("nein"));

    click(QStringLiteral("AkupunkturzugangEdit"));  // toggle down: "ja"
    click(QStringLiteral("Speichern"));
    const QStringList after = linesOf(modelPath());
    EXPECT_EQ(after[287], QStringLiteral("Geräumiges Haus,{,10,22,1,1,1,1,0,0,30,1,0,0,0,0,13,0,0,41,1,0,10,1,0,0,,,,,,"));
    EXPECT_EQ(after[14], QStringLiteral("7,H104,{,77,0,0,0,0,9,14,15,0,0,0,200,4,},,,,,,,,,,,,,,,"));
    int changed = 0;
    for (int i = 0; i < after.size(); ++i)
        changed += after[i] != before[i];
    EXPECT_EQ(changed, 2);
}

TEST_F(EditorTest, UnterstandShowsItsPartnerRowValues)
{
    start();
    clickNode(QStringLiteral("Unterstand"));
    EXPECT_EQ(editText("FeuergefahrEdit"), QStringLiteral("18"));
    EXPECT_EQ(editText("EinsturzgefahrEdit"), QStringLiteral("11"));
    EXPECT_EQ(editText("FengShuiEdit"), QStringLiteral("4"));
    EXPECT_EQ(editText("AttraktivitätEdit"), QStringLiteral("0"));
    EXPECT_EQ(editText("BewohnerEdit"), QStringLiteral("7"));
    EXPECT_EQ(editText("SteuernEdit"), QStringLiteral("0"));
    EXPECT_EQ(caption("SingleElementReset"), QStringLiteral("Reset : Unterstand"));
}

TEST_F(EditorTest, NumericEditsRefuseEverythingButDigits)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    for (const QString& name : {QStringLiteral("BaukostenEdit"), QStringLiteral("ArbeiterEdit")}) {
        typeInto(name, QStringLiteral("1a,2-"));
        EXPECT_EQ(editText(name), QStringLiteral("12")) << name.toStdString();
    }
    // Pasted text with a comma is refused whole; the value stays as it was.
    auto* edit = control<NumericEdit>(QStringLiteral("FeuergefahrEdit"));
    const QString old = edit->text();
    edit->setFocus();
    edit->selectAll();
    edit->insert(QStringLiteral("5,7"));  // what paste and drop do
    emit edit->textEdited(edit->text());
    EXPECT_EQ(edit->text(), old);
}

TEST_F(EditorTest, StepperStepsFromTheTypedNumberWithinItsLimits)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    auto* edit = control<NumericEdit>(QStringLiteral("AttraktivitätEdit"));
    typeInto(QStringLiteral("AttraktivitätEdit"), QStringLiteral("99"));
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("100"));
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("100"));
    edit->setText(QStringLiteral("-99"));
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("-100"));
    EXPECT_TRUE(markerShown("AttraktivitätPng"));
    // Baukosten steps by 10.
    typeInto(QStringLiteral("BaukostenEdit"), QStringLiteral("45"));
    QTest::keyClick(control(QStringLiteral("BaukostenEdit")), Qt::Key_Up);
    EXPECT_EQ(editText("BaukostenEdit"), QStringLiteral("55"));
}

TEST_F(EditorTest, PerRowResetsFindControlsWhoseNamesDifferInCase)
{
    start();
    clickNode(QStringLiteral("Bescheidenes Siheyuan"));
    struct Case {
        const char16_t* button;
        const char16_t* value;
    };
    const Case cases[] = {
        {u"LebensmittelqualitätBtn", u"LebensmittelQualitätEdit"},
        {u"KeramikZugangBtn", u"KeramikzugangEdit"},
        {u"TeezugangBtn", u"TeeZugangEdit"},
        {u"SeidezugangBtn", u"SeideZugangEdit"},
        {u"AhnenzugangBtn", u"AhnenZugangEdit"},
    };
    typeInto(QStringLiteral("LebensmittelQualitätEdit"), QStringLiteral("66"));
    for (const Case& c : cases) {
        const QString value = QString::fromUtf16(c.value);
        if (value != QStringLiteral("LebensmittelQualitätEdit"))
            click(value);  // flip the toggle away from its pristine state
    }
    for (const Case& c : cases) {
        const QString button = QString::fromUtf16(c.button);
        const QString value = QString::fromUtf16(c.value);
        auto* valueControl = control(value);
        const QString current = qobject_cast<QLineEdit*>(valueControl)
                                    ? qobject_cast<QLineEdit*>(valueControl)->text()
                                    : qobject_cast<QAbstractButton*>(valueControl)->text();
        EXPECT_NE(current, caption(button)) << value.toStdString();
        click(button);
        const QString restored = qobject_cast<QLineEdit*>(valueControl)
                                     ? qobject_cast<QLineEdit*>(valueControl)->text()
                                     : qobject_cast<QAbstractButton*>(valueControl)->text();
        EXPECT_EQ(restored, caption(button)) << value.toStdString();
        if (auto* toggle = qobject_cast<QAbstractButton*>(valueControl); toggle && !qobject_cast<QLineEdit*>(valueControl)) {
            EXPECT_EQ(toggle->isChecked(), restored == QStringLiteral("ja"));
        }
    }
    EXPECT_FALSE(state().AnyValueChanged);
    EXPECT_TRUE(state().IsDirty);
}

TEST_F(EditorTest, ToggleClickUpdatesItsMarkerButNotTheTree)
{
    start();
    clickNode(QStringLiteral("Hütte"));
    QTreeWidgetItem* hut = node(QStringLiteral("Hütte"));
    EXPECT_EQ(tree()->statusOf(hut), 0);
    click(QStringLiteral("DramazugangEdit"));
    EXPECT_EQ(caption("DramazugangEdit"), QStringLiteral("ja"));
    EXPECT_TRUE(markerShown("DramazugangPng"));
    EXPECT_EQ(tree()->statusOf(hut), 0);
    EXPECT_TRUE(state().IsDirty);
    // The next update of another kind brings the tree up to date.
    click(QStringLiteral("FeuergefahrBtn"));
    EXPECT_EQ(tree()->statusOf(hut), 1);
}

TEST_F(EditorTest, MarkersOfTheHiddenHousePanelDoNotCountForABuilding)
{
    start();
    clickNode(QStringLiteral("Hütte"));
    click(QStringLiteral("DramazugangEdit"));
    host.answers = {MessageAnswer::No};
    clickNode(QStringLiteral("Hanffarm"));
    EXPECT_FALSE(state().AnyValueChanged);
    EXPECT_EQ(tree()->statusOf(node(QStringLiteral("Hanffarm"))), 0);
}

TEST_F(EditorTest, LeavingAnEditedElementAsksOnce)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("31"));
    host.answers = {MessageAnswer::No};
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_Down);
    QTest::keyClick(tree(), Qt::Key_Down);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Bauernhaus\rDie Einheit wurde bearbeitet. Speichern?"));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Sicherheitsabfrage"));
    EXPECT_EQ(host.messages[0].kind, MessageKind::YesNoQuestion);
    EXPECT_FALSE(linesOf(modelPath())[200].contains(QStringLiteral(",31,")));
}

TEST_F(EditorTest, AnswerYesStoresTheLeftElement)
{
    start();
    clickNode(QStringLiteral("Bauernhaus"));
    typeInto(QStringLiteral("ArbeiterEdit"), QStringLiteral("31"));
    host.answers = {MessageAnswer::Yes};
    clickNode(QStringLiteral("Farmen"));
    EXPECT_EQ(linesOf(modelPath())[200], QStringLiteral("193,Bauernhaus,{,50,-3,1,1,3,31,0,0,0,0,0,250,3,},,,,,,,,,,,,,,,"));
    EXPECT_EQ(window->controls().ObjektnameLabel->text(), QStringLiteral("Farmen"));
    EXPECT_FALSE(shown("Panel1"));
    EXPECT_FALSE(state().IsDirty);
}

TEST_F(EditorTest, ShiftReleaseAloneMarksTheElementEdited)
{
    start();
    clickNode(QStringLiteral("Mühle"));
    EXPECT_TRUE(shown("Panel1"));
    EXPECT_FALSE(state().IsDirty);
    QTest::keyClick(control(QStringLiteral("FengShuiEdit")), Qt::Key_Shift);
    EXPECT_TRUE(state().IsDirty);
    // Clicking the selected node again asks nothing.
    clickNode(QStringLiteral("Mühle"));
    EXPECT_TRUE(host.messages.isEmpty());
}
