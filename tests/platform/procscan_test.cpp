#include "procscan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Process {
    const char* folder;
    QByteArray cmdline;
    QByteArray comm;  // empty: no comm file
};

// A proc root with the given processes; every test gets its own folder.
class ProcFixture {
public:
    explicit ProcFixture(const std::vector<Process>& processes)
    {
        for (const Process& p : processes) {
            const QString folder = dir.filePath(QString::fromLatin1(p.folder));
            QDir().mkpath(folder);
            write(folder + "/cmdline", p.cmdline);
            if (!p.comm.isEmpty())
                write(folder + "/comm", p.comm);
        }
    }
    QString root() const { return dir.path(); }

    QTemporaryDir dir;

private:
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

struct ScanCase {
    const char* name;
    std::vector<Process> processes;
    bool running;
};

class ProcScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ProcScanTest, FindsTheGameByItsFileName)
{
    ProcFixture fixture(GetParam().processes);
    EXPECT_EQ(ProcScan(fixture.root()).IsProcessRunning(QStringLiteral("Emperor.exe")), GetParam().running);
}

const QByteArray kArgs("\0-window\0", 9);

INSTANTIATE_TEST_SUITE_P(
    Processes, ProcScanTest,
    ::testing::Values(
        ScanCase{"WindowsPathInCmdline", {{"100", "C:\\Games\\Der erste Kaiser\\Emperor.exe" + kArgs, "bash\n"}}, true},
        ScanCase{"UpperCase", {{"7", "C:\\GAMES\\EMPEROR.EXE", {}}}, true},
        ScanCase{"LowerCaseInComm", {{"7", "/usr/bin/wine64-preloader", "emperor.exe\n"}}, true},
        ScanCase{"HostPath", {{"7", "/home/u/.wine/drive_c/Games/Emperor.exe", {}}}, true},
        ScanCase{"DriveOnly", {{"7", "D:Emperor.exe", {}}}, true},
        ScanCase{"SecondOfSeveral", {{"1", "init", "systemd\n"}, {"2", "C:\\x\\Emperor.exe", {}}, {"3", "C:\\y\\Emperor.exe", {}}}, true},
        ScanCase{"OnlyLaterArgument", {{"7", QByteArray("wine\0C:\\Emperor.exe", 19), "wine\n"}}, false},
        ScanCase{"LongerName", {{"7", "C:\\Games\\Emperor.exe2", "Emperor.exe2\n"}}, false},
        ScanCase{"OtherExtension", {{"7", "C:\\Games\\Emperor.com", {}}}, false},
        ScanCase{"OtherLetter", {{"7", "C:\\Games\\Emporer.exe", {}}}, false},
        ScanCase{"NotAProcessFolder", {{"self", "C:\\Emperor.exe", "Emperor.exe\n"}, {"12a", "C:\\Emperor.exe", {}}}, false},
        ScanCase{"EmptyEntries", {{"9", {}, {}}}, false},
        ScanCase{"NoProcesses", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcScanTest, UpperCasingMapsOnlyAsciiLetters)
{
    EXPECT_TRUE(ProcScan::SameExecutableName(QStringLiteral("eMPEROR.exe"), QStringLiteral("Emperor.EXE")));
    EXPECT_FALSE(ProcScan::SameExecutableName(QStringLiteral("ä.exe"), QStringLiteral("Ä.exe")));
}

TEST(ProcScanTest, MissingProcRootGivesFalse)
{
    EXPECT_FALSE(ProcScan(QStringLiteral("/nonexistent/proc")).IsProcessRunning(QStringLiteral("Emperor.exe")));
}

TEST(ProcScanTest, FindsThisProcessInTheRealProc)
{
    if (!QFile::exists(QStringLiteral("/proc/self/comm")))
        GTEST_SKIP() << "no /proc on this machine";
    QFile comm(QStringLiteral("/proc/self/comm"));
    ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
    const QString self = QString::fromLocal8Bit(comm.readAll().trimmed());
    EXPECT_TRUE(ProcScan().IsProcessRunning(self));
}

}  // namespace
