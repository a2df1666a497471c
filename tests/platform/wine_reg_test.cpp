#include "linuxhost.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a Wine tool in the scratch prefix; true when it exited with 0.
bool runInPrefix(const QString& program, const QStringList& arguments, const QString& prefix, QString* output)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINEPREFIX", prefix);
    environment.insert("WINEDEBUG", "-all");
    environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");  // no Mono or Gecko dialogs
    environment.insert("LANG", "C.UTF-8");
    environment.remove("DISPLAY");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(240000);
    *output = QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The key registered by Wine's own "reg add" is found through system.reg.
TEST(WineRegTest, KeyWrittenByWineRegAddIsReadBack)
{
    const QString wine = QStandardPaths::findExecutable("wine");
    if (wine.isEmpty())
        GTEST_SKIP() << "wine is not installed; the Wine registry format is covered by the fixture tests";
    const QString wineserver = QStandardPaths::findExecutable("wineserver");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString prefix = dir.filePath("prefix");
    const QString registered = QStringLiteral("C:\\Spiele\\Der erste Kaiser Größe\\");
    QString output;
    ASSERT_TRUE(runInPrefix(wine,
                            {"reg", "add", "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe",
                             "/v", "Path", "/t", "REG_SZ", "/d", registered, "/f"},
                            prefix, &output))
        << qPrintable(output);
    // The registry reaches system.reg when the server shuts down.
    if (!wineserver.isEmpty())
        runInPrefix(wineserver, {"-w"}, prefix, &output);

    LinuxHost host(prefix, dir.filePath("proc"));
    QString value, error;
    ASSERT_TRUE(host.ReadRegistryString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe",
                                        "Path", &value, &error))
        << qPrintable(error);
    EXPECT_EQ(value, registered);

    const QString driveC = QDir(prefix + "/drive_c").canonicalPath();
    ASSERT_TRUE(QDir().mkpath(driveC + "/Spiele/Der erste Kaiser Größe"));
    EXPECT_EQ(host.HostPathOf(value), driveC + "/Spiele/Der erste Kaiser Größe/");
}

}  // namespace
