#include "linuxhost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

const QString kKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe");

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name))
    {
        old_ = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

class LinuxHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        prefix = dir.filePath("prefix");
        ASSERT_TRUE(QDir().mkpath(prefix + "/drive_c/Games/Der erste Kaiser"));
        ASSERT_TRUE(QDir().mkpath(prefix + "/dosdevices"));
        ASSERT_TRUE(QFile::link("../drive_c", prefix + "/dosdevices/c:"));
    }

    void writeRegistry(const QByteArray& body)
    {
        writeFile(prefix + "/system.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n" + body);
    }

    QTemporaryDir dir;
    QString prefix;
};

TEST_F(LinuxHostTest, ReadsTheAppPathFromSystemReg)
{
    writeRegistry("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1765370000\n"
                  "#time=1dc69e1a3b5c7e0\n"
                  "\"Path\"=\"C:\\\\Games\\\\Der erste Kaiser\\\\\"\n");
    LinuxHost host(prefix, dir.filePath("proc"));
    QString value, error;
    ASSERT_TRUE(host.ReadRegistryString(kKey, "Path", &value, &error)) << qPrintable(error);
    EXPECT_EQ(value, u"C:\\Games\\Der erste Kaiser\\"_qs);
    EXPECT_EQ(host.HostPathOf(value), QDir(prefix + "/drive_c").canonicalPath() + "/Games/Der erste Kaiser/");
}

TEST_F(LinuxHostTest, MissingFileKeyOrValueGivesEmptyText)
{
    LinuxHost host(prefix, dir.filePath("proc"));
    const QByteArray hives[] = {
        QByteArray(),  // no system.reg at all
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Other.exe] 1\n\"Path\"=\"C:\\\\\"\n",
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1\n@=\"C:\\\\x.exe\"\n",
    };
    for (const QByteArray& hive : hives) {
        QFile::remove(prefix + "/system.reg");
        if (!hive.isNull())
            writeRegistry(hive);
        QString value = "stale", error;
        EXPECT_TRUE(host.ReadRegistryString(kKey, "Path", &value, &error)) << hive.constData();
        EXPECT_EQ(value, QString()) << hive.constData();
    }
}

TEST_F(LinuxHostTest, NonStringValueIsAnErrorNamingFileAndType)
{
    writeRegistry("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1\n"
                  "\"Path\"=dword:00000001\n");
    LinuxHost host(prefix, dir.filePath("proc"));
    QString value, error;
    EXPECT_FALSE(host.ReadRegistryString(kKey, "Path", &value, &error));
    EXPECT_TRUE(error.contains(prefix + "/system.reg")) << qPrintable(error);
    EXPECT_TRUE(error.contains("dword")) << qPrintable(error);
    EXPECT_TRUE(error.contains("Path")) << qPrintable(error);
}

TEST_F(LinuxHostTest, ThirtyTwoBitViewIsReadWhenTheKeyIsMissing)
{
    const QByteArray wow64("[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1\n"
                           "\"Path\"=\"C:\\\\Wow\\\\\"\n");
    const QByteArray native("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Emperor.exe] 1\n"
                            "\"Path\"=\"C:\\\\Native\\\\\"\n");
    LinuxHost host(prefix, dir.filePath("proc"));
    QString value, error;

    writeRegistry(wow64);
    ASSERT_TRUE(host.ReadRegistryString(kKey, "Path", &value, &error));
    EXPECT_EQ(value, u"C:\\Wow\\"_qs);

    writeRegistry(wow64 + "\n" + native);
    ASSERT_TRUE(host.ReadRegistryString(kKey, "Path", &value, &error));
    EXPECT_EQ(value, u"C:\\Native\\"_qs);
}

TEST_F(LinuxHostTest, AdministratorIsRootOrTheOwnerOfThePrefix)
{
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(prefix).constData(), &info), 0);
    const unsigned owner = info.st_uid;
    const unsigned stranger = owner + 1000;
    EXPECT_TRUE(LinuxHost::IsAdminFor(prefix, 0));
    EXPECT_TRUE(LinuxHost::IsAdminFor(prefix, owner));
    EXPECT_FALSE(LinuxHost::IsAdminFor(prefix, stranger));
    // Without a prefix the check passes; the installation check reports the game missing.
    EXPECT_TRUE(LinuxHost::IsAdminFor(dir.filePath("no-prefix"), stranger));
    EXPECT_EQ(LinuxHost(prefix, {}).IsUserAdmin(), ::geteuid() == 0 || ::geteuid() == owner);
}

TEST_F(LinuxHostTest, PrefixComesFromWineprefixElseHomeWine)
{
    {
        ScopedEnv env("WINEPREFIX", QFile::encodeName(prefix));
        EXPECT_EQ(LinuxHost::DefaultPrefix(), prefix);
        EXPECT_EQ(LinuxHost().prefix(), prefix);
    }
    for (const QByteArray& unset : {QByteArray(), QByteArray("")}) {
        ScopedEnv env("WINEPREFIX", unset);
        EXPECT_EQ(LinuxHost::DefaultPrefix(), QDir::homePath() + "/.wine");
    }
}

