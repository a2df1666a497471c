// The window's fixed layout: size, flags, control places, stacking and tab order.
#include "windowfixture.h"

#include <QLabel>

class WindowTest : public WindowFixture {};

TEST_F(WindowTest, WindowIsFixedAtItsDesignedSize)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("MAV Edit"));
    EXPECT_EQ(window->size(), QSize(949, 579));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(WindowTest, ControlsLieAtTheirPlaces)
{
    start();
    struct Place {
        const char16_t* name;
        QRect geometry;
    };
    const Place places[] = {
        {u"NoSelectImage", {363, 156, 478, 298}}, {u"Shape1", {-2, 529, 980, 2}},
        {u"Shape2", {-2, 109, 980, 2}},           {u"Image1", {-49, 537, 350, 35}},
        {u"Beenden", {617, 538, 327, 33}},        {u"ModellTree", {6, 114, 275, 374}},
        {u"Speichern", {295, 492, 649, 33}},      {u"CompleteReset", {4, 492, 277, 33}},
        {u"SingleElementReset", {627, 464, 317, 25}}, {u"Panel1", {287, 114, 691, 148}},
        {u"Panel2", {288, 263, 690, 225}},        {u"Panel3", {0, 0, 949, 106}},
        {u"Shape5", {559, 31, 357, 44}},          {u"ObjektnameLabel", {560, 32, 355, 42}},
        {u"Image2", {426, 7, 93, 93}},            {u"BuildingImage", {436, 17, 73, 73}},
        {u"Image3", {6, 7, 329, 93}},             {u"Shape3", {321, -8, 2, 159}},
        {u"Shape4", {320, -11, 2, 236}},
        // one row of each column of both panels
        {u"BaukostenLabel", {2, 21, 130, 26}},    {u"BaukostenEdit", {142, 24, 65, 22}},
        {u"BaukostenUpD", {207, 24, 16, 22}},     {u"BaukostenPng", {226, 24, 25, 25}},
        {u"BaukostenBtn", {252, 24, 65, 25}},     {u"FengShuiLabel", {334, 124, 130, 26}},
        {u"FengShuiEdit", {474, 124, 65, 22}},    {u"FengShuiBtn", {585, 124, 65, 25}},
        {u"RückentwicklungLabel", {1, -2, 130, 26}}, {u"KeramikzugangEdit", {140, 200, 65, 25}},
        {u"DramazugangLabel", {335, 174, 130, 26}}, {u"DramazugangBtn", {584, 175, 65, 25}},
    };
    for (const Place& place : places) {
        const QString name = QString::fromUtf16(place.name);
        QWidget* widget = control(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), place.geometry) << name.toStdString();
    }
    EXPECT_EQ(window->findChildren<Picture*>().size(), 5 + 27);
}

TEST_F(WindowTest, ElementResetLiesAbovePanel2)
{
    start();
    const QObjectList& children = window->children();
    EXPECT_GT(children.indexOf(control("SingleElementReset")), children.indexOf(control("Panel2")));
    EXPECT_GT(children.indexOf(control("Panel1")), children.indexOf(control("NoSelectImage")));
    clickNode(QStringLiteral("Unterstand"));
    QWidget* reset = control("SingleElementReset");
    const QPoint centre = reset->geometry().center();
    EXPECT_EQ(window->childAt(centre), reset);
}

TEST_F(WindowTest, TabWalksCommandsThenTheNumericEdits)
{
    start();
    clickNode(QStringLiteral("Unterstand"));  // every edit enabled but Baukosten and Arbeiter
    const QStringList expected = {
        u"Beenden"_qs, u"ModellTree"_qs, u"Speichern"_qs, u"CompleteReset"_qs, u"SingleElementReset"_qs,
        u"SteuernEdit"_qs, u"BewohnerEdit"_qs, u"AttraktivitätEdit"_qs, u"ReichweiteEdit"_qs,
        u"FeuergefahrEdit"_qs, u"EinsturzgefahrEdit"_qs, u"RisikoverminderungEdit"_qs, u"FengShuiEdit"_qs,
        u"RückentwicklungEdit"_qs, u"WeiterentwicklungEdit"_qs, u"LebensmittelQualitätEdit"_qs, u"Beenden"_qs,
    };
    control("Beenden")->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(walked, expected);
}
