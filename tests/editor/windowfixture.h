#pragma once

#include "editorstate.h"
#include "elementeditor.h"
#include "fakehost.h"
#include "mainwindow.h"
#include "modeltree.h"
#include "numericedit.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A game installation in a temporary folder, the fake host pointing at it,
// and the real window started on it. Tests drive the window with QTest
// mouse and key events.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(game.isValid());
        QDir(game.path()).mkpath(QStringLiteral("Model"));
        QDir(game.path()).mkpath(QStringLiteral("Dokumente"));
        touch(gamePath(QStringLiteral("Emperor.exe")), QByteArray());
        host.setRegistryString(
            QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe"),
            QStringLiteral("Path"), game.path());
        host.documentsFolder = game.path() + QStringLiteral("/Dokumente");
    }

    // Starts the window; the game's own model file is the embedded model
    // unless the test wrote another one before.
    void start()
    {
        window = std::make_unique<TMain>(host);
        ASSERT_FALSE(window->endRequested());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString gamePath(const QString& name) const { return game.path() + QLatin1Char('/') + name; }
    QString modelPath() const { return gamePath(QStringLiteral("Model/EmperorBuildingModels.txt")); }
    QString statusPath() const { return gamePath(QStringLiteral("Model/TreeImage.Index")); }

    static void touch(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList linesOf(const QString& path)
    {
        return QString::fromLatin1(bytesOf(path)).split(QStringLiteral("\r\n"));
    }

    ModelTree* tree() const { return window->controls().ModellTree; }
    EditorState& state() const { return window->state(); }

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QTreeWidgetItem* node(const QString& caption) const
    {
        for (QTreeWidgetItem* item : tree()->nodesInOrder()) {
            if (item->text(0) == caption)
                return item;
        }
        ADD_FAILURE() << "no node " << caption.toStdString();
        return nullptr;
    }

    // Clicks the node as a player would: its ancestors are expanded first.
    void clickNode(const QString& caption)
    {
        QTreeWidgetItem* item = node(caption);
        ASSERT_NE(item, nullptr);
        for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        tree()->scrollToItem(item);
        const QRect rect = tree()->visualItemRect(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Selects the edit's whole text and types text over it, key by key.
    void typeInto(const QString& editName, const QString& text)
    {
        auto* edit = control<NumericEdit>(editName);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QString editText(const QString& name) const { return control<QLineEdit>(name)->text(); }
    QString caption(const QString& name) const { return control<QAbstractButton>(name)->text(); }
    bool markerShown(const QString& name) const { return !control<Picture>(name)->isHidden(); }
    bool shown(const QString& name) const { return !control(name)->isHidden(); }

    QTemporaryDir game;
    FakeHost host;
    std::unique_ptr<TMain> window;
};