TEST_F(LinuxHostTest, DocumentsFolderOnlyWhenItExists)
{
    const QString documents = dir.filePath("Dokumente");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("config")));
    writeFile(dir.filePath("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents) + "\"\n");
    ScopedEnv env("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    LinuxHost host(prefix, {});

    EXPECT_EQ(host.GetSpecialFolderPath(5), QString()) << "a missing folder is not guessed into being";
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(host.GetSpecialFolderPath(5), documents);
    EXPECT_EQ(host.GetSpecialFolderPath(0), QString());
}

TEST_F(LinuxHostTest, ExtractManualWritesTheEmbeddedPdf)
{
    LinuxHost host(prefix, {});
    const QString path = dir.filePath("Sierra Modell Dateien.pdf");
    QString error;
    QFile resource(":/RT_RCDATA/PDF");
    if (!resource.open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(host.ExtractManual(path, &error));
        EXPECT_TRUE(error.contains("PDF")) << qPrintable(error);
        GTEST_SKIP() << "the manual is not embedded in this build";
    }
    ASSERT_TRUE(host.ExtractManual(path, &error)) << qPrintable(error);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), resource.readAll());

    EXPECT_FALSE(host.ExtractManual(dir.filePath("missing/folder/x.pdf"), &error));
    EXPECT_TRUE(error.contains("missing/folder/x.pdf")) << qPrintable(error);
}

TEST_F(LinuxHostTest, MissingEmbeddedItemIsAnError)
{
    LinuxHost host(prefix, {});
    QByteArray bytes = "stale";
    QString error;
    EXPECT_FALSE(host.EmbeddedData("RT_RCDATA", "NoSuchItem", &bytes, &error));
    EXPECT_EQ(error, u"Die eingebetteten Daten \"NoSuchItem\" der Gruppe \"RT_RCDATA\" fehlen."_qs);
}

TEST_F(LinuxHostTest, FontHandleIsPositiveOnSuccessAndZeroOnFailure)
{
    LinuxHost host(prefix, {});
    EXPECT_EQ(host.AddFontMemResource(QByteArray("not a font")), 0);
    EXPECT_EQ(host.AddFontMemResource(QByteArray()), 0);

    QFile font(":/China/TTF");
    if (!font.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "the font is not embedded in this build";
    const int handle = host.AddFontMemResource(font.readAll());
    ASSERT_GT(handle, 0);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(handle - 1).contains("Formal436 BT"));
}

// Runs ShowMessage while act() handles the box once it is up.
MessageAnswer showAndAct(LinuxHost& host, MessageKind kind, const std::function<void(QMessageBox*)>& act)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no modal message box";
            return;
        }
        act(box);
    });
    return host.ShowMessage("Text", "Titel", kind);
}

struct BoxCase {
    MessageKind kind;
    QMessageBox::Icon icon;
    QStringList captions;
    QString defaultCaption;
    MessageAnswer byDefault;  // Enter
    MessageAnswer byEscape;   // Escape and closing
};

TEST_F(LinuxHostTest, MessageBoxesHaveTheirButtonsIconAndEscapeAnswer)
{
    const BoxCase cases[] = {
        {MessageKind::Error, QMessageBox::Critical, {"OK"}, "OK", MessageAnswer::Ok, MessageAnswer::Ok},
        {MessageKind::YesNoQuestion, QMessageBox::Question, {"Ja", "Nein"}, "Ja", MessageAnswer::Yes,
         MessageAnswer::No},
        {MessageKind::OkCancelQuestion, QMessageBox::Question, {"OK", "Abbrechen"}, "Abbrechen",
         MessageAnswer::Cancel, MessageAnswer::Cancel},
    };
    LinuxHost host(prefix, {});
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(int(c.kind));
        const MessageAnswer byDefault = showAndAct(host, c.kind, [&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), u"Titel"_qs);
            EXPECT_EQ(box->text(), u"Text"_qs);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            QStringList captions;
            for (QAbstractButton* button : box->buttons())
                captions.append(button->text());
            captions.sort();
            QStringList expected = c.captions;
            expected.sort();
            EXPECT_EQ(captions, expected);
            ASSERT_NE(box->defaultButton(), nullptr);
            EXPECT_EQ(box->defaultButton()->text(), c.defaultCaption);
            box->defaultButton()->click();
        });
        EXPECT_EQ(byDefault, c.byDefault);
        EXPECT_EQ(showAndAct(host, c.kind, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }),
                  c.byEscape);
        EXPECT_EQ(showAndAct(host, c.kind, [](QMessageBox* box) { box->close(); }), c.byEscape);
    }
}

TEST_F(LinuxHostTest, OtherButtonAnswersItsOwnValue)
{
    LinuxHost host(prefix, {});
    const auto clickCaption = [](const QString& caption) {
        return [caption](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == caption)
                    button->click();
            }
        };
    };
    EXPECT_EQ(showAndAct(host, MessageKind::YesNoQuestion, clickCaption("Nein")), MessageAnswer::No);
    EXPECT_EQ(showAndAct(host, MessageKind::OkCancelQuestion, clickCaption("OK")), MessageAnswer::Ok);
}

TEST(LinuxHostDeathTest, EndProcessExitsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    LinuxHost host(QStringLiteral("/nonexistent"), {});
    EXPECT_EXIT(host.EndProcess(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
